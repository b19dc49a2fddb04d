#pragma once

#include "model/ItemList.h"

#include <QJsonDocument>

class EditorContext;
struct CommandLine;

// tavelle --info FILE [--dpi N] [--force]: loads FILE, measured in the
// context's screen, and prints its records as one JSON document. Returns the
// process exit status.
int runInfoCommand(const CommandLine& line, const EditorContext& context);

// The JSON form of a loaded drawing: {"modified": bool, "records": [...]}.
QJsonDocument drawingToJson(const ItemList& list);
