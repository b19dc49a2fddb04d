#include "shell/MainWindow.h"

#include "base/UserPrompt.h"
#include "model/RecentFiles.h"
#include "canvas/EditorContext.h"

#include <QFileInfo>
#include <QMenu>

namespace {
const char* const kCannotFind = "Cannot find the file.";
const char* const kClearRecent = "Clear the list of recently used files?";
} // namespace

void MainWindow::addRecentFile(const QString& path)
{
    recentfiles::add(context_.preferences().recentFiles, path);
    rebuildReopenMenu();
}

void MainWindow::rebuildReopenMenu()
{
    const QStringList& entries = context_.preferences().recentFiles;
    bool any = false;
    for (int i = 0; i < recentfiles::kCount; ++i) {
        const QString path = i < entries.size() ? entries[i].trimmed() : QString();
        reopenEntries_[i]->setVisible(!path.isEmpty());
        reopenEntries_[i]->setText(recentfiles::caption(path).replace(QLatin1Char('&'), QLatin1String("&&")));
        reopenEntries_[i]->setStatusTip(path);
        any = any || !path.isEmpty();
    }
    action(QStringLiteral("clearRecent"))->setEnabled(any);
}

void MainWindow::reopen(int index)
{
    const QStringList& entries = context_.preferences().recentFiles;
    const QString path = index < entries.size() ? entries[index].trimmed() : QString();
    if (path.isEmpty())
        return;
    if (QFileInfo(path).isFile()) {
        openDocument(path);
        return;
    }
    context_.prompt().ask(UserPrompt::Kind::Warning, QString::fromLatin1(kCannotFind),
        UserPrompt::Buttons::Cancel);
}

void MainWindow::clearRecentFiles()
{
    const UserPrompt::Answer answer = context_.prompt().ask(UserPrompt::Kind::Confirmation,
        QString::fromLatin1(kClearRecent), UserPrompt::Buttons::YesNo);
    if (answer != UserPrompt::Answer::Yes)
        return;
    recentfiles::clear(context_.preferences().recentFiles);
    rebuildReopenMenu();
}
