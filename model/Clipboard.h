#pragma once

#include "model/EditStep.h"

class QString;
class UserPrompt;
struct ItemList;
struct ScreenMetrics;

// The application's clipboard is an item list of its own, shared by every
// document: a copy of the source drawing's header, copies of the copied
// items with their stacking positions and groups, and the picture stores and
// pattern definitions they use.

// `screen` is the one the drawings are edited on; copies take their real
// coordinates from it.

// Replaces the clipboard's content with the document's selected items (group
// frames included), their picture stores and custom dash patterns, and a
// copy of its header; groups are renumbered 1..n. Returns the number of items
// copied. With no header in the document the clipboard ends up empty.
int copySelection(ItemList& document, ItemList& clipboard, const ScreenMetrics& screen);

// Paste is available while the clipboard holds an item it would paste.
bool canPaste(const ItemList& clipboard);

// Pastes the clipboard into the document as one undoable step, after
// clearing the redo steps: every item in stacking order, each 10 pixels
// right of and below its original, on top of the document's items in the
// same order among themselves, in groups of their own (with their group
// frames), selected. Picture stores and pattern definitions the document
// lacks come along. The clipboard is left as it was. `made` lists the pasted
// items; its text lines still need their extent refreshed and its lines their
// geometry. Empty when nothing was pasted (the document is then unchanged).
EditStep pasteClipboard(ItemList& document, ItemList& clipboard, const ScreenMetrics& screen);

// Reads a drawing file into the clipboard and pastes it into the document.
// False, with the clipboard and document as they were, when the file cannot
// be read or the user declines it. The clipboard keeps the file's content.
bool insertDrawingFile(const QString& path, ItemList& document, ItemList& clipboard,
    const ScreenMetrics& screen, UserPrompt& prompt, EditStep& pasted, QString* error = nullptr);
