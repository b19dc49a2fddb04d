#include "platform/codecs/JpegDecoder.h"

#include "platform/codecs/JpegErrorManager.h"
#include "platform/codecs/PictureLimits.h"

#include <cstdint>
#include <vector>

namespace {

// What libjpeg may allocate for its own buffers: a progressive file keeps
// every coefficient of the full-size picture, two bytes each, whatever scale
// is decoded, so a small file claiming a huge picture must stop here.
constexpr long kMaxJpegWorkingMemory = 768L << 20;

struct Decompressor {
    jpeg_decompress_struct info {};
    JpegErrorManager errors;
    JpegScanLimit scans;

    Decompressor() { errors.attach(*reinterpret_cast<j_common_ptr>(&info)); }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

// The functions that call libjpeg hold no objects with destructors, since
// an error leaves them through longjmp.
bool readHeader(Decompressor& d, const QByteArray& bytes)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = kMaxJpegWorkingMemory;
    d.scans.attach(d.info, d.errors);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    return true;
}

bool isCmyk(const jpeg_decompress_struct& info)
{
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

bool chooseOutput(Decompressor& d, int denominator)
{
    if (setjmp(d.errors.jump))
        return false;
    d.info.scale_num = 1;
    d.info.scale_denom = static_cast<unsigned>(denominator);
    d.info.out_color_space = isCmyk(d.info) ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_calc_output_dimensions(&d.info);
    return true;
}

// Adobe's CMYK files store the inks inverted, others as they are.
void cmykToBgrx(const std::uint8_t* cmyk, std::uint8_t* bgrx, unsigned width, bool inverted)
{
    for (unsigned x = 0; x < width; ++x, cmyk += 4, bgrx += 4) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        bgrx[0] = static_cast<std::uint8_t>(y * k / 255);
        bgrx[1] = static_cast<std::uint8_t>(m * k / 255);
        bgrx[2] = static_cast<std::uint8_t>(c * k / 255);
        bgrx[3] = 0xff;
    }
}

bool readPixels(Decompressor& d, std::uint8_t* first, qsizetype stride, std::uint8_t* cmykRow)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.info);
    const bool inverted = d.info.saw_Adobe_marker;
    while (d.info.output_scanline < d.info.output_height) {
        std::uint8_t* row = first + stride * d.info.output_scanline;
        JSAMPROW target = cmykRow ? cmykRow : row;
        if (jpeg_read_scanlines(&d.info, &target, 1) != 1)
            return false;
        if (cmykRow)
            cmykToBgrx(cmykRow, row, d.info.output_width, inverted);
    }
    return true;
}

} // namespace

PictureInfo readJpegInfo(const QByteArray& bytes)
{
    Decompressor d;
    if (!readHeader(d, bytes))
        return infoFailure(PictureFormat::Jpeg, PictureError::Corrupt, d.errors.text());
    PictureInfo info;
    info.format = PictureFormat::Jpeg;
    info.size = QSize(int(d.info.image_width), int(d.info.image_height));
    return info;
}

DecodedPicture decodeJpeg(const QByteArray& bytes, const DecodeOptions& options)
{
    const int denominator = options.scaleDenominator;
    if (denominator != 1 && denominator != 2 && denominator != 4 && denominator != 8)
        return decodeFailure(
            PictureError::Unsupported, QStringLiteral("JPEG pictures decode at 1/1, 1/2, 1/4 or 1/8"));
    Decompressor d;
    if (!readHeader(d, bytes) || !chooseOutput(d, denominator))
        return decodeFailure(PictureError::Corrupt, d.errors.text());
    const QString tooLarge = pictureSizeProblem(d.info.output_width, d.info.output_height, options);
    if (!tooLarge.isNull())
        return decodeFailure(PictureError::TooLarge, tooLarge);

    DecodedPicture result;
    result.bitmap = Bitmap24(int(d.info.output_width), int(d.info.output_height));
    if (result.bitmap.isNull())
        return decodeFailure(PictureError::TooLarge, QStringLiteral("not enough memory for the picture"));
    std::vector<std::uint8_t> cmykRow(isCmyk(d.info) ? std::size_t(d.info.output_width) * 4 : 0);
    if (!readPixels(d, result.bitmap.scanLine(0), result.bitmap.bytesPerLine(),
            cmykRow.empty() ? nullptr : cmykRow.data()))
        return decodeFailure(
            d.errors.outOfMemory() ? PictureError::TooLarge : PictureError::Corrupt, d.errors.text());
    return result;
}
