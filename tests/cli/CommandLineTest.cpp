#include "app/cli/CommandLine.h"

#include "support/RunProgram.h"

#include <gtest/gtest.h>

namespace {

using Mode = CommandLine::Mode;

CommandLine parsed(const QStringList& args)
{
    const CommandLineResult result = parseCommandLine(args);
    EXPECT_TRUE(result.line.has_value()) << result.error.toStdString();
    return result.line.value_or(CommandLine {});
}

} // namespace

TEST(CommandLine, ReadsEachModesOptions)
{
    const CommandLine editor = parsed({ "-open", "a.tvle", "--dpi", "120", "--timing", "--timing-zoom", "200" });
    EXPECT_EQ(editor.mode, Mode::Editor);
    EXPECT_EQ(editor.openFiles, QStringList { "a.tvle" });
    EXPECT_EQ(editor.dpi, 120.0);
    EXPECT_TRUE(editor.timing);
    EXPECT_EQ(editor.timingZoomPercent, 200);

    // Files named on their own open like -open ones, any number, in order.
    const CommandLine bare = parsed({ "b.tvle", "-open", "c.tvle", "d.tvle" });
    EXPECT_EQ(bare.openFiles, (QStringList { "b.tvle", "c.tvle", "d.tvle" }));
    EXPECT_FALSE(bare.dpi.has_value());

    const CommandLine info = parsed({ "--dpi", "96", "--info", "c.tvle", "--force" });
    EXPECT_EQ(info.mode, Mode::Info);
    EXPECT_EQ(info.file, "c.tvle");
    EXPECT_TRUE(info.force);
    EXPECT_EQ(info.dpi, 96.0);

    const CommandLine render = parsed({ "--render", "d.tvle", "out.png", "--zoom", "0.5", "--flat" });
    EXPECT_EQ(render.mode, Mode::Render);
    EXPECT_EQ(render.file, "d.tvle");
    EXPECT_EQ(render.output, "out.png");
    EXPECT_DOUBLE_EQ(render.zoom, 0.5);
    EXPECT_TRUE(render.flat);
    EXPECT_FALSE(parsed({ "--render", "d.tvle", "out.png" }).flat);
}

TEST(CommandLine, RefusesWhatItDoesNotKnowOrMisses)
{
    struct Case {
        QStringList args;
        const char* namesInMessage;
    };
    const Case cases[] = {
        { { "--verbose" }, "--verbose" },
        { { "-open" }, "-open" },
        { { "--dpi" }, "--dpi" },
        { { "--dpi", "wide" }, "--dpi" },
        { { "--dpi", "0" }, "--dpi" },
        { { "--dpi", "-96" }, "--dpi" },
        { { "--dpi", "inf" }, "--dpi" },
        { { "--dpi", "--timing" }, "--dpi" }, // an option is no value
        { { "--timing-zoom", "none" }, "--timing-zoom" },
        { { "--info" }, "--info" },
        { { "--info", "c.tvle", "--zoom", "2" }, "--zoom" }, // another mode's option
        { { "--info", "c.tvle", "--timing" }, "--timing" },
        { { "--info", "c.tvle", "--flat" }, "--flat" },
        { { "--info", "c.tvle", "stray" }, "stray" },
        { { "--render", "d.tvle" }, "--render" },
        { { "--render", "d.tvle", "out.png", "--force" }, "--force" },
        { { "--render", "d.tvle", "out.png", "--zoom", "0" }, "--zoom" },
        { { "--info", "c.tvle", "--render", "d.tvle", "e.png" }, "--render" },
    };
    for (const Case& c : cases) {
        const CommandLineResult result = parseCommandLine(c.args);
        EXPECT_FALSE(result.line.has_value()) << c.args.join(' ').toStdString();
        EXPECT_TRUE(result.error.contains(c.namesInMessage))
            << c.args.join(' ').toStdString() << ": " << result.error.toStdString();
    }
}

TEST(CommandLine, AFaultyLineEndsWithTheUsageInsteadOfStartingTheEditor)
{
    for (const QStringList& args : { QStringList { "--no-such-option" }, QStringList { "--dpi", "abc" },
             QStringList { "--info" }, QStringList { "--info", "a.tvle", "--dpi", "0" },
             QStringList { "--render", "only-one.tvle" } }) {
        const testpaths::ProcessResult run = testpaths::runTavelle(args, 20000);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage: tavelle")) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
