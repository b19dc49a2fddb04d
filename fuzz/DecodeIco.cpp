#include "PictureFuzzing.h"

// Decodes the input as an icon file.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    picturefuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return picturefuzz::decodeAndCheck(data, size, PictureFormat::Ico);
}
