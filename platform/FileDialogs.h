#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open and save file dialogs. The program uses the platform's dialogs;
// tests install a scripted implementation that answers from a queue.
class FileDialogs {
public:
    struct Request {
        QString title;
        QString folder; // starting folder; empty for the platform's choice
        QString initialName; // the file name field's first text
        // Filter in the "description|pattern|description|pattern" form; the
        // entry with index `filterIndex` (0-based) is preselected.
        QString filter;
        int filterIndex = 0;
        QString defaultSuffix; // added when the chosen name has no extension
    };

    virtual ~FileDialogs() = default;
    // The chosen path, or empty when the user cancelled.
    virtual QString openFile(QWidget* parent, const Request& request) = 0;
    // The chosen path, or empty when the user cancelled. The dialog does not
    // ask about replacing an existing file: the caller asks that itself.
    virtual QString saveFile(QWidget* parent, const Request& request) = 0;
};

// The filter of drawing files and its default extension.
namespace drawingfilter {
inline const char* const kFilter = "All files (*.*)|*.*|Tavelle files (*.tvle)|*.tvle";
constexpr int kPreselected = 1;
inline const char* const kDefaultSuffix = "tvle";
} // namespace drawingfilter

// Converts a "description|pattern|..." filter into Qt's list of filters, one
// "description (patterns)" entry per pair. A pattern "*.*" becomes "*" so that
// files without an extension are listed too.
QStringList qtFilterList(const QString& filter);

// `path` with ".suffix" added when its file name has no extension.
QString withDefaultSuffix(const QString& path, const QString& suffix);
