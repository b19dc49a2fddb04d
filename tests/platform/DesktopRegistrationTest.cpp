#include "platform/DesktopRegistration.h"

#include "model/DrawingFile.h"
#include "model/DrawingHeader.h"
#include "model/ItemList.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const QString kExecutable = QStringLiteral("/opt/tavelle/bin/tavelle");

struct ToolCall {
    QString tool;
    QStringList arguments;
};

// A data folder of its own, a tool runner that records its calls and
// answers as told, and the registration over both.
class DesktopRegistrationTest : public testing::Test {
protected:
    DesktopRegistration registration(const QString& executable = kExecutable)
    {
        return DesktopRegistration({ home.path(), executable,
            [](int size) {
                QImage image(size, size, QImage::Format_ARGB32);
                image.fill(Qt::red);
                return image;
            },
            [this](const QString& tool, const QStringList& arguments) {
                calls.push_back({ tool, arguments });
                return toolAnswers.value(tool, ToolRun::Succeeded);
            } });
    }

    // A plain file where the registration needs a folder makes its writes there fail.
    void block(const QString& folder) const
    {
        QFile file(home.filePath(folder));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QByteArray read(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QHash<QString, QString> desktopEntry(const DesktopRegistration& r) const
    {
        QHash<QString, QString> values;
        for (const QByteArray& line : read(r.desktopEntryPath()).split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                values.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
        }
        return values;
    }

    QTemporaryDir home;
    std::vector<ToolCall> calls;
    QHash<QString, ToolRun> toolAnswers;
};

TEST_F(DesktopRegistrationTest, WritesTheTypeTheDesktopEntryAndTheIconsThenRebuildsTheCaches)
{
    const DesktopRegistration r = registration();
    EXPECT_EQ(r.write(), RegistrationFailure::None);

    EXPECT_EQ(r.mimePackagePath(), home.filePath("mime/packages/tavelle.xml"));
    const QByteArray package = read(r.mimePackagePath());
    EXPECT_TRUE(package.contains("type=\"application/x-tavelle\"")) << package.constData();
    EXPECT_TRUE(package.contains("<glob pattern=\"*.tvle\"/>")) << package.constData();

    EXPECT_EQ(r.desktopEntryPath(), home.filePath("applications/tavelle.desktop"));
    const auto entry = desktopEntry(r);
    EXPECT_EQ(entry.value("Exec"), kExecutable + " -open %f");
    EXPECT_EQ(entry.value("MimeType"), "application/x-tavelle;");
    EXPECT_EQ(entry.value("Type"), "Application");
    EXPECT_EQ(entry.value("Icon"), "tavelle");

    for (int size : { 16, 48, 256 }) {
        QImageReader icon(home.filePath(QString("icons/hicolor/%1x%1/apps/tavelle.png").arg(size)));
        EXPECT_EQ(icon.format(), "png");
        EXPECT_EQ(icon.size(), QSize(size, size));
    }

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].tool, "update-mime-database");
    EXPECT_EQ(calls[0].arguments, QStringList { home.filePath("mime") });
    EXPECT_EQ(calls[1].tool, "update-desktop-database");
    EXPECT_EQ(calls[1].arguments, QStringList { home.filePath("applications") });
}

// The desktop recognises a drawing by its content too: the package's magic
// must match the bytes the drawing writer puts at offset 60.
TEST_F(DesktopRegistrationTest, MagicMatchesTheSignatureOfAWrittenDrawing)
{
    const DesktopRegistration r = registration();
    ASSERT_EQ(r.write(), RegistrationFailure::None);
    ItemList list;
    createHeader(list);
    const QString drawing = home.filePath("card.tvle");
    ASSERT_TRUE(writeDrawing(drawing, list));
    const QByteArray bytes = read(drawing);
    ASSERT_GE(bytes.size(), 64);

    QXmlStreamReader xml(read(r.mimePackagePath()));
    int matches = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("match"))
            continue;
        ++matches;
        ASSERT_EQ(xml.attributes().value("type"), QLatin1String("little32"));
        bool ok = false;
        const qsizetype offset = xml.attributes().value("offset").toInt(&ok);
        ASSERT_TRUE(ok);
        const quint32 value = xml.attributes().value("value").toUInt(&ok, 0);
        ASSERT_TRUE(ok);
        quint32 inFile = 0;
        std::memcpy(&inFile, bytes.constData() + offset, 4);
        EXPECT_EQ(value, inFile);
        EXPECT_EQ(value, 147483647u);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(matches, 1);
}

struct FailureCase {
    const char* name;
    std::vector<const char*> blockedFolders;
    std::vector<const char*> failingTools;
    RegistrationFailure expected;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class RegistrationFailures : public DesktopRegistrationTest, public testing::WithParamInterface<FailureCase> { };

// Every write is tried; the code is that of the last one that failed.
TEST_P(RegistrationFailures, RecordTheLastFailedWrite)
{
    const FailureCase& c = GetParam();
    for (const char* folder : c.blockedFolders)
        block(folder);
    for (const char* tool : c.failingTools)
        toolAnswers.insert(tool, ToolRun::Failed);
    const DesktopRegistration r = registration();
    EXPECT_EQ(r.write(), c.expected);
    EXPECT_EQ(calls.size(), 2u);
    // A failure elsewhere does not keep the desktop entry from being written.
    const bool entryBlocked = std::any_of(c.blockedFolders.begin(), c.blockedFolders.end(),
        [](const char* folder) { return std::strcmp(folder, "applications") == 0; });
    EXPECT_EQ(QFile::exists(r.desktopEntryPath()), !entryBlocked);
}

INSTANTIATE_TEST_SUITE_P(Cases, RegistrationFailures,
    testing::Values(FailureCase { "package", { "mime" }, {}, RegistrationFailure::MimePackage },
        FailureCase { "icons", { "icons" }, {}, RegistrationFailure::Icon },
        FailureCase { "desktop_entry", { "applications" }, {}, RegistrationFailure::DesktopEntry },
        FailureCase { "mime_database", {}, { "update-mime-database" }, RegistrationFailure::MimeDatabase },
        FailureCase {
            "desktop_database", {}, { "update-desktop-database" }, RegistrationFailure::DesktopDatabase },
        FailureCase {
            "package_then_entry", { "mime", "applications" }, {}, RegistrationFailure::DesktopEntry },
        FailureCase { "entry_then_database", { "applications" }, { "update-desktop-database" },
            RegistrationFailure::DesktopDatabase },
        FailureCase { "icons_then_mime_database", { "icons" }, { "update-mime-database" },
            RegistrationFailure::MimeDatabase }),
    [](const testing::TestParamInfo<FailureCase>& param) { return param.param.name; });

TEST_F(DesktopRegistrationTest, ToolsThatAreNotInstalledAreNoFailure)
{
    toolAnswers.insert("update-mime-database", ToolRun::Missing);
    toolAnswers.insert("update-desktop-database", ToolRun::Missing);
    EXPECT_EQ(registration().write(), RegistrationFailure::None);
}

TEST_F(DesktopRegistrationTest, APathWithBlanksIsQuotedInTheOpenCommand)
{
    const DesktopRegistration r = registration("/home/kim/My Apps/tavelle");
    ASSERT_EQ(r.write(), RegistrationFailure::None);
    EXPECT_EQ(desktopEntry(r).value("Exec"), "\"/home/kim/My Apps/tavelle\" -open %f");
}

// Hand-worked from the desktop entry format: reserved characters need double
// quotes; inside them " ` $ \ take a backslash, and every backslash of the
// value is then doubled again; "%" is always doubled.
TEST(DesktopExecArgument, QuotesAndEscapesAsTheDesktopEntryFormatAsks)
{
    struct Case {
        const char* argument;
        const char* expected;
    };
    const Case cases[] = {
        { "/usr/bin/tavelle", "/usr/bin/tavelle" },
        { "/opt/t-1.0/tavelle_x", "/opt/t-1.0/tavelle_x" },
        { "/opt/my apps/tavelle", "\"/opt/my apps/tavelle\"" },
        { "/opt/100%/tavelle", "/opt/100%%/tavelle" },
        { "/opt/a b%/t", "\"/opt/a b%%/t\"" },
        { "/opt/$HOME/t", "\"/opt/\\\\$HOME/t\"" },
        { "/opt/a\"b/t", "\"/opt/a\\\\\"b/t\"" },
        { "/opt/a\\b/t", "\"/opt/a\\\\\\\\b/t\"" },
        { "/opt/a`b/t", "\"/opt/a\\\\`b/t\"" },
        { "/opt/it's/t", "\"/opt/it's/t\"" },
        { "/opt/a;b/t", "\"/opt/a;b/t\"" },
        { "/opt/a\tb/t", "\"/opt/a\\tb/t\"" },
        { "/opt/Zürich/t", "/opt/Zürich/t" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(desktopExecArgument(QString::fromUtf8(c.argument)), QString::fromUtf8(c.expected))
            << c.argument;
}

TEST(DesktopDataHome, RelativeOrMissingXdgDataHomeFallsBackToTheHomeFolder)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const QString fallback = QDir::homePath() + "/.local/share";
    struct Case {
        const char* value;
        QString expected;
    };
    const Case cases[] = {
        { "/srv/data", "/srv/data" },
        { "relative/data", fallback },
        { "", fallback },
    };
    for (const Case& c : cases) {
        qputenv("XDG_DATA_HOME", c.value);
        EXPECT_EQ(DesktopRegistration::defaultDataHome(), c.expected) << c.value;
    }
    qputenv("XDG_DATA_HOME", saved);
}

} // namespace
