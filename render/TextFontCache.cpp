#include "render/TextFontCache.h"

#include "base/ScreenMetrics.h"

const TextFont& TextFontCache::get(const TextFontRequest& request)
{
    const double dpiY = screenMetrics().dpiY;
    for (const std::unique_ptr<TextFont>& f : slots_)
        if (f && f->request() == request && f->dpiY() == dpiY)
            return *f;
    std::unique_ptr<TextFont>& slot = slots_[next_];
    next_ = (next_ + 1) % kSlots;
    slot = std::make_unique<TextFont>(request, dpiY);
    return *slot;
}
