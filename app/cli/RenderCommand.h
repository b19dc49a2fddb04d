#pragma once

class EditorContext;
struct CommandLine;

// tavelle --render FILE OUT.png [--zoom Z] [--dpi N] [--flat]: paints the
// whole canvas of FILE, measured in the context's screen, into a PNG, with
// shadows and 3-D shading unless --flat is given. Returns the process exit
// status.
int runRenderCommand(const CommandLine& line, const EditorContext& context);
