#include "platform/codecs/MetafileHeader.h"

#include <QtEndian>

#include <cstdint>
#include <cstdlib>

#include <uemf_safe.h>

namespace {

constexpr std::uint32_t kEmfHeaderType = 1;
constexpr std::uint32_t kEmfEndType = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr qsizetype kEmfMinHeader = 88;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kWmfHeaderSize = 18;

std::uint32_t u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}
std::int32_t i32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::int32_t>(b.constData() + at);
}
std::uint16_t u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}
std::int16_t i16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::int16_t>(b.constData() + at);
}

MetafileHeader failed(const QString& why)
{
    MetafileHeader h;
    h.problem = why;
    return h;
}

bool isEmf(const QByteArray& b)
{
    return b.size() >= kEmfMinHeader && u32(b, 0) == kEmfHeaderType && u32(b, 40) == kEmfSignature;
}

// Every record is a type and a size in bytes, a multiple of four. Inside
// each, libuemf checks that its counts and offsets stay within it: the
// converter trusts them.
QString walkEmfRecords(const QByteArray& b)
{
    qsizetype at = 0;
    while (at + 8 <= b.size()) {
        const std::uint32_t type = u32(b, at), size = u32(b, at + 4);
        if (size < 8 || size % 4 != 0 || size > std::uint64_t(b.size() - at))
            return QStringLiteral("a record reaches past the end of the metafile");
        if (!U_emf_record_safe(b.constData() + at))
            return QStringLiteral("a record of the metafile is damaged");
        if (type == kEmfEndType)
            return {};
        at += size;
    }
    return QStringLiteral("the metafile ends early");
}

// The header's pixel format, when it has one, must lie inside the header.
// (Its description is blanked before conversion instead: it is never drawn.)
bool emfHeaderPartsFit(const QByteArray& b)
{
    const std::uint64_t size = u32(b, 4);
    if (size < 100)
        return true;
    const std::uint64_t formatBytes = u32(b, 88), formatAt = u32(b, 92);
    return !formatBytes || (formatAt >= kEmfMinHeader && formatAt + formatBytes <= size);
}

MetafileHeader readEmf(const QByteArray& b)
{
    if (u32(b, 4) < kEmfMinHeader || u32(b, 4) > std::uint64_t(b.size()) || !emfHeaderPartsFit(b))
        return failed(QStringLiteral("the metafile's header is damaged"));
    const QString walk = walkEmfRecords(b);
    if (!walk.isNull())
        return failed(walk);
    MetafileHeader h;
    h.kind = MetafileKind::Emf;
    // The frame is in hundredths of a millimetre.
    const double width = double(i32(b, 32)) - i32(b, 24), height = double(i32(b, 36)) - i32(b, 28);
    h.inches = QSizeF(width / 2540.0, height / 2540.0);
    return h;
}

// Every record is a size in 16-bit words and a function number; function 0
// ends the file.
QString walkWmfRecords(const QByteArray& b, qsizetype at)
{
    while (at + 6 <= b.size()) {
        const std::uint64_t bytes = std::uint64_t(u32(b, at)) * 2;
        if (bytes < 6 || bytes > std::uint64_t(b.size() - at))
            return QStringLiteral("a record reaches past the end of the metafile");
        if (u16(b, at + 4) == 0)
            return {};
        at += qsizetype(bytes);
    }
    return QStringLiteral("the metafile ends early");
}

MetafileHeader readWmf(const QByteArray& b)
{
    const bool placeable = b.size() >= kPlaceableSize && u32(b, 0) == kPlaceableKey;
    const qsizetype start = placeable ? kPlaceableSize : 0;
    if (b.size() < start + kWmfHeaderSize)
        return failed(QStringLiteral("this is not a metafile"));
    const std::uint16_t type = u16(b, start), words = u16(b, start + 2), version = u16(b, start + 4);
    if ((type != 1 && type != 2) || words != kWmfHeaderSize / 2 || (version != 0x100 && version != 0x300))
        return failed(QStringLiteral("this is not a metafile"));
    const QString walk = walkWmfRecords(b, start + kWmfHeaderSize);
    if (!walk.isNull())
        return failed(walk);
    MetafileHeader h;
    h.kind = placeable ? MetafileKind::PlaceableWmf : MetafileKind::Wmf;
    if (placeable) {
        h.boxLeft = i16(b, 6);
        h.boxTop = i16(b, 8);
        h.boxRight = i16(b, 10);
        h.boxBottom = i16(b, 12);
        h.unitsPerInch = u16(b, 14);
        if (h.unitsPerInch == 0)
            return failed(QStringLiteral("the metafile's header is damaged"));
        h.inches = QSizeF(std::abs(h.boxRight - h.boxLeft) / double(h.unitsPerInch),
            std::abs(h.boxBottom - h.boxTop) / double(h.unitsPerInch));
    }
    return h;
}

} // namespace

MetafileHeader readMetafileHeader(const QByteArray& bytes)
{
    return isEmf(bytes) ? readEmf(bytes) : readWmf(bytes);
}
