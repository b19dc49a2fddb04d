#pragma once

#include <QString>

#include <functional>

class EditorContext;
class QWidget;
struct ItemList;

// A drawing as the file commands see it: its records, its path (empty while
// untitled) and its window's title for an untitled drawing ("Untitled 3").
struct DocumentFile {
    ItemList* items = nullptr;
    QString path;
    QString untitledName;
    // Receives a path that belongs at the top of the recently used files.
    std::function<void(const QString&)> recordRecent;
};

// Texts of the file commands.
namespace filetext {
inline const char* const kReplace = "Replace the existing file?";
inline const char* const kCannotSave = "Cannot save the file";
} // namespace filetext

// The Open dialog: starts in the document folder with the last file opened
// through it this run; on OK the document folder follows the choice, the
// file goes to the recently used files, and its full path is returned.
// Empty when cancelled.
QString openFileDialog(
    QWidget* parent, EditorContext& context, const std::function<void(const QString&)>& recordRecent = {});

// Save As: asks for a name (proposing `initialName`, else the current file's
// name), asks "Replace the existing file?" for an existing file, then writes.
// The document takes the new path only when the file was written. A failed
// write is reported naming the file and the reason; the drawing stays
// modified and the command is not done.
bool saveDocumentAs(
    QWidget* parent, EditorContext& context, DocumentFile& document, const QString& initialName = {});

// Save: writes to the document's file when it has one that exists; when
// that fails, or there is no such file, runs Save As. With
// `askNameIfUntitled` an untitled drawing's dialog proposes its title.
bool saveDocument(QWidget* parent, EditorContext& context, DocumentFile& document, bool askNameIfUntitled);
