#pragma once

#include <cstdint>

// Colours the painter takes from the user's settings; the defaults are the
// settings' own defaults. Values are 0x00BBGGRR.
struct PaintColours {
    std::uint32_t canvas = 0xFFFFFF;
    std::uint32_t dragOutline = 0x0000FF;
    std::uint32_t dragOutlineGap = 0x00FFFF;
    std::uint32_t hiddenPicture = 0x000000;
    std::uint32_t hiddenPictureGap = 0x00FFFF;
};

// Colours of the guides the painter draws under the items.
namespace guidecolours {
constexpr std::uint32_t kPageGuide = 0xC0C0C0;
constexpr std::uint32_t kGridline = 0xFFCCAA;
} // namespace guidecolours
