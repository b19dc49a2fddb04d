#pragma once

#include "model/ItemList.h"

#include <QString>

struct ScreenMetrics;
class UserPrompt;

// Texts the file reader puts to the user.
namespace drawingtext {
inline const char* const kNotValid = "Not a valid Tavelle file. Attempt to open it anyway?";
inline const char* const kNewerVersion = "This file was created on a newer version of Tavelle software.\n"
                                         "Update your software. Otherwise, this file might not display correctly.";
inline const char* const kCutShort = "The file was cut short. The drawing shows what could be read from it.";
} // namespace drawingtext

// Longest text, in UTF-16 units, that a record stores: its tail must stay
// below the 1,024,000 bytes a reader accepts, so longer texts are cut there.
constexpr int kMaxStoredTextUnits = 511999;

// Writes every live record of the list to `path`. The bytes go to a temporary
// file beside the target, which replaces the target only once all of them
// were written: a failed save leaves the old file as it was, keeps the
// drawing marked modified and returns false with the reason in `error`.
bool writeDrawing(const QString& path, ItemList& list, QString* error = nullptr);

// Loads a drawing file into `list`, replacing its records. Returns false and
// leaves `list` untouched when the path is empty, the file is missing or
// unreadable, or the user declines a file with a wrong signature. A file
// without a drawing header is given a fresh one. The stored real coordinates
// become pixels of `screen`. A file that ends inside a record's tail loads
// what came before, is marked modified and the user is told that it was cut
// short.
bool readDrawing(const QString& path, ItemList& list, const ScreenMetrics& screen, UserPrompt& prompt,
    QString* error = nullptr);

// The same reader over bytes already in memory (used by the fuzz target).
bool readDrawingBytes(const QByteArray& bytes, ItemList& list, const ScreenMetrics& screen, UserPrompt& prompt);
