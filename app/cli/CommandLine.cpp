#include "app/cli/CommandLine.h"

#include <cmath>

namespace {

using Mode = CommandLine::Mode;

struct Reader {
    const QStringList& args;
    qsizetype at = 0;
    QString error;

    bool done() const { return at >= args.size(); }
    const QString& next() { return args[at++]; }

    // The word after `option`; false, with the message, when there is none.
    bool value(const QString& option, QString& out)
    {
        if (done() || (args[at].startsWith("--") && args[at].size() > 2)) {
            error = QStringLiteral("%1 needs a value").arg(option);
            return false;
        }
        out = next();
        return true;
    }

    bool positive(const QString& option, double& out)
    {
        QString text;
        if (!value(option, text))
            return false;
        bool ok = false;
        out = text.toDouble(&ok);
        if (!ok || !std::isfinite(out) || out <= 0) {
            error = QStringLiteral("%1 needs a positive number, not \"%2\"").arg(option, text);
            return false;
        }
        return true;
    }
};

// The mode chosen by its option anywhere on the line; the editor without one.
Mode modeOf(const QStringList& args)
{
    if (args.contains(QStringLiteral("--info")))
        return Mode::Info;
    if (args.contains(QStringLiteral("--render")))
        return Mode::Render;
    return Mode::Editor;
}

// A switch that takes no value.
bool turnOn(bool& flag)
{
    flag = true;
    return true;
}

bool readOption(Reader& in, const QString& word, CommandLine& line)
{
    if (word == QLatin1String("--dpi")) {
        double dpi = 0;
        if (!in.positive(word, dpi))
            return false;
        line.dpi = dpi;
        return true;
    }
    switch (line.mode) {
    case Mode::Editor:
        if (word == QLatin1String("-open")) {
            QString file;
            if (!in.value(word, file))
                return false;
            line.openFiles << file;
            return true;
        }
        if (word == QLatin1String("--timing"))
            return turnOn(line.timing);
        if (word == QLatin1String("--timing-zoom")) {
            double percent = 0;
            if (!in.positive(word, percent))
                return false;
            line.timingZoomPercent = static_cast<int>(std::lround(percent));
            return true;
        }
        break;
    case Mode::Info:
        if (word == QLatin1String("--info"))
            return in.value(word, line.file);
        if (word == QLatin1String("--force"))
            return turnOn(line.force);
        break;
    case Mode::Render:
        if (word == QLatin1String("--render"))
            return in.value(word, line.file) && in.value(word, line.output);
        if (word == QLatin1String("--zoom"))
            return in.positive(word, line.zoom);
        if (word == QLatin1String("--flat"))
            return turnOn(line.flat);
        break;
    }
    in.error = QStringLiteral("unknown option %1").arg(word);
    return false;
}

} // namespace

CommandLineResult parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    line.mode = modeOf(arguments);
    if (line.mode == Mode::Info && arguments.contains(QStringLiteral("--render")))
        return { std::nullopt, QStringLiteral("--info and --render cannot go together") };
    Reader in { arguments };
    while (!in.done()) {
        const QString& word = in.next();
        if (word.startsWith('-')) {
            if (!readOption(in, word, line))
                return { std::nullopt, in.error };
        } else if (line.mode == Mode::Editor) {
            line.openFiles << word; // a file named on its own is opened
        } else {
            return { std::nullopt, QStringLiteral("unexpected argument \"%1\"").arg(word) };
        }
    }
    return { line, QString() };
}

QString commandLineUsage()
{
    return QStringLiteral("usage: tavelle [-open FILE | FILE]... [--dpi N] [--timing] [--timing-zoom P]\n"
                          "       tavelle --info FILE [--dpi N] [--force]\n"
                          "       tavelle --render FILE OUT.png [--zoom Z] [--dpi N] [--flat]\n");
}
