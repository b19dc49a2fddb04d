#pragma once

// Starts the editor's windows and runs the event loop; returns the exit status.
int runEditor(int argc, char** argv);
