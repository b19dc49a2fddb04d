#include "PictureFuzzing.h"

// Decodes the input as a JPEG: baseline, progressive, grey or CMYK, at the scale the input's length picks.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    picturefuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return picturefuzz::decodeAndCheck(data, size, PictureFormat::Jpeg);
}
