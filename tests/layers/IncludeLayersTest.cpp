#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>

// The program's folders depend on each other one way only, from the top:
// app -> shell -> panels -> canvas -> settings -> output -> render ->
// model and platform -> base. A file may include from its own folder and from
// folders below it; model and platform stand side by side and include
// neither each other. The parts that stay free of widgets include only parts
// that are free of widgets too: no `widgets/` subfolder, no shell or panels.
// Benchmarks, fuzz targets and the shared fixtures never reach into the tests.
namespace {

const QHash<QString, int> kRank = {
    { "base", 0 },
    { "model", 1 },
    { "platform", 1 },
    { "render", 2 },
    { "output", 3 },
    { "settings", 4 },
    { "canvas", 5 },
    { "panels", 6 },
    { "shell", 7 },
    { "app", 8 },
};

const QStringList kOutsideTheProgram = { "tests", "bench", "fuzz", "fixtures" };

QString topFolder(const QString& path) { return path.section('/', 0, 0); }

bool isWidgetFree(const QString& path)
{
    static const QStringList widgetFree = { "base", "model", "platform", "render", "output", "settings", "canvas" };
    if (path.startsWith("app/cli/"))
        return true;
    return widgetFree.contains(topFolder(path)) && !path.contains("/widgets/");
}

// Why `file` (a path from the source root) may not include `include`, or
// nothing when it may.
std::optional<QString> violation(const QString& file, const QString& include)
{
    const QString from = topFolder(file);
    const QString to = topFolder(include);
    if (kOutsideTheProgram.contains(from)) {
        if (from != "tests" && (to == "tests" || to == "support"))
            return QString("%1 reaches into the tests").arg(from);
        return std::nullopt;
    }
    if (!kRank.contains(from) || !kRank.contains(to))
        return std::nullopt; // a path relative to the file, or a folder outside the layers
    if (kRank[to] > kRank[from])
        return QString("%1 is above %2").arg(to, from);
    if (kRank[to] == kRank[from] && to != from)
        return QString("%1 and %2 stand side by side").arg(from, to);
    if (isWidgetFree(file) && !isWidgetFree(include))
        return QString("a widget-free part includes widget code");
    return std::nullopt;
}

QStringList includesOf(const QString& path)
{
    static const QRegularExpression line(R"re(^\s*#\s*include\s*"([^"]+)")re", QRegularExpression::MultilineOption);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList found;
    auto it = line.globalMatch(QString::fromUtf8(f.readAll()));
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

} // namespace

TEST(IncludeLayers, TheRulesCatchEveryWayUp)
{
    struct Case {
        const char* file;
        const char* include;
        bool allowed;
    };
    const Case cases[] = {
        { "canvas/ToolTable.cpp", "render/ViewTransform.h", true },
        { "render/ScenePainter.cpp", "canvas/ToolTable.h", false }, // up
        { "output/ApplyPageSetup.cpp", "settings/Preferences.h", false }, // up
        { "settings/Preferences.h", "output/PageSetup.h", true },
        { "model/ItemList.cpp", "platform/Bitmap24.h", false }, // side by side
        { "platform/TextFont.cpp", "model/Rounding.h", false }, // side by side
        { "platform/TextFont.cpp", "base/Rounding.h", true },
        { "canvas/DocumentSettings.cpp", "canvas/widgets/DocumentWindow.h", false }, // widgets
        { "canvas/widgets/DocumentWindow.cpp", "canvas/DocumentSettings.h", true },
        { "canvas/FileCommands.cpp", "platform/widgets/PlatformDialogs.h", false },
        { "app/cli/InfoCommand.cpp", "shell/MainWindow.h", false }, // the command line needs no window
        { "app/main.cpp", "shell/MainWindow.h", true },
        { "bench/Repaint.cpp", "tests/render/RenderFixtures.h", false },
        { "bench/Repaint.cpp", "fixtures/RenderFixtures.h", true },
        { "fuzz/ReadDrawing.cpp", "support/TestPaths.h", false },
        { "tests/ui/MainWindowFixture.h", "shell/MainWindow.h", true },
        { "render/TextRendering.cpp", "TextFontCache.h", true }, // beside the file
    };
    for (const Case& c : cases)
        EXPECT_EQ(!violation(c.file, c.include).has_value(), c.allowed) << c.file << " -> " << c.include;
}

TEST(IncludeLayers, NoIncludeRunsUpTheLayers)
{
    const QString root = QStringLiteral(TAVELLE_SOURCE_DIR);
    QStringList folders = kRank.keys();
    folders << kOutsideTheProgram;
    int files = 0;
    for (const QString& folder : folders) {
        QDirIterator it(root + "/" + folder, { "*.h", "*.cpp" }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next().mid(root.size() + 1);
            ++files;
            for (const QString& include : includesOf(root + "/" + path))
                if (const auto why = violation(path, include))
                    ADD_FAILURE() << path.toStdString() << " includes " << include.toStdString() << ": "
                                  << why->toStdString();
        }
    }
    EXPECT_GT(files, 100) << "the sources were not found under " << root.toStdString();
}
