#pragma once

// tavelle --render FILE OUT.png [--zoom Z] [--dpi N]: paints the whole canvas
// of FILE into a PNG. Returns the process exit status.
int runRenderCommand(int argc, char** argv);
