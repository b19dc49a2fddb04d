#include "platform/DesktopRegistration.h"

#include "platform/WholeFileWrite.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kName = QStringLiteral("tavelle");

bool saveText(const QString& path, const QString& text) { return replaceFileWhole(path, text.toUtf8()); }

// The signature every record of a drawing carries at byte 60, little-endian.
const char* const kMimePackage = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-tavelle">
    <comment>Tavelle drawing</comment>
    <icon name="tavelle"/>
    <glob pattern="*.tvle"/>
    <magic priority="50">
      <match type="little32" offset="60" value="0x08ca6bff"/>
    </magic>
  </mime-type>
</mime-info>
)";

bool isReservedInExec(QChar c)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    return reserved.contains(c);
}

// The escapes every string value of a desktop entry needs.
QString escapeStringValue(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

constexpr int kToolTimeoutMs = 30000;

} // namespace

QString desktopExecArgument(const QString& argument)
{
    QString quoted;
    bool needsQuotes = false;
    for (const QChar c : argument) {
        if (isReservedInExec(c))
            needsQuotes = true;
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    QString result = needsQuotes ? u'"' + quoted + u'"' : argument;
    return escapeStringValue(result).replace(u'%', QStringLiteral("%%"));
}

ToolRun runInstalledTool(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return ToolRun::Missing;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return ToolRun::Failed;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? ToolRun::Succeeded
                                                                                  : ToolRun::Failed;
}

DesktopRegistration::DesktopRegistration(Setup setup)
    : setup_(std::move(setup))
{
}

QString DesktopRegistration::defaultDataHome()
{
    // The base directory specification ignores relative paths.
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

RegistrationFailure DesktopRegistration::write() const
{
    RegistrationFailure failure = RegistrationFailure::None;
    const auto step = [&failure](bool ok, RegistrationFailure code) {
        if (!ok)
            failure = code;
    };
    step(writeMimePackage(), RegistrationFailure::MimePackage);
    step(writeIcons(), RegistrationFailure::Icon);
    step(writeDesktopEntry(), RegistrationFailure::DesktopEntry);
    step(runTool(QStringLiteral("update-mime-database"), QStringLiteral("mime")), RegistrationFailure::MimeDatabase);
    step(runTool(QStringLiteral("update-desktop-database"), QStringLiteral("applications")),
        RegistrationFailure::DesktopDatabase);
    return failure;
}

QString DesktopRegistration::openCommand() const
{
    return desktopExecArgument(setup_.executable) + QStringLiteral(" -open %f");
}

QString DesktopRegistration::mimePackagePath() const
{
    return setup_.dataHome + QStringLiteral("/mime/packages/") + kName + QStringLiteral(".xml");
}

QString DesktopRegistration::desktopEntryPath() const
{
    return setup_.dataHome + QStringLiteral("/applications/") + kName + QStringLiteral(".desktop");
}

QString DesktopRegistration::iconPath(int size) const
{
    return QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(setup_.dataHome).arg(size).arg(kName);
}

bool DesktopRegistration::writeMimePackage() const
{
    return saveText(mimePackagePath(), QString::fromUtf8(kMimePackage));
}

bool DesktopRegistration::writeIcons() const
{
    if (!setup_.icon)
        return true;
    bool ok = true;
    for (const int size : kIconSizes) {
        const QImage icon = setup_.icon(size);
        QByteArray png;
        QBuffer buffer(&png);
        ok = !icon.isNull() && buffer.open(QIODevice::WriteOnly) && icon.save(&buffer, "PNG")
            && replaceFileWhole(iconPath(size), png) && ok;
    }
    return ok;
}

bool DesktopRegistration::writeDesktopEntry() const
{
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Tavelle\n"
                                         "GenericName=Design Editor\n"
                                         "Comment=Lay out cards, labels, brochures and pictures\n"
                                         "Icon=tavelle\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n"
                                         "Categories=Graphics;VectorGraphics;\n"
                                         "MimeType=application/x-tavelle;\n")
                              .arg(openCommand());
    return saveText(desktopEntryPath(), entry);
}

bool DesktopRegistration::runTool(const QString& tool, const QString& folder) const
{
    return setup_.runTool(tool, { setup_.dataHome + u'/' + folder }) != ToolRun::Failed;
}
