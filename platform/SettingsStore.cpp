#include "platform/SettingsStore.h"

#include "platform/WholeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

SettingsStore::SettingsStore(QString filePath)
    : path_(std::move(filePath))
{
}

QString SettingsStore::defaultFilePath()
{
    return filePathIn(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString SettingsStore::filePathIn(const QString& configHome)
{
    return QDir(configHome).filePath(QStringLiteral("Tavelle/Tavelle.conf"));
}

bool SettingsStore::load()
{
    doc_ = IniDocument();
    unreadable_ = false;
    QFile file(path_);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable_ = true;
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        unreadable_ = true;
        return false;
    }
    doc_ = IniDocument::parse(bytes);
    return true;
}

bool SettingsStore::save()
{
    // Replacing a file we could not read would throw away the user's settings.
    if (unreadable_)
        return false;
    // A settings file kept elsewhere behind a symbolic link stays a link.
    const QFileInfo info(path_);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path_;
    return replaceFileWhole(target, doc_.serialise());
}

std::optional<std::int32_t> SettingsStore::readInt(const QString& group, const QString& name) const
{
    const std::optional<QString> text = doc_.value(group, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int v = text->trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

std::optional<QString> SettingsStore::readString(const QString& group, const QString& name) const
{
    return doc_.value(group, name);
}

void SettingsStore::writeInt(const QString& group, const QString& name, std::int32_t value)
{
    doc_.setValue(group, name, QString::number(value));
}

void SettingsStore::writeString(const QString& group, const QString& name, const QString& value)
{
    doc_.setValue(group, name, value);
}

void SettingsStore::remove(const QString& group, const QString& name)
{
    doc_.remove(group, name);
}

void SettingsStore::createGroup(const QString& group)
{
    doc_.addGroup(group);
}
