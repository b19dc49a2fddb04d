#include "platform/codecs/WmfToSvg.h"

#include "platform/codecs/WmfSvgDevice.h"

extern "C" {
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

#include <cstdlib>
#include <cstring>

namespace {

// libwmf allocates through these, so a metafile describing enormous bitmaps
// meets a budget instead of exhausting memory.
struct AllocationBudget {
    std::size_t left = std::size_t(256) << 20;
};

constexpr std::size_t kHeaderBytes = 16; // keeps the size; keeps alignment

void* budgetMalloc(void* context, std::size_t size)
{
    auto* budget = static_cast<AllocationBudget*>(context);
    if (size > budget->left)
        return nullptr;
    auto* block = static_cast<char*>(std::malloc(size + kHeaderBytes));
    if (!block)
        return nullptr;
    budget->left -= size;
    std::memcpy(block, &size, sizeof size);
    return block + kHeaderBytes;
}

std::size_t blockSize(void* memory)
{
    std::size_t size = 0;
    std::memcpy(&size, static_cast<char*>(memory) - kHeaderBytes, sizeof size);
    return size;
}

void budgetFree(void* context, void* memory)
{
    if (!memory)
        return;
    static_cast<AllocationBudget*>(context)->left += blockSize(memory);
    std::free(static_cast<char*>(memory) - kHeaderBytes);
}

void* budgetRealloc(void* context, void* memory, std::size_t size)
{
    if (!memory)
        return budgetMalloc(context, size);
    const std::size_t old = blockSize(memory);
    void* fresh = budgetMalloc(context, size);
    if (!fresh)
        return nullptr;
    std::memcpy(fresh, memory, old < size ? old : size);
    budgetFree(context, memory);
    return fresh;
}

// One libwmf player over a metafile in memory, with the SVG device.
class WmfPlayer {
public:
    explicit WmfPlayer(const QByteArray& bytes)
        : data_(bytes)
    {
        wmfAPI_Options options {};
        options.function = wmfMendedSvgDevice;
        options.context = &budget_;
        options.malloc = budgetMalloc;
        options.realloc = budgetRealloc;
        options.free = budgetFree;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_ALLOC | WMF_OPT_IGNORE_NONFATAL
            | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None) {
            api_ = nullptr; // the library has freed what it made
            return;
        }
        ok_ = wmf_mem_open(api_, reinterpret_cast<unsigned char*>(data_.data()), long(data_.size()))
                == wmf_E_None
            && wmf_scan(api_, 0, &extent_) == wmf_E_None;
    }
    ~WmfPlayer()
    {
        if (api_)
            wmf_api_destroy(api_);
    }
    WmfPlayer(const WmfPlayer&) = delete;
    WmfPlayer& operator=(const WmfPlayer&) = delete;

    bool ok() const { return ok_; }
    // What the file draws, in the player's device units (points).
    const wmfD_Rect& extent() const { return extent_; }

    QByteArray play(const wmfD_Rect& frame, QSize size)
    {
        if (!ok_)
            return {};
        wmf_svg_t* device = WMF_SVG_GetData(api_);
        device->out = wmf_stream_create(api_, nullptr);
        if (!device->out)
            return {};
        device->bbox = frame;
        device->width = unsigned(size.width());
        device->height = unsigned(size.height());
        device->flags |= WMF_SVG_INLINE_IMAGES;
        const bool played = wmf_play(api_, 0, &extent_) == wmf_E_None;
        char* memory = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(api_, device->out, &memory, &length);
        device->out = nullptr;
        QByteArray svg = played && memory ? QByteArray(memory, qsizetype(length)) : QByteArray();
        if (memory)
            wmf_free(api_, memory);
        return svg;
    }

private:
    QByteArray data_; // libwmf reads from a mutable buffer
    AllocationBudget budget_;
    wmfAPI* api_ = nullptr;
    wmfD_Rect extent_ {};
    bool ok_ = false;
};

constexpr double kPointsPerInch = 72.0;

} // namespace

QSizeF bareWmfInches(const QByteArray& bytes)
{
    WmfPlayer player(bytes);
    if (!player.ok())
        return {};
    const wmfD_Rect& e = player.extent();
    return QSizeF((e.BR.x - e.TL.x) / kPointsPerInch, (e.BR.y - e.TL.y) / kPointsPerInch);
}

MetafileSvg wmfToSvg(const QByteArray& bytes, const MetafileHeader& header, QSize size)
{
    MetafileSvg result;
    WmfPlayer player(bytes);
    wmfD_Rect frame = player.extent();
    if (header.kind == MetafileKind::PlaceableWmf) {
        const double toPoints = kPointsPerInch / header.unitsPerInch;
        frame.TL = { float(header.boxLeft * toPoints), float(header.boxTop * toPoints) };
        frame.BR = { float(header.boxRight * toPoints), float(header.boxBottom * toPoints) };
    }
    result.svg = player.play(frame, size);
    if (result.svg.isEmpty())
        result.message = QStringLiteral("the metafile cannot be drawn");
    return result;
}
