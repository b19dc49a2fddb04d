#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do on its command line. The editor starts
// without a mode option; --info and --render run without a window.
struct CommandLine {
    enum class Mode { Editor, Info, Render };
    Mode mode = Mode::Editor;

    // The screen resolution item coordinates are measured in, for every
    // mode; none: the screen's own.
    std::optional<double> dpi;

    // Editor: the files to open (-open FILE or FILE, any number, in the
    // order given), and --timing with the zoom of --timing-zoom P (0 for none).
    QStringList openFiles;
    bool timing = false;
    int timingZoomPercent = 0;

    // --info FILE [--force] and --render FILE OUT.png [--zoom Z] [--flat].
    QString file;
    QString output;
    bool force = false;
    double zoom = 1.0;
    bool flat = false; // no shadows or 3-D shading
};

// The arguments after the program's name, read strictly: an unknown option,
// an option of another mode, a missing argument or a value that is not a
// positive number make it fail with a message naming the word at fault.
struct CommandLineResult {
    std::optional<CommandLine> line;
    QString error;
};
CommandLineResult parseCommandLine(const QStringList& arguments);

// The usage message: one line per mode.
QString commandLineUsage();
