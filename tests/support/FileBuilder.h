#pragma once

#include "model/ItemBody.h"
#include "model/ItemKinds.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstring>
#include <string>

// Assembles drawing files byte by byte, so tests can make the damaged and
// unusual files that the writer never produces.
class FileBuilder {
public:
    // A body with the given kind, class and a valid signature; `edit` may change it.
    template <typename Edit>
    FileBuilder& record(std::int32_t kind, Edit edit)
    {
        ItemBody b {};
        b.kind = kind;
        b.recordClass = kind == kinds::kHeader ? kinds::kClassHeader : 0;
        b.magic = kRecordMagic;
        if (kind == kinds::kHeader) {
            auto& h = reinterpret_cast<HeaderBody&>(b);
            h.zoom = 1.0;
            h.units = 1;
            h.canvasWidth = h.canvasHeight = 100.0;
            h.formatVersion = kFormatVersion;
        }
        edit(b);
        bytes_.append(reinterpret_cast<const char*>(&b), kBodySize);
        return *this;
    }
    FileBuilder& record(std::int32_t kind)
    {
        return record(kind, [](ItemBody&) {});
    }
    FileBuilder& raw(const QByteArray& data)
    {
        bytes_.append(data);
        return *this;
    }
    FileBuilder& utf16(const std::u16string& text)
    {
        bytes_.append(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size() * 2));
        return *this;
    }
    FileBuilder& int32(std::int32_t v)
    {
        bytes_.append(reinterpret_cast<const char*>(&v), 4);
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

    bool save(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes_) == bytes_.size();
    }

private:
    QByteArray bytes_;
};
