#include "SettingsFixture.h"

#include "platform/IniDocument.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString kGroup = QStringLiteral("CustomSettings");

struct JunkCase {
    const char* name;
    const char* text;
    const char* key; // looked up in CustomSettings
    const char* expected; // nullptr: must be missing
};

void PrintTo(const JunkCase& c, std::ostream* os)
{
    *os << c.name;
}

class HandEditedFile : public testing::TestWithParam<JunkCase> { };

TEST_P(HandEditedFile, DamageStaysOnItsOwnLine)
{
    const JunkCase c = GetParam();
    const IniDocument doc = IniDocument::parse(QByteArray(c.text));
    const std::optional<QString> v = doc.value(kGroup, QString::fromLatin1(c.key));
    if (!c.expected) {
        EXPECT_FALSE(v.has_value()) << *v->toUtf8();
        return;
    }
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(*v, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, HandEditedFile,
    testing::Values(
        JunkCase { "unclosed_quote_ends_at_line_end", "[CustomSettings]\na=\"open\nunits=2\n", "units", "2" },
        JunkCase { "unclosed_quote_keeps_its_text", "[CustomSettings]\na=\"open\nunits=2\n", "a", "open" },
        JunkCase { "line_without_equals_skipped", "[CustomSettings]\ngarbage here\nunits=2\n", "units", "2" },
        JunkCase {
            "binary_junk_skipped", "[CustomSettings]\n\x01\x02\xff\xfe\x7fzz\nunits=2\n", "units", "2" },
        JunkCase { "header_without_bracket", "[Other\nunits=5\n[CustomSettings]\nunits=2\n", "units", "2" },
        JunkCase { "names_ignore_case", "[customsettings]\nUNITS=2\n", "units", "2" },
        JunkCase { "last_duplicate_wins", "[CustomSettings]\nunits=1\nunits=2\n", "units", "2" },
        JunkCase { "crlf_and_spaces", "[CustomSettings]\r\n  units =  2  \r\n", "units", "2" },
        JunkCase { "commas_stay_one_text", "[CustomSettings]\nlineWidth=0,75\n", "lineWidth", "0,75" },
        JunkCase { "commas_with_blanks", "[CustomSettings]\ntfont=Arial, Bold\n", "tfont", "Arial, Bold" },
        JunkCase { "variant_payload_is_text", "[CustomSettings]\ndocdir=@Variant(garbage)\n", "docdir",
            "@Variant(garbage)" },
        JunkCase { "doubled_at_is_one_at", "[CustomSettings]\ndocdir=@@x\n", "docdir", "@x" },
        JunkCase { "single_backslash_path", "[CustomSettings]\ndocdir=C:\\My Documents\n", "docdir",
            "C:\\My Documents" },
        JunkCase { "comment_lines", "; note\n[CustomSettings]\n# units=3\nunits=2\n", "units", "2" },
        JunkCase { "utf8_bom", "\xEF\xBB\xBF[CustomSettings]\nunits=2\n", "units", "2" },
        JunkCase { "key_outside_group_elsewhere", "units=7\n[CustomSettings]\n", "units", nullptr }),
    [](const testing::TestParamInfo<JunkCase>& row) { return std::string(row.param.name); });

TEST(HandEditedFileWithNul, NulBytesDoNotEndTheFile)
{
    static const char raw[] = "[CustomSettings]\nx=a\0b\n\0\nunits=2\n";
    const QByteArray text(raw, sizeof(raw) - 1);
    EXPECT_EQ(IniDocument::parse(text).value(kGroup, QStringLiteral("units")), QStringLiteral("2"));
}

// Values that need quoting or escaping come back unchanged, through our
// reader and through QSettings, which other tools may use on the file.
TEST(SettingsStore, TrickyTextsSurviveAndStayReadableByQSettings)
{
    const QStringList texts = {
        QString(),
        QStringLiteral("0,75"),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("quote \" inside"),
        QStringLiteral("C:\\My Documents\\a.tvle"),
        QStringLiteral("semi;colon = equals # hash"),
        QStringLiteral("@at the start"),
        QStringLiteral("[bracket"),
        QStringLiteral("line\nbreak\ttab"),
        QStringLiteral("Grüße 文字 ✓"),
        QStringLiteral("control \x01 then hex digit \x02") + QStringLiteral("A"),
    };
    TempConfig config;
    SettingsStore store(config.path());
    for (qsizetype i = 0; i < texts.size(); ++i)
        store.writeString(kGroup, QStringLiteral("v%1").arg(i), texts[i]);
    ASSERT_TRUE(store.save());

    SettingsStore again(config.path());
    ASSERT_TRUE(again.load());
    QSettings qt(config.path(), QSettings::IniFormat);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString name = QStringLiteral("v%1").arg(i);
        EXPECT_EQ(again.readString(kGroup, name).value_or(QStringLiteral("<missing>")), texts[i]) << i;
        if (!texts[i].contains(QChar(1))) {
            EXPECT_EQ(qt.value(kGroup + u'/' + name).toString(), texts[i]) << i;
        }
    }
}

TEST(SettingsStore, IntegersMustBeWhole32BitDecimals)
{
    const IniDocument doc
        = IniDocument::parse("[G]\na=12\nb= -7 \nc=12.5\nd=abc\ne=4294967296\nf=0x10\ng=\n");
    TempConfig config;
    config.write(doc.serialise());
    SettingsStore loaded(config.path());
    ASSERT_TRUE(loaded.load());
    const QString g = QStringLiteral("G");
    EXPECT_EQ(loaded.readInt(g, QStringLiteral("a")), 12);
    EXPECT_EQ(loaded.readInt(g, QStringLiteral("b")), -7);
    for (const char* bad : { "c", "d", "e", "f", "g", "missing" })
        EXPECT_FALSE(loaded.readInt(g, QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(SettingsStore, SaveReplacesTheFileWholeAndLeavesNoTemporaryFiles)
{
    TempConfig config;
    config.write(QByteArray(5000, 'x') + "\n[Old]\nlong=value\n");
    SettingsStore store(config.path());
    ASSERT_TRUE(store.load());
    store.writeInt(kGroup, QStringLiteral("units"), 2);
    ASSERT_TRUE(store.save());
    const QStringList files = QDir(QFileInfo(config.path()).absolutePath()).entryList(QDir::Files);
    EXPECT_EQ(files, QStringList { QStringLiteral("Tavelle.conf") });
    EXPECT_EQ(config.read(), QByteArray("[Old]\nlong=value\n\n[CustomSettings]\nunits=2\n"));
}

TEST(SettingsStore, SaveCreatesTheFolderAndReportsFailure)
{
    QTemporaryDir dir;
    SettingsStore nested(dir.filePath(QStringLiteral("a/b/Tavelle.conf")));
    nested.writeInt(kGroup, QStringLiteral("units"), 1);
    EXPECT_TRUE(nested.save());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("a/b/Tavelle.conf"))));

    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore impossible(dir.filePath(QStringLiteral("file/Tavelle.conf")));
    EXPECT_FALSE(impossible.save());
}

// A settings file that exists but cannot be read must not be replaced by defaults.
TEST(SettingsStore, UnreadableFileIsNeverOverwritten)
{
    TempConfig config;
    ASSERT_TRUE(QDir().mkpath(config.path())); // a folder where the file should be
    SettingsStore store(config.path());
    EXPECT_FALSE(store.load());
    Preferences preferences(testScreen());
    const Preferences defaults = preferences;
    EXPECT_FALSE(loadSettings(preferences, store));
    EXPECT_TRUE(preferences == defaults);
    EXPECT_FALSE(saveSettings(preferences, store));
    EXPECT_TRUE(QFileInfo(config.path()).isDir());
}

TEST(SettingsStore, DefaultFileFollowsTheUsersConfigFolder)
{
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
    const bool oldTestMode = QStandardPaths::isTestModeEnabled();
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(false);
    const QString path = SettingsStore::defaultFilePath();
    QStandardPaths::setTestModeEnabled(oldTestMode);
    qputenv("XDG_CONFIG_HOME", oldHome);
    EXPECT_EQ(path, QDir(dir.path()).filePath(QStringLiteral("Tavelle/Tavelle.conf")));
}

} // namespace

namespace {

// Random damage anywhere in the file neither crashes loading nor hides a
// good line that follows it.
TEST(HandEditedFileRandomJunk, NeverCrashesNorHidesLaterLines)
{
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<char>(seed >> 24);
    };
    for (int round = 0; round < 60; ++round) {
        QByteArray junk("[CustomSettings]\n");
        const int length = 1 + round * 25;
        for (int i = 0; i < length; ++i)
            junk += next();
        const Preferences p = loadFromText(junk + "\n[CustomSettings]\ntbold=700\n");
        EXPECT_EQ(p.textWeight, 700) << round;
    }
}

} // namespace
