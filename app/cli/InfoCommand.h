#pragma once

#include "model/ItemList.h"

#include <QJsonDocument>
#include <QStringList>

class EditorContext;

// tavelle --info FILE [--dpi N] [--force]: loads FILE, measured in the
// context's screen, and prints its records as one JSON document. Returns the
// process exit status.
int runInfoCommand(const QStringList& args, const EditorContext& context);

// The JSON form of a loaded drawing: {"modified": bool, "records": [...]}.
QJsonDocument drawingToJson(const ItemList& list);
