#pragma once

#include "platform/FileDialogs.h"

// The platform's file dialogs through QFileDialog.
class FileDialogsQt : public FileDialogs {
public:
    QString openFile(QWidget* parent, const Request& request) override;
    QString saveFile(QWidget* parent, const Request& request) override;
};
