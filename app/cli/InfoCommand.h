#pragma once

#include "model/ItemList.h"

#include <QJsonDocument>

// tavelle --info FILE [--dpi N] [--force]: loads FILE and prints its records
// as one JSON document. Returns the process exit status.
int runInfoCommand(int argc, char** argv);

// The JSON form of a loaded drawing: {"modified": bool, "records": [...]}.
QJsonDocument drawingToJson(const ItemList& list);
