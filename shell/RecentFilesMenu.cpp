#include "shell/RecentFilesMenu.h"

#include "base/UserPrompt.h"
#include "canvas/EditorContext.h"
#include "model/RecentFiles.h"

#include <QFileInfo>
#include <QMenu>

namespace {
const char* const kCannotFind = "Cannot find the file.";
const char* const kClearRecent = "Clear the list of recently used files?";
} // namespace

RecentFilesMenu::RecentFilesMenu(EditorContext& context, QMenu* menu, QObject* parent)
    : QObject(parent)
    , context_(context)
    , menu_(menu)
{
    for (int i = 0; i < kEntries; ++i) {
        entries_[std::size_t(i)] = menu_->addAction(QString());
        entries_[std::size_t(i)]->setObjectName(QStringLiteral("reopen%1").arg(i + 1));
        connect(entries_[std::size_t(i)], &QAction::triggered, this, [this, i] { reopen(i); });
    }
    menu_->addSeparator();
    clearEntry_ = menu_->addAction(tr("&Clear..."));
    clearEntry_->setObjectName(QStringLiteral("clearRecent"));
    connect(clearEntry_, &QAction::triggered, this, &RecentFilesMenu::clear);
    rebuild();
}

void RecentFilesMenu::add(const QString& path)
{
    recentfiles::add(context_.preferences().recentFiles, path);
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    const QStringList& paths = context_.preferences().recentFiles;
    bool any = false;
    for (int i = 0; i < kEntries; ++i) {
        const QString path = i < paths.size() ? paths[i].trimmed() : QString();
        QAction* entry = entries_[std::size_t(i)];
        entry->setVisible(!path.isEmpty());
        entry->setText(recentfiles::caption(path).replace(QLatin1Char('&'), QLatin1String("&&")));
        entry->setStatusTip(path);
        any = any || !path.isEmpty();
    }
    clearEntry_->setEnabled(any);
}

void RecentFilesMenu::reopen(int index)
{
    const QStringList& paths = context_.preferences().recentFiles;
    const QString path = index >= 0 && index < paths.size() ? paths[index].trimmed() : QString();
    if (path.isEmpty())
        return;
    if (QFileInfo(path).isFile()) {
        emit openRequested(path);
        return;
    }
    context_.prompt().ask(UserPrompt::Kind::Warning, QString::fromLatin1(kCannotFind), UserPrompt::Buttons::Cancel);
}

void RecentFilesMenu::clear()
{
    const UserPrompt::Answer answer = context_.prompt().ask(
        UserPrompt::Kind::Confirmation, QString::fromLatin1(kClearRecent), UserPrompt::Buttons::YesNo);
    if (answer != UserPrompt::Answer::Yes)
        return;
    recentfiles::clear(context_.preferences().recentFiles);
    rebuild();
}
