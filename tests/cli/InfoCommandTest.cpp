#include "support/FixtureFiles.h"

#include "support/RunProgram.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testpaths::ProcessResult;
using testpaths::runTavelle;

class InfoCommand : public testing::Test {
protected:
    QTemporaryDir dir;
};

TEST_F(InfoCommand, ReportsEveryRecordWithItsFieldsAndTails)
{
    const QString file = dir.filePath("hand.tvle");
    ASSERT_TRUE(fixtures::handMadeDrawing().save(file));
    const ProcessResult run = runTavelle({ "--info", file, "--dpi", "96" });
    ASSERT_EQ(run.status, 0) << run.err.constData();
    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    EXPECT_FALSE(root["modified"].toBool());
    const QJsonArray records = root["records"].toArray();
    ASSERT_EQ(records.size(), 4);

    const QJsonObject header = records[0].toObject();
    EXPECT_EQ(header["kind"].toInt(), 2000000);
    EXPECT_EQ(header["units"].toInt(), 3);
    EXPECT_DOUBLE_EQ(header["pixelsPerUnitX"].toDouble(), 96.0) << "recomputed for the screen";
    EXPECT_EQ(header["screenWidth"].toInt(), 192);
    EXPECT_EQ(header["text"].toString(), QString::fromUtf16(u"Letter\u07EC"));
    EXPECT_FALSE(header.contains("fontName")) << "the header is shown with its own field names";

    const QJsonObject text = records[1].toObject();
    EXPECT_EQ(text["text"].toString(), QString::fromUtf16(u"Gr\u00fc\u00dfe\u2028second"));
    EXPECT_EQ(text["fontName"].toString(), "Arial");
    EXPECT_EQ(text["stepNumber"].toInt(), 1);
    EXPECT_EQ(text["x1"].toInt(), 10);
    EXPECT_EQ(text["reserved397"].toArray().size(), 2);

    const QJsonObject star = records[2].toObject();
    const QJsonArray points = star["points"].toArray();
    ASSERT_EQ(points.size(), 2);
    ASSERT_EQ(points[1].toArray().size(), 14);
    EXPECT_EQ(points[1].toArray()[0].toInt(), 100);
    EXPECT_EQ(points[1].toArray()[13].toInt(), 9);
    EXPECT_EQ(star["sides"].toInt(), 5);

    const QJsonObject grid = records[3].toObject();
    EXPECT_EQ(grid["gridX"].toArray(), (QJsonArray { 0, 48 }));
    EXPECT_EQ(grid["gridY"].toArray(), (QJsonArray { 24 }));
    EXPECT_EQ(grid["imageBytes"].toInt(), 0);
}

TEST_F(InfoCommand, UnreadableOrDeclinedFilesExitWithStatusTwo)
{
    const QString bad = dir.filePath("bad.tvle");
    ASSERT_TRUE(fixtures::wrongSignatureDrawing().save(bad));

    ProcessResult run = runTavelle({ "--info", dir.filePath("missing.tvle") });
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());

    run = runTavelle({ "--info", bad });
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("bad.tvle"));

    run = runTavelle({ "--info", bad, "--force" });
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(QJsonDocument::fromJson(run.out).object()["modified"].toBool());
}

TEST_F(InfoCommand, DpiRescalesPixelCoordinates)
{
    const QString file = dir.filePath("hand.tvle");
    ASSERT_TRUE(fixtures::handMadeDrawing().save(file));
    const ProcessResult run = runTavelle({ "--info", file, "--dpi", "192" });
    ASSERT_EQ(run.status, 0) << run.err.constData();
    const QJsonArray records = QJsonDocument::fromJson(run.out).object()["records"].toArray();
    EXPECT_EQ(records[1].toObject()["x1"].toInt(), 5);
    EXPECT_EQ(records[0].toObject()["screenWidth"].toInt(), 384);
}

} // namespace
