#include "app/cli/InfoCommand.h"

#include "app/cli/CommandLine.h"
#include "canvas/EditorContext.h"
#include "model/DrawingFile.h"
#include "model/FieldTable.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/UserPrompt.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace {

QJsonValue fieldValue(const ItemRecord& r, const FieldInfo& f, int index)
{
    switch (f.type) {
    case FieldInfo::Type::I32:
        return readAt<std::int32_t>(r.bytes, f.offset + 4 * index);
    case FieldInfo::Type::U32:
        return static_cast<qint64>(readAt<std::uint32_t>(r.bytes, f.offset + 4 * index));
    case FieldInfo::Type::U8:
        return r.bytes[f.offset + index];
    case FieldInfo::Type::F64:
        return readAt<double>(r.bytes, f.offset + 8 * index);
    case FieldInfo::Type::FontName:
        return QString::fromLatin1(QByteArray::fromStdString(fontNameOf(&r)));
    }
    return {};
}

QJsonObject recordToJson(const ItemRecord& r)
{
    QJsonObject o;
    const auto fields = r.body.kind == kinds::kHeader ? headerFields() : itemFields();
    for (const FieldInfo& f : fields) {
        if (f.count == 1) {
            o.insert(f.name, fieldValue(r, f, 0));
            continue;
        }
        QJsonArray values;
        for (int i = 0; i < f.count; ++i)
            values.append(fieldValue(r, f, i));
        o.insert(f.name, values);
    }
    o.insert("text", QString::fromUtf16(r.text.data(), textLength(&r)));
    QJsonArray points;
    for (const PointEntry& p : r.pointList) {
        QJsonArray entry;
        for (std::int32_t v : p.data.xy)
            entry.append(v);
        entry.append(p.data.flags[0]);
        entry.append(p.data.flags[1]);
        points.append(entry);
    }
    o.insert("points", points);
    QJsonArray gridX, gridY;
    for (const Gridline& g : r.gridListX)
        gridX.append(g.left + kAnchorHalf);
    for (const Gridline& g : r.gridListY)
        gridY.append(g.top + kAnchorHalf);
    o.insert("gridX", gridX);
    o.insert("gridY", gridY);
    o.insert("imageBytes", static_cast<qint64>(r.imageStream.size()));
    return o;
}

// Answers the wrong-signature question from --force and reports the other
// messages on standard error.
class CliPrompt : public UserPrompt {
public:
    explicit CliPrompt(bool force) : force_(force) {}
    Answer ask(Kind, const QString& text, Buttons buttons) override
    {
        if (buttons == Buttons::Ok) {
            std::fprintf(stderr, "tavelle: %s\n", qPrintable(QString(text).replace('\n', ' ')));
            return Answer::Ok;
        }
        return force_ ? Answer::Yes : Answer::No;
    }

private:
    bool force_;
};

} // namespace

QJsonDocument drawingToJson(const ItemList& list)
{
    QJsonArray records;
    for (const ItemRecord& r : list)
        records.append(recordToJson(r));
    QJsonObject root;
    root.insert("modified", isModified(list));
    root.insert("records", records);
    return QJsonDocument(root);
}

int runInfoCommand(const CommandLine& line, const EditorContext& context)
{
    const QString& path = line.file;
    CliPrompt prompt(line.force);
    ItemList list;
    QString error;
    if (!readDrawing(path, list, context.screen(), prompt, &error)) {
        std::fprintf(stderr, "tavelle: cannot open %s: %s\n", qPrintable(path), qPrintable(error));
        return 2;
    }
    const QByteArray json = drawingToJson(list).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    std::fputc('\n', stdout);
    return 0;
}
