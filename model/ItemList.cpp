#include "model/ItemList.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "base/ScreenMetrics.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

ItemList::ItemList(ItemList&& other) noexcept
    : first(other.first)
    , last(other.last)
    , revision(other.revision + 1)
{
    other.first = other.last = nullptr;
    ++other.revision;
}

ItemList& ItemList::operator=(ItemList&& other) noexcept
{
    if (this != &other) {
        freeItemList(*this);
        first = other.first;
        last = other.last;
        other.first = other.last = nullptr;
        ++other.revision;
    }
    return *this;
}

ItemList::~ItemList() { freeItemList(*this); }

ItemList::Iterator& ItemList::Iterator::operator++()
{
    at = at->next;
    return *this;
}

namespace {

std::mt19937& randomSource()
{
    static std::mt19937 engine { std::random_device {}() };
    return engine;
}

void applyDefaults(ItemBody& b, std::int32_t kind)
{
    b.kind = kind;
    b.reserved12 = -1;
    b.magic = kRecordMagic;
    b.reserved116 = 0x00FFFFFF;
    b.penWidth = 1;
    b.fontSize = 12;
    b.fontWeight = 400;
    b.justification = 1;
    b.fontName[0] = 5;
    std::memcpy(b.fontName + 1, "Arial", 5);
    b.reserved189 = 0x00FFFFFF;
    b.fillColor = -2;
    b.direction = -1.0;
    b.historyState = 1;
    b.curveTension = 0.27614237;
    b.clipScaleX = 1.0;
    b.clipScaleY = 1.0;
    b.mirrorX = 1;
    b.mirrorY = 1;
    b.pictureScale = 1.0;
}

bool isClassItem(const ItemRecord& r) { return r.body.recordClass == kinds::kClassItem; }

} // namespace

ItemRecord* appendBlankRecord(ItemList& list)
{
    // The list links records by hand; this and freeItem are the only places
    // that allocate and release them.
    auto* record = new ItemRecord;
    record->prev = list.last;
    if (list.last)
        list.last->next = record;
    else
        list.first = record;
    list.last = record;
    ++list.revision;
    return record;
}

ItemRecord* createItem(ItemList& list, std::int32_t kind) { return createItem(list, kind, nextStepNumber(list)); }

ItemRecord* createItem(ItemList& list, std::int32_t kind, std::int32_t step)
{
    ItemRecord* record = appendBlankRecord(list);
    applyDefaults(record->body, kind);
    record->body.stepNumber = step;
    if (kind != kinds::kHeader)
        setModified(list, true);
    return record;
}

ItemRecord* copyItem(ItemList& target, ItemRecord& source, const ScreenMetrics& screen)
{
    return copyItem(target, source, screen, nextStepNumber(target));
}

ItemRecord* copyItem(ItemList& target, ItemRecord& source, const ScreenMetrics& screen, std::int32_t stepNumber)
{
    ItemRecord* copy = createItem(target, source.body.kind, stepNumber);
    const ItemBody fresh = copy->body;
    copy->body = source.body;
    ItemBody& b = copy->body;
    // What a copy does not inherit: its own history place and the bytes that
    // only mean something to the record they were made for.
    b.reserved116 = fresh.reserved116;
    b.historyState = fresh.historyState;
    b.stackMove = fresh.stackMove;
    b.stepNumber = fresh.stepNumber;
    b.editBatch = fresh.editBatch;
    b.replacesStep = fresh.replacesStep;
    b.startClipRotation = fresh.startClipRotation;
    std::memset(b.reserved418, 0, sizeof b.reserved418);
    b.fontName[0] = std::min<std::uint8_t>(b.fontName[0], 32);
    syncRealCoordinates(copy, screen);

    copy->text = source.text;
    copy->tagList = source.tagList;
    copy->pointList = source.pointList;
    copy->repaintBox = source.repaintBox;
    copy->imageStream = source.imageStream;
    for (ItemRecord& child : source.children) {
        ItemRecord* c = createItem(copy->children, child.body.kind);
        c->imageStream = child.imageStream;
        c->body.x1 = child.body.x1;
        c->body.y1 = child.body.y1;
        c->body.x2 = child.body.x2;
        c->body.y2 = child.body.y2;
    }
    freeChildren(source.children);
    return copy;
}

void freeItem(ItemList& list, ItemRecord* record)
{
    if (!record)
        return;
    if (record->prev)
        record->prev->next = record->next;
    else
        list.first = record->next;
    if (record->next)
        record->next->prev = record->prev;
    else
        list.last = record->prev;
    ++list.revision;
    delete record;
}

void freeItemList(ItemList& list)
{
    ItemRecord* r = list.first;
    while (r) {
        ItemRecord* next = r->next;
        delete r;
        r = next;
    }
    list.first = list.last = nullptr;
    ++list.revision;
}

void freeChildren(ItemList& children) { freeItemList(children); }

void dropClipCaches(ItemList& list)
{
    for (ItemRecord& r : list)
        if (r.body.kind == kinds::kClip)
            freeChildren(r.children);
}

void spliceList(ItemList& to, ItemList& from)
{
    if (!from.first)
        return;
    if (to.last) {
        to.last->next = from.first;
        from.first->prev = to.last;
    } else {
        to.first = from.first;
    }
    to.last = from.last;
    from.first = from.last = nullptr;
    ++to.revision;
    ++from.revision;
}

ItemRecord* findFirstOfKind(const ItemList& list, std::int32_t kind)
{
    for (ItemRecord& r : list)
        if (r.body.kind == kind)
            return &r;
    return nullptr;
}

ItemRecord* findHeader(const ItemList& list) { return findFirstOfKind(list, kinds::kHeader); }

ItemRecord* findLiveOfKind(const ItemList& list, std::int32_t kind)
{
    for (ItemRecord& r : list)
        if (r.body.kind == kind && r.body.hidden == 0)
            return &r;
    return nullptr;
}

ItemRecord* findByStepNumber(const ItemList& list, std::int32_t stepNumber)
{
    for (ItemRecord& r : list)
        if (isClassItem(r) && r.body.stepNumber == stepNumber)
            return &r;
    return nullptr;
}

ItemRecord* findByZOrder(const ItemList& list, std::int32_t zOrder)
{
    for (ItemRecord& r : list)
        if (isClassItem(r) && r.body.hidden == 0 && r.body.zOrder == zOrder)
            return &r;
    return nullptr;
}

ItemRecord* findPictureStore(const ItemList& list, std::int32_t pictureId)
{
    for (ItemRecord& r : list)
        if (r.body.kind == kinds::kPictureStore && r.body.pictureId == pictureId)
            return &r;
    return nullptr;
}

bool listHasPictureStore(const ItemList& list, const ItemRecord* store)
{
    return store && store->body.kind == kinds::kPictureStore && findPictureStore(list, store->body.pictureId);
}

bool pictureInUse(const ItemList& list, std::int32_t pictureId)
{
    for (ItemRecord& r : list)
        if (r.body.kind == kinds::kClip && r.body.hidden == 0 && r.body.pictureId == pictureId)
            return true;
    return false;
}

int countPictureUsers(const ItemList& list, std::int32_t pictureId)
{
    int n = 0;
    for (ItemRecord& r : list)
        if (isClassItem(r) && r.body.pictureId == pictureId)
            ++n;
    return n;
}

int countRecords(const ItemList& list)
{
    int n = 0;
    for (ItemRecord& r : list) {
        (void)r;
        ++n;
    }
    return n;
}

namespace {
template <typename Field>
std::int32_t largestOfItems(const ItemList& list, Field field, std::int32_t none)
{
    std::int32_t best = none;
    bool any = false;
    for (ItemRecord& r : list) {
        if (!isClassItem(r))
            continue;
        const std::int32_t v = field(r.body);
        if (!any || v > best)
            best = v;
        any = true;
    }
    return best;
}

std::int32_t plusOne(std::int32_t v) { return v == std::numeric_limits<std::int32_t>::max() ? v : v + 1; }
} // namespace

std::int32_t nextStepNumber(const ItemList& list)
{
    return plusOne(largestOfItems(list, [](const ItemBody& b) { return b.stepNumber; }, 0));
}

std::int32_t nextEditBatch(const ItemList& list)
{
    return plusOne(largestOfItems(list, [](const ItemBody& b) { return b.editBatch; }, 0));
}

std::int32_t nextGroupId(const ItemList& list)
{
    return plusOne(largestOfItems(list, [](const ItemBody& b) { return b.groupId; }, 0));
}

std::int32_t maxZOrder(const ItemList& list)
{
    return largestOfItems(list, [](const ItemBody& b) { return b.zOrder; }, 0);
}

ItemCounters itemCounters(const ItemList& list)
{
    ItemCounters c;
    bool any = false;
    std::int32_t step = 0, batch = 0, group = 0, z = 0;
    for (ItemRecord& r : list) {
        if (!isClassItem(r))
            continue;
        const ItemBody& b = r.body;
        step = any ? std::max<std::int32_t>(step, b.stepNumber) : b.stepNumber;
        batch = any ? std::max<std::int32_t>(batch, b.editBatch) : b.editBatch;
        group = any ? std::max<std::int32_t>(group, b.groupId) : b.groupId;
        z = any ? std::max<std::int32_t>(z, b.zOrder) : b.zOrder;
        any = true;
    }
    if (any) {
        c.nextStepNumber = plusOne(step);
        c.nextEditBatch = plusOne(batch);
        c.nextGroupId = plusOne(group);
        c.maxZOrder = z;
    }
    return c;
}

std::int32_t stepAfter(std::int32_t step) { return plusOne(step); }

bool isSelected(const ItemRecord* r)
{
    return r && isClassItem(*r) && r->body.inProgress == 0 && r->body.hidden == 0 && r->body.selected != 0;
}

ItemRecord* firstSelected(const ItemList& list)
{
    for (ItemRecord& r : list)
        if (isSelected(&r))
            return &r;
    return nullptr;
}

ItemRecord* soleSelected(const ItemList& list)
{
    ItemRecord* found = nullptr;
    for (ItemRecord& r : list) {
        if (!isSelected(&r))
            continue;
        if (found)
            return nullptr;
        found = &r;
    }
    return found;
}

ItemRecord* lastInProgress(const ItemList& list)
{
    for (ItemRecord* r = list.last; r; r = r->prev)
        if (r->body.inProgress != 0)
            return r;
    return nullptr;
}

void selectOnly(ItemList& list, ItemRecord* record)
{
    for (ItemRecord& r : list)
        r.body.selected = 0;
    if (record)
        record->body.selected = 255;
}

void selectLastItem(ItemList& list)
{
    ItemRecord* r = list.last;
    while (r && !isClassItem(*r))
        r = r->prev;
    if (r && r->body.inProgress == 0 && r->body.hidden == 0)
        selectOnly(list, r);
}

int countSelectionUnits(ItemList& list, bool groupsAsOne)
{
    // A group counts once however many of its records are selected; its ids
    // are gathered and counted distinct rather than marked group by group,
    // which would walk the list once per group.
    int count = 0;
    std::vector<std::int32_t> groups;
    for (ItemRecord& r : list) {
        r.body.scratchMark = 0;
        if (!isSelected(&r))
            continue;
        if (groupsAsOne && r.body.groupId > 0)
            groups.push_back(r.body.groupId);
        else
            ++count;
    }
    std::sort(groups.begin(), groups.end());
    return count + static_cast<int>(std::unique(groups.begin(), groups.end()) - groups.begin());
}

std::int32_t tagSelection(ItemList& list)
{
    std::uniform_int_distribution<std::int32_t> pick(0, 2147483646);
    const std::int32_t tag = pick(randomSource());
    for (ItemRecord& r : list)
        if (isSelected(&r))
            r.tagList.push_back(tag);
    return tag;
}

bool selectTagged(ItemList& list, std::int32_t tag)
{
    bool any = false;
    for (ItemRecord& r : list) {
        r.body.selected = 0;
        const std::int32_t k = r.body.kind;
        const bool kindOk = k == kinds::kText || (k >= kinds::kLine && k <= kinds::kShapeLast) || k == kinds::kClip;
        if (!isClassItem(r) || r.body.hidden || r.body.inProgress || !kindOk)
            continue;
        if (std::find(r.tagList.begin(), r.tagList.end(), tag) != r.tagList.end()) {
            r.body.selected = 255;
            any = true;
        }
    }
    return any;
}

void setModified(ItemList& list, bool modified)
{
    if (ItemRecord* h = findHeader(list))
        h->header.modified = modified ? 1 : 0;
}

bool isModified(const ItemList& list)
{
    const ItemRecord* h = findHeader(list);
    return h && h->header.modified != 0;
}

bool isUntouched(const ItemList& list)
{
    if (!findHeader(list) || isModified(list))
        return false;
    int n = 0;
    for (ItemRecord* r = list.first; r; r = r->next)
        if (++n > 3)
            return false;
    return true;
}

int textLength(const ItemRecord* record)
{
    if (!record)
        return 0;
    const std::u16string& t = record->text;
    const std::size_t limit = std::min<std::size_t>(t.size(), kMaxTextUnits + 1);
    std::size_t n = 0;
    while (n < limit && t[n] != 0)
        ++n;
    return static_cast<int>(n);
}

int textLineCount(const ItemRecord* record)
{
    const int n = textLength(record);
    if (n == 0)
        return 0;
    const int scan = std::min(n, kMaxTextUnits);
    return 1 + static_cast<int>(std::count(record->text.begin(), record->text.begin() + scan, kLineSeparator));
}

std::u16string getText(const ItemRecord* record)
{
    if (!record)
        return {};
    return record->text.substr(0, static_cast<std::size_t>(textLength(record)));
}

void setText(ItemRecord* record, const std::u16string& text) { record->text = text; }

void syncRealCoordinates(ItemRecord* record, const ScreenMetrics& s)
{
    ItemBody& b = record->body;
    b.posX1 = b.x1 * s.pixelsPerMmX();
    b.posY1 = b.y1 * s.pixelsPerMmY();
    b.posX2 = b.x2 * s.pixelsPerMmX();
    b.posY2 = b.y2 * s.pixelsPerMmY();
}

double lineAngleOf(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    constexpr double pi = std::numbers::pi;
    if (y1 == y2)
        return x2 >= x1 ? 0.0 : pi;
    if (x1 == x2)
        return y2 > y1 ? 3 * pi / 2 : pi / 2;
    double a = std::atan2(static_cast<double>(y1) - y2, static_cast<double>(x2) - x1);
    if (a < 0)
        a += 2 * pi;
    return a;
}

void syncPixelCoordinates(ItemRecord* record, const ScreenMetrics& s)
{
    ItemBody& b = record->body;
    b.x1 = roundEven(b.posX1 / s.pixelsPerMmX());
    b.y1 = roundEven(b.posY1 / s.pixelsPerMmY());
    b.x2 = roundEven(b.posX2 / s.pixelsPerMmX());
    b.y2 = roundEven(b.posY2 / s.pixelsPerMmY());
    syncExtentFields(record);
}

void syncExtentFields(ItemRecord* record)
{
    ItemBody& b = record->body;
    // Wide arithmetic: coordinates from a damaged file may be near the limits.
    const std::int64_t x1 = b.x1, y1 = b.y1, x2 = b.x2, y2 = b.y2;
    b.minX = static_cast<std::int32_t>(std::min(x1, x2));
    b.maxX = static_cast<std::int32_t>(std::max(x1, x2));
    b.minY = static_cast<std::int32_t>(std::min(y1, y2));
    b.maxY = static_cast<std::int32_t>(std::max(y1, y2));
    b.spanX = clampToInt32(std::llabs(x2 - x1));
    b.spanY = clampToInt32(std::llabs(y2 - y1));
    if (b.kind == kinds::kClip && b.clipShape == 2) {
        const double dx = static_cast<double>(x1 - x2), dy = static_cast<double>(y1 - y2);
        const std::int64_t r = roundEven(std::sqrt(dx * dx + dy * dy));
        b.minX = clampToInt32(x1 - r);
        b.maxX = clampToInt32(x1 + r);
        b.minY = clampToInt32(y1 - r);
        b.maxY = clampToInt32(y1 + r);
        b.spanX = b.spanY = clampToInt32(2 * r);
    }
    const double sx = b.spanX, sy = b.spanY;
    b.length = roundEven(std::sqrt(sx * sx + sy * sy));
    b.lineAngle = lineAngleOf(b.x1, b.y1, b.x2, b.y2);
}

std::string fontNameOf(const ItemRecord* record)
{
    const std::uint8_t n = std::min<std::uint8_t>(record->body.fontName[0], 32);
    return std::string(reinterpret_cast<const char*>(record->body.fontName + 1), n);
}

void setFontName(ItemRecord* record, const std::string& name)
{
    const std::size_t n = std::min<std::size_t>(name.size(), 32);
    std::memset(record->body.fontName, 0, sizeof record->body.fontName);
    record->body.fontName[0] = static_cast<std::uint8_t>(n);
    std::memcpy(record->body.fontName + 1, name.data(), n);
}
