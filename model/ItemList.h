#pragma once

#include <cstdint>
#include <string>

struct ItemRecord;
struct ScreenMetrics;

// A doubly linked list of records in creation order. The list owns its
// records: they are freed with it.
struct ItemList {
    ItemRecord* first = nullptr;
    ItemRecord* last = nullptr;
    // Changes whenever a record joins or leaves the list, so that whoever
    // keeps pointers to its records across events can tell they may be stale.
    std::uint64_t revision = 0;

    ItemList() = default;
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    ItemList(ItemList&& other) noexcept;
    ItemList& operator=(ItemList&& other) noexcept;
    ~ItemList();

    bool empty() const { return first == nullptr; }

    // Iteration over the records; the loop body may not free the current record.
    struct Iterator {
        ItemRecord* at;
        ItemRecord& operator*() const { return *at; }
        Iterator& operator++();
        bool operator!=(const Iterator& other) const { return at != other.at; }
    };
    Iterator begin() const { return { first }; }
    Iterator end() const { return { nullptr }; }
};

// Creation, copy and release.
ItemRecord* createItem(ItemList& list, std::int32_t kind);
// A copy of `source` at the end of `target`, with its own history place and
// its real coordinates recomputed for `screen`; the source's cached clip
// bitmaps move to the copy.
ItemRecord* copyItem(ItemList& target, ItemRecord& source, const ScreenMetrics& screen);
// The same with a step number the caller already knows (one more than the
// last it gave out), so that making many records in one action stays linear.
ItemRecord* createItem(ItemList& list, std::int32_t kind, std::int32_t stepNumber);
ItemRecord* copyItem(ItemList& target, ItemRecord& source, const ScreenMetrics& screen, std::int32_t stepNumber);
// Appends a zero-filled record without defaults or counters, for loaders that
// fill the whole body themselves; keeps bulk loading linear.
ItemRecord* appendBlankRecord(ItemList& list);
void freeItem(ItemList& list, ItemRecord* record);
void freeItemList(ItemList& list);
void freeChildren(ItemList& children);
void dropClipCaches(ItemList& list);
// Moves every record of `from` to the end of `to`.
void spliceList(ItemList& to, ItemList& from);

// Lookups.
ItemRecord* findFirstOfKind(const ItemList& list, std::int32_t kind);
ItemRecord* findHeader(const ItemList& list);
ItemRecord* findLiveOfKind(const ItemList& list, std::int32_t kind);
ItemRecord* findByStepNumber(const ItemList& list, std::int32_t stepNumber);
ItemRecord* findByZOrder(const ItemList& list, std::int32_t zOrder);
ItemRecord* findPictureStore(const ItemList& list, std::int32_t pictureId);
bool listHasPictureStore(const ItemList& list, const ItemRecord* store);
bool pictureInUse(const ItemList& list, std::int32_t pictureId);
int countPictureUsers(const ItemList& list, std::int32_t pictureId);
int countRecords(const ItemList& list);

// Counters over class-0 records.
std::int32_t nextStepNumber(const ItemList& list);
std::int32_t nextEditBatch(const ItemList& list);
std::int32_t nextGroupId(const ItemList& list);
std::int32_t maxZOrder(const ItemList& list);
// The four counters above from one walk of the list.
struct ItemCounters {
    std::int32_t nextStepNumber = 1;
    std::int32_t nextEditBatch = 1;
    std::int32_t nextGroupId = 1;
    std::int32_t maxZOrder = 0;
};
ItemCounters itemCounters(const ItemList& list);
// The step number after `step`, held at the top of the range.
std::int32_t stepAfter(std::int32_t step);

// Selection.
bool isSelected(const ItemRecord* record);
ItemRecord* firstSelected(const ItemList& list);
ItemRecord* soleSelected(const ItemList& list);
ItemRecord* lastInProgress(const ItemList& list);
void selectOnly(ItemList& list, ItemRecord* record);
void selectLastItem(ItemList& list);
int countSelectionUnits(ItemList& list, bool groupsAsOne);

// Selection tags for back-and-forward navigation.
std::int32_t tagSelection(ItemList& list);
bool selectTagged(ItemList& list, std::int32_t tag);

// Document state.
void setModified(ItemList& list, bool modified);
bool isModified(const ItemList& list);
bool isUntouched(const ItemList& list);

// Text.
constexpr int kMaxTextUnits = 1024000;
int textLength(const ItemRecord* record);
int textLineCount(const ItemRecord* record);
std::u16string getText(const ItemRecord* record);
void setText(ItemRecord* record, const std::u16string& text);
constexpr char16_t kLineSeparator = u'\u2028';

// Coordinates: the stored real coordinates (millimetres times the pixels per
// millimetre of `screen`) from the pixel coordinates, and back.
void syncRealCoordinates(ItemRecord* record, const ScreenMetrics& screen);
void syncPixelCoordinates(ItemRecord* record, const ScreenMetrics& screen);
// Extent, spans, length and angle from the pixel coordinates (a round clip's
// extent is its circle's), for records moved in pixels.
void syncExtentFields(ItemRecord* record);
double lineAngleOf(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// Font name as stored: a length byte and up to 32 ANSI characters.
std::string fontNameOf(const ItemRecord* record);
void setFontName(ItemRecord* record, const std::string& name);
