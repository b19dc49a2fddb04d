#include "render/TextFontCache.h"

const TextFont& TextFontCache::get(const TextFontRequest& request)
{
    for (const std::unique_ptr<TextFont>& f : slots_)
        if (f && f->request() == request)
            return *f;
    std::unique_ptr<TextFont>& slot = slots_[next_];
    next_ = (next_ + 1) % kSlots;
    slot = std::make_unique<TextFont>(request, dpiY_);
    return *slot;
}
