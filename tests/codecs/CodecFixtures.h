#pragma once

#include "platform/Bitmap24.h"

#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace codecfixture {

// Four flat quarters: red top left, green top right, blue bottom left, white
// bottom right; flat areas survive JPEG at any scale nearly unchanged.
inline Bitmap24 quarters(int width, int height)
{
    Bitmap24 b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            b.setPixel(x, y, bottom ? (right ? 0xFFFFFF : 0xFF0000) : (right ? 0x00FF00 : 0x0000FF));
        }
    return b;
}

enum class JpegKind { Baseline, Progressive, Grey, AdobeCmyk };

// A JPEG written straight through libjpeg, for the kinds our own encoder
// never makes. Each is flat: colour (200, 100, 50), grey level 128, or CMYK
// red.
inline QByteArray makeJpeg(int width, int height, JpegKind kind)
{
    jpeg_compress_struct c {};
    jpeg_error_mgr errors {};
    c.err = jpeg_std_error(&errors);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = JDIMENSION(width);
    c.image_height = JDIMENSION(height);
    int components = 3;
    c.in_color_space = JCS_RGB;
    if (kind == JpegKind::Grey) {
        components = 1;
        c.in_color_space = JCS_GRAYSCALE;
    } else if (kind == JpegKind::AdobeCmyk) {
        components = 4;
        c.in_color_space = JCS_CMYK;
    }
    c.input_components = components;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * std::size_t(components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &row[std::size_t(x) * std::size_t(components)];
            if (kind == JpegKind::Grey) {
                p[0] = 128;
            } else if (kind == JpegKind::AdobeCmyk) {
                // Adobe files store inks inverted: 255 means no ink.
                p[0] = 255; // cyan: none
                p[1] = 0; // magenta: full
                p[2] = 0; // yellow: full
                p[3] = 255; // black: none
            } else {
                p[0] = 200;
                p[1] = 100;
                p[2] = 50;
            }
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

// The offset of the first marker 0xFF `code`, or -1.
inline qsizetype findMarker(const QByteArray& jpeg, std::uint8_t code)
{
    for (qsizetype i = 2; i + 1 < jpeg.size(); ++i)
        if (std::uint8_t(jpeg[i]) == 0xff && std::uint8_t(jpeg[i + 1]) == code)
            return i;
    return -1;
}

// Rewrites the width and height in a JPEG's frame header (SOF0 or SOF2).
inline QByteArray withFrameSize(QByteArray jpeg, std::uint16_t width, std::uint16_t height)
{
    qsizetype sof = findMarker(jpeg, 0xC0);
    if (sof < 0)
        sof = findMarker(jpeg, 0xC2);
    qToBigEndian(height, jpeg.data() + sof + 5);
    qToBigEndian(width, jpeg.data() + sof + 7);
    return jpeg;
}

inline void putU16(QByteArray& b, std::uint16_t v)
{
    v = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&v), 2);
}
inline void putU32(QByteArray& b, std::uint32_t v)
{
    v = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&v), 4);
}

// An EMF whose frame is `frameWidth` x `frameHeight` hundredths of a
// millimetre and whose logical units are device pixels of a 96 dpi device:
// a red rectangle over the middle of a 100 x 50 pixel area, then `extra`
// records. When `withEnd` is false the end-of-file record is missing.
inline QByteArray makeEmf(
    std::int32_t frameWidth, std::int32_t frameHeight, bool withEnd = true, const QByteArray& extra = {})
{
    QByteArray records;
    auto record = [&](std::uint32_t type, std::initializer_list<std::uint32_t> words) {
        putU32(records, type);
        putU32(records, std::uint32_t(8 + 4 * words.size()));
        for (std::uint32_t w : words)
            putU32(records, w);
    };
    record(39, { 1, 0, 0x000000FF, 0 }); // CREATEBRUSHINDIRECT: solid red
    record(37, { 1 }); // SELECTOBJECT
    record(43, { 25, 12, 75, 38 }); // RECTANGLE
    records += extra;
    if (withEnd)
        record(14, { 0, 16, 20 }); // EOF
    QByteArray emf;
    putU32(emf, 1); // header record
    putU32(emf, 88);
    for (std::uint32_t v : { 0u, 0u, 99u, 49u }) // bounds
        putU32(emf, v);
    for (std::int32_t v : { 0, 0, frameWidth, frameHeight })
        putU32(emf, std::uint32_t(v));
    putU32(emf, 0x464D4520);
    putU32(emf, 0x10000);
    putU32(emf, std::uint32_t(88 + records.size()));
    putU32(emf, withEnd ? 5 : 4); // records (the extra ones are not counted)
    putU16(emf, 2); // handles
    putU16(emf, 0);
    putU32(emf, 0); // description
    putU32(emf, 0);
    putU32(emf, 0); // palette
    // A reference device of 96 dpi: 1000 x 1000 pixels on 264.58 mm.
    for (std::uint32_t v : { 1000u, 1000u, 265u, 265u })
        putU32(emf, v);
    return emf + records;
}

// The records of a WMF, each a size in words, a function number and its
// parameters, ending with the end-of-file record when `bytes` is called.
class WmfRecords {
public:
    WmfRecords& add(std::uint16_t function, std::initializer_list<std::int16_t> params)
    {
        const std::uint32_t words = std::uint32_t(3 + params.size());
        largest_ = std::max(largest_, words);
        putU32(bytes_, words);
        putU16(bytes_, function);
        for (std::int16_t p : params)
            putU16(bytes_, std::uint16_t(p));
        return *this;
    }
    // A record whose parameters are the given bytes (an even number).
    WmfRecords& addBytes(std::uint16_t function, const QByteArray& params)
    {
        const std::uint32_t words = std::uint32_t(3 + params.size() / 2);
        largest_ = std::max(largest_, words);
        putU32(bytes_, words);
        putU16(bytes_, function);
        bytes_ += params;
        return *this;
    }
    std::uint32_t largest() const { return largest_; }
    QByteArray bytes() const
    {
        QByteArray b = bytes_;
        putU32(b, 3);
        putU16(b, 0);
        return b;
    }

private:
    QByteArray bytes_;
    std::uint32_t largest_ = 3;
};

// A placeable WMF whose box is `boxWidth` x `boxHeight` units at
// `unitsPerInch`, with a window of the same extent, drawing `records`.
inline QByteArray placeableWmf(std::int16_t boxWidth, std::int16_t boxHeight, std::uint16_t unitsPerInch,
    WmfRecords records, std::uint16_t objects = 2)
{
    QByteArray drawing;
    WmfRecords window;
    window.add(0x020B, { 0, 0 }).add(0x020C, { boxHeight, boxWidth }); // SETWINDOWORG, SETWINDOWEXT (y, x)
    drawing = window.bytes().chopped(6) + records.bytes();

    QByteArray wmf;
    const std::uint16_t header[]
        = { 0xCDD7, 0x9AC6, 0, 0, 0, std::uint16_t(boxWidth), std::uint16_t(boxHeight), unitsPerInch, 0, 0 };
    std::uint16_t checksum = 0;
    for (std::uint16_t w : header) {
        putU16(wmf, w);
        checksum ^= w;
    }
    putU16(wmf, checksum);
    putU16(wmf, 1); // in memory
    putU16(wmf, 9); // header words
    putU16(wmf, 0x300);
    putU32(wmf, std::uint32_t((18 + drawing.size()) / 2));
    putU16(wmf, objects);
    putU32(wmf, std::max(records.largest(), window.largest()));
    putU16(wmf, 0);
    return wmf + drawing;
}

// A placeable WMF with a red rectangle over the middle half of its box (a
// quarter in from each side).
inline QByteArray makePlaceableWmf(std::int16_t boxWidth, std::int16_t boxHeight, std::uint16_t unitsPerInch)
{
    WmfRecords r;
    r.add(0x02FC, { 0, 0x00FF, 0, 0 }) // CREATEBRUSHINDIRECT: solid red
        .add(0x012D, { 0 }) // SELECTOBJECT
        .add(0x041B,
            { std::int16_t(boxHeight * 3 / 4), std::int16_t(boxWidth * 3 / 4), std::int16_t(boxHeight / 4),
                std::int16_t(boxWidth / 4) }); // RECTANGLE bottom, right, top, left
    return placeableWmf(boxWidth, boxHeight, unitsPerInch, r);
}

} // namespace codecfixture
