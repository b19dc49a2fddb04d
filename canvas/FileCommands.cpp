#include "canvas/FileCommands.h"

#include "canvas/DocumentSettings.h"
#include "canvas/EditorContext.h"
#include "model/DrawingFile.h"
#include "base/UserPrompt.h"
#include "platform/FileDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

FileDialogs::Request drawingRequest(const EditorContext& context, const QString& title, const QString& initialName)
{
    FileDialogs::Request r;
    r.title = title;
    const QString folder = documentsettings::documentFolder(context.preferences());
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

bool writeReported(UserPrompt& prompt, const QString& path, ItemList& items)
{
    QString reason;
    if (writeDrawing(path, items, &reason))
        return true;
    QString text = QString::fromLatin1(filetext::kCannotSave) + QStringLiteral(" \"")
        + QDir::toNativeSeparators(path) + QStringLiteral("\".");
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    prompt.ask(UserPrompt::Kind::Error, text, UserPrompt::Buttons::Ok);
    return false;
}

} // namespace

QString openFileDialog(
    QWidget* parent, EditorContext& context, const std::function<void(const QString&)>& recordRecent)
{
    const QString chosen = context.fileDialogs().openFile(
        parent, drawingRequest(context, QStringLiteral("Open"), context.lastOpenedFile()));
    if (chosen.trimmed().isEmpty())
        return {};
    const QString path = QDir::cleanPath(QFileInfo(chosen.trimmed()).absoluteFilePath());
    documentsettings::setDocumentFolder(context.preferences(), QFileInfo(path).absolutePath());
    if (recordRecent)
        recordRecent(path);
    context.setLastOpenedFile(path);
    return path;
}

bool saveDocumentAs(QWidget* parent, EditorContext& context, DocumentFile& document, const QString& initialName)
{
    if (!document.items)
        return false;
    const QString name = initialName.isEmpty() ? QFileInfo(document.path).fileName() : initialName;
    const QString chosen
        = context.fileDialogs().saveFile(parent, drawingRequest(context, QStringLiteral("Save As"), name));
    if (chosen.trimmed().isEmpty())
        return false;
    const QString path = expandedPath(chosen);
    documentsettings::setDocumentFolder(context.preferences(), QFileInfo(path).absolutePath());
    if (QFileInfo::exists(path)
        && context.prompt().ask(UserPrompt::Kind::Confirmation,
               QString::fromLatin1(filetext::kReplace), UserPrompt::Buttons::YesNo)
            != UserPrompt::Answer::Yes)
        return false;
    if (!writeReported(context.prompt(), path, *document.items))
        return false;
    document.path = path;
    if (document.recordRecent)
        document.recordRecent(path);
    return true;
}

bool saveDocument(QWidget* parent, EditorContext& context, DocumentFile& document, bool askNameIfUntitled)
{
    if (!document.items)
        return false;
    if (!document.path.isEmpty() && QFileInfo(document.path).isFile()) {
        if (writeReported(context.prompt(), document.path, *document.items))
            return true;
    }
    const bool propose = askNameIfUntitled && document.path.isEmpty();
    return saveDocumentAs(parent, context, document, propose ? document.untitledName : QString());
}
