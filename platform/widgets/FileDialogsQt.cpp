#include "platform/widgets/FileDialogsQt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString runDialog(QWidget* parent, const FileDialogs::Request& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The command asks "Replace the existing file?" itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = qtFilterList(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog.selectNameFilter(filters[request.filterIndex]);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.folder.isEmpty() && QFileInfo(request.folder).isDir())
        dialog.setDirectory(request.folder);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return withDefaultSuffix(QDir::cleanPath(dialog.selectedFiles().first()), request.defaultSuffix);
}

} // namespace

QString FileDialogsQt::openFile(QWidget* parent, const Request& request)
{
    return runDialog(parent, request, QFileDialog::AcceptOpen);
}

QString FileDialogsQt::saveFile(QWidget* parent, const Request& request)
{
    return runDialog(parent, request, QFileDialog::AcceptSave);
}
