#pragma once

#include <QStringList>

class EditorContext;

// tavelle --render FILE OUT.png [--zoom Z] [--dpi N]: paints the whole canvas
// of FILE, measured in the context's screen, into a PNG. Returns the process
// exit status.
int runRenderCommand(const QStringList& args, const EditorContext& context);
