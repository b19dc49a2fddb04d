#include "canvas/FileCommands.h"

#include "canvas/DocumentSettings.h"
#include "model/DrawingFile.h"
#include "base/UserPrompt.h"
#include "platform/widgets/DialogServices.h"
#include "platform/widgets/FileDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString lastOpened; // the last file chosen in the Open dialog this run

FileDialogs::Request drawingRequest(const QString& title, const QString& initialName)
{
    FileDialogs::Request r;
    r.title = title;
    const QString folder = documentsettings::documentFolder();
    if (QFileInfo(folder).isDir())
        r.folder = folder;
    r.initialName = initialName;
    r.filter = QString::fromLatin1(drawingfilter::kFilter);
    r.filterIndex = drawingfilter::kPreselected;
    r.defaultSuffix = QString::fromLatin1(drawingfilter::kDefaultSuffix);
    return r;
}

// The chosen name as a full path with the default extension.
QString expandedPath(const QString& chosen)
{
    const QString withSuffix
        = withDefaultSuffix(chosen.trimmed(), QString::fromLatin1(drawingfilter::kDefaultSuffix));
    return QDir::cleanPath(QFileInfo(withSuffix).absoluteFilePath());
}

bool writeReported(const QString& path, ItemList& items)
{
    QString reason;
    if (writeDrawing(path, items, &reason))
        return true;
    QString text = QString::fromLatin1(filetext::kCannotSave) + QStringLiteral(" \"")
        + QDir::toNativeSeparators(path) + QStringLiteral("\".");
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    DialogServices::prompt().ask(UserPrompt::Kind::Error, text, UserPrompt::Buttons::Ok);
    return false;
}

} // namespace

QString openFileDialog(QWidget* parent, const std::function<void(const QString&)>& recordRecent)
{
    const QString chosen
        = DialogServices::fileDialogs().openFile(parent, drawingRequest(QStringLiteral("Open"), lastOpened));
    if (chosen.trimmed().isEmpty())
        return {};
    const QString path = QDir::cleanPath(QFileInfo(chosen.trimmed()).absoluteFilePath());
    documentsettings::setDocumentFolder(QFileInfo(path).absolutePath());
    if (recordRecent)
        recordRecent(path);
    lastOpened = path;
    return path;
}

bool saveDocumentAs(QWidget* parent, DocumentFile& document, const QString& initialName)
{
    if (!document.items)
        return false;
    const QString name = initialName.isEmpty() ? QFileInfo(document.path).fileName() : initialName;
    const QString chosen
        = DialogServices::fileDialogs().saveFile(parent, drawingRequest(QStringLiteral("Save As"), name));
    if (chosen.trimmed().isEmpty())
        return false;
    const QString path = expandedPath(chosen);
    documentsettings::setDocumentFolder(QFileInfo(path).absolutePath());
    if (QFileInfo::exists(path)
        && DialogServices::prompt().ask(UserPrompt::Kind::Confirmation,
               QString::fromLatin1(filetext::kReplace), UserPrompt::Buttons::YesNo)
            != UserPrompt::Answer::Yes)
        return false;
    if (!writeReported(path, *document.items))
        return false;
    document.path = path;
    if (document.recordRecent)
        document.recordRecent(path);
    return true;
}

bool saveDocument(QWidget* parent, DocumentFile& document, bool askNameIfUntitled)
{
    if (!document.items)
        return false;
    if (!document.path.isEmpty() && QFileInfo(document.path).isFile()) {
        if (writeReported(document.path, *document.items))
            return true;
    }
    const bool propose = askNameIfUntitled && document.path.isEmpty();
    return saveDocumentAs(parent, document, propose ? document.untitledName : QString());
}
