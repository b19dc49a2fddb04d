#include "platform/codecs/JpegEncoder.h"

#include "platform/codecs/JpegErrorManager.h"

#include <cstdlib>

namespace {

struct Compressor {
    jpeg_compress_struct info {};
    JpegErrorManager errors;
    unsigned char* output = nullptr; // malloc'ed by libjpeg's memory destination
    unsigned long outputSize = 0;

    Compressor() { errors.attach(*reinterpret_cast<j_common_ptr>(&info)); }
    ~Compressor()
    {
        jpeg_destroy_compress(&info);
        std::free(output);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

// Holds no objects with destructors: errors leave through longjmp.
bool compress(Compressor& c, const Bitmap24& bitmap, int quality)
{
    if (setjmp(c.errors.jump))
        return false;
    jpeg_create_compress(&c.info);
    jpeg_mem_dest(&c.info, &c.output, &c.outputSize);
    c.info.image_width = static_cast<JDIMENSION>(bitmap.width());
    c.info.image_height = static_cast<JDIMENSION>(bitmap.height());
    c.info.input_components = Bitmap24::kBytesPerPixel;
    c.info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    jpeg_start_compress(&c.info, TRUE);
    while (c.info.next_scanline < c.info.image_height) {
        // libjpeg only reads the rows, though its interface is not const.
        JSAMPROW row = const_cast<JSAMPROW>(bitmap.scanLine(int(c.info.next_scanline)));
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

} // namespace

EncodedJpeg encodeJpeg(const Bitmap24& bitmap, int quality)
{
    EncodedJpeg result;
    if (bitmap.isNull()) {
        result.message = QStringLiteral("there is no picture to write");
        return result;
    }
    Compressor c;
    if (!compress(c, bitmap, quality)) {
        result.message = c.errors.text();
        return result;
    }
    result.bytes = QByteArray(reinterpret_cast<const char*>(c.output), static_cast<qsizetype>(c.outputSize));
    return result;
}
