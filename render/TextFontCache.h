#pragma once

#include "platform/TextFont.h"

#include <array>
#include <memory>

// The fonts of one paint call. Resolving a font costs far more than drawing a
// short line with it, and drawings use few distinct fonts, so a repaint keeps
// the last few it made. A font depends only on its description, so nothing
// here can go stale within a call; the cache is dropped with the call.
class TextFontCache {
public:
    // Fonts for a screen of `dpiY` dots per inch vertically.
    explicit TextFontCache(double dpiY) : dpiY_(dpiY) {}

    const TextFont& get(const TextFontRequest& request);

private:
    double dpiY_;
    static constexpr int kSlots = 8;
    std::array<std::unique_ptr<TextFont>, kSlots> slots_;
    int next_ = 0;
};
