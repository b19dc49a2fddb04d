#include "model/DrawingFile.h"

#include "base/ScreenMetrics.h"

#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/UserPrompt.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::int64_t kTextTailLimit = 1024000; // text tails of this many bytes or more are not text

// ---- writing ---------------------------------------------------------------

// Collects the bytes of the file and hands them to the device in large
// pieces; remembers the first failure.
class RecordWriter {
public:
    explicit RecordWriter(QIODevice& device) : device_(device) { buffer_.reserve(kChunk); }

    void put(const void* data, std::size_t size)
    {
        const auto* p = static_cast<const char*>(data);
        buffer_.insert(buffer_.end(), p, p + size);
        if (buffer_.size() >= kChunk)
            flush();
    }

    bool flush()
    {
        if (ok_ && !buffer_.empty()) {
            const auto size = static_cast<qint64>(buffer_.size());
            ok_ = device_.write(buffer_.data(), size) == size;
        }
        buffer_.clear();
        return ok_;
    }

private:
    static constexpr std::size_t kChunk = 1 << 20;
    QIODevice& device_;
    std::vector<char> buffer_;
    bool ok_ = true;
};

// Units of text that fit a tail the reader accepts, never splitting a
// surrogate pair.
int storedTextUnits(const ItemRecord& r)
{
    int n = std::min(textLength(&r), kMaxStoredTextUnits);
    if (n < textLength(&r) && n > 0 && QChar::isHighSurrogate(r.text[static_cast<std::size_t>(n - 1)]))
        --n;
    return n;
}

bool isWritten(const ItemList& list, const ItemRecord& r)
{
    const ItemBody& b = r.body;
    switch (b.recordClass) {
    case kinds::kClassItem:
        if (b.hidden != 0 || b.kind == kinds::kDropped)
            return false;
        return b.kind != kinds::kText || textLineCount(&r) > 0;
    case kinds::kClassPictureStore:
        return pictureInUse(list, b.pictureId);
    default:
        return true;
    }
}

void putText(RecordWriter& out, const ItemRecord& r, int units)
{
    if (units > 0)
        out.put(r.text.data(), static_cast<std::size_t>(units) * 2);
}

void writeGridTail(std::vector<StoredGridline>& tail, const ItemRecord& r)
{
    tail.clear();
    for (const Gridline& g : r.gridListX)
        if (!g.deleted)
            tail.push_back({ 1, g.left + kAnchorHalf });
    for (const Gridline& g : r.gridListY)
        if (!g.deleted)
            tail.push_back({ 2, g.top + kAnchorHalf });
}

struct WriteState {
    std::vector<StoredGridline> grid;
    std::int32_t counter = 0;
};

// The body as it goes to the file. Files never keep the undo history, so a
// record is stored as the reader will number it (a history-free base 1, 2,
// 3 ... in file order) and the header as saved, not modified: opening a
// saved file and saving it again then writes the same bytes.
void putBody(RecordWriter& out, const ItemBody& b, WriteState& w)
{
    if (b.kind == kinds::kHeader) {
        HeaderBody stored;
        std::memcpy(&stored, &b, kBodySize);
        stored.modified = 0;
        out.put(&stored, kBodySize);
        return;
    }
    ItemBody stored = b;
    if (b.kind != kinds::kPictureStore) {
        stored.historyState = 0;
        stored.replacesStep = 0;
        stored.stepNumber = ++w.counter;
    }
    out.put(&stored, kBodySize);
}

void writeRecord(RecordWriter& out, const ItemList& list, ItemRecord& r, WriteState& w)
{
    ItemBody& b = r.body;
    b.magic = kRecordMagic;
    if (b.kind == kinds::kHeader)
        r.header.formatVersion = kFormatVersion;
    if (!isWritten(list, r))
        return;

    if (b.kind == kinds::kHeader || b.kind == kinds::kText) {
        const int units = storedTextUnits(r);
        b.tailLength = 2 * units;
        if (b.kind == kinds::kText)
            b.legacyTail1Length = b.legacyTail2Length = 0;
        putBody(out, b, w);
        putText(out, r, units);
    } else if (kinds::isShape(b.kind)) {
        b.tailLength = static_cast<std::int32_t>(r.pointList.size() * sizeof(StoredPoints));
        putBody(out, b, w);
        for (PointEntry& p : r.pointList) {
            std::fill(std::begin(p.data.padding), std::end(p.data.padding), 0);
            out.put(&p.data, sizeof p.data);
        }
    } else if (b.kind == kinds::kGrid) {
        writeGridTail(w.grid, r);
        b.tailLength = static_cast<std::int32_t>(w.grid.size() * sizeof(StoredGridline));
        putBody(out, b, w);
        if (!w.grid.empty())
            out.put(w.grid.data(), w.grid.size() * sizeof(StoredGridline));
    } else if (b.kind == kinds::kPictureStore) {
        const int units = storedTextUnits(r);
        b.tailLength = static_cast<std::int32_t>(std::min<std::size_t>(r.imageStream.size(), INT32_MAX));
        b.length = 2 * units;
        putBody(out, b, w);
        if (b.tailLength > 0)
            out.put(r.imageStream.data(), static_cast<std::size_t>(b.tailLength));
        putText(out, r, units);
    } else {
        putBody(out, b, w);
    }
}

// ---- reading ---------------------------------------------------------------

enum class Tail { Read, Absent, Short };

// Reads the file through a large buffer of its own: a drawing is read in
// many small pieces, and each piece should not cost a call into the device.
class RecordReader {
public:
    explicit RecordReader(QIODevice& device) : device_(device), left_(device.size() - device.pos()) {}

    std::int64_t remaining() const { return left_ + static_cast<std::int64_t>(buffer_.size() - at_); }

    bool readBody(ItemRecord& r) { return take(r.bytes, kBodySize); }

    // Reads a tail of `length` bytes into `out`. A length of zero or less
    // means there is no tail, and reading goes on with the next record. A
    // length that runs past the end of the file is a tail cut short: nothing
    // is allocated for it and the rest of the file is abandoned.
    Tail read(std::int64_t length, std::vector<std::uint8_t>& out)
    {
        if (length <= 0)
            return Tail::Absent;
        if (length > remaining())
            return abandon();
        out.resize(static_cast<std::size_t>(length));
        return take(out.data(), length) ? Tail::Read : abandon();
    }

    Tail skip(std::int64_t length)
    {
        if (length <= 0)
            return Tail::Absent;
        if (length > remaining())
            return abandon();
        const std::int64_t inBuffer = std::min<std::int64_t>(length, static_cast<std::int64_t>(buffer_.size() - at_));
        at_ += static_cast<std::size_t>(inBuffer);
        const std::int64_t rest = length - inBuffer;
        if (rest > 0) {
            if (!device_.seek(device_.pos() + rest))
                return abandon();
            left_ -= rest;
        }
        return Tail::Read;
    }

    // A text tail: read as text when shorter than the text limit, skipped
    // whole when longer, so the records after it stay in step.
    Tail readText(std::int64_t length, std::u16string& text, std::vector<std::uint8_t>& scratch)
    {
        if (length >= kTextTailLimit)
            return skip(length);
        const Tail t = read(length, scratch);
        if (t == Tail::Read) {
            text.assign(scratch.size() / 2, u'\0');
            std::memcpy(text.data(), scratch.data(), text.size() * 2);
        }
        return t;
    }

private:
    static constexpr std::int64_t kChunk = 1 << 20;

    Tail abandon()
    {
        left_ = 0;
        buffer_.clear();
        at_ = 0;
        return Tail::Short;
    }

    bool take(void* into, std::int64_t length)
    {
        auto* out = static_cast<char*>(into);
        while (length > 0) {
            if (at_ == buffer_.size() && !refill())
                return false;
            const std::int64_t n = std::min<std::int64_t>(length, static_cast<std::int64_t>(buffer_.size() - at_));
            std::memcpy(out, buffer_.data() + at_, static_cast<std::size_t>(n));
            at_ += static_cast<std::size_t>(n);
            out += n;
            length -= n;
        }
        return true;
    }

    bool refill()
    {
        const std::int64_t want = std::min(kChunk, left_);
        if (want <= 0)
            return false;
        buffer_.resize(static_cast<std::size_t>(want));
        const qint64 got = device_.read(buffer_.data(), want);
        if (got <= 0) {
            abandon();
            return false;
        }
        buffer_.resize(static_cast<std::size_t>(got));
        at_ = 0;
        left_ -= got;
        return true;
    }

    QIODevice& device_;
    std::int64_t left_;
    std::vector<char> buffer_;
    std::size_t at_ = 0;
};

struct LoadState {
    // The screen whose pixels the loaded coordinates become.
    ScreenMetrics screen;
    bool checkSignature = true;
    bool keep = false;
    bool acceptedBadSignature = false;
    bool cutShort = false;
    std::int32_t version = 0;
    std::int32_t counter = 0;
};

void renumber(ItemRecord& r, LoadState& s)
{
    if (s.keep)
        return;
    r.body.historyState = 0;
    r.body.replacesStep = 0;
    r.body.stepNumber = ++s.counter;
}

// Loads the tails of one record; false when the file ended inside them.
bool loadTails(RecordReader& in, ItemRecord& r, LoadState& s, std::vector<std::uint8_t>& scratch)
{
    ItemBody& b = r.body;
    Tail t = Tail::Absent;
    switch (b.kind) {
    case kinds::kHeader:
        s.version = r.header.formatVersion;
        s.keep = r.header.keepsHistory != 0;
        t = in.readText(b.tailLength, r.text, scratch);
        setPixelsPerUnit(r.header, s.screen);
        recomputeScreenExtent(r.header);
        return t != Tail::Short;
    case kinds::kText:
        syncPixelCoordinates(&r, s.screen);
        t = in.readText(b.tailLength, r.text, scratch);
        if (t != Tail::Short)
            t = in.skip(b.legacyTail1Length);
        if (t != Tail::Short)
            t = in.skip(b.legacyTail2Length);
        break;
    case kinds::kGrid:
        syncPixelCoordinates(&r, s.screen);
        t = in.read(b.tailLength, scratch);
        if (t == Tail::Read) {
            for (std::size_t at = 0; at + sizeof(StoredGridline) <= scratch.size(); at += sizeof(StoredGridline)) {
                StoredGridline g;
                std::memcpy(&g, scratch.data() + at, sizeof g);
                // The anchor rectangle must fit the integer range.
                g.coordinate = std::clamp(g.coordinate, INT32_MIN + kAnchorHalf, INT32_MAX - kAnchorHalf - 1);
                if (g.axis == 1)
                    r.gridListX.push_back({ 0, 0, g.coordinate - kAnchorHalf, 1, g.coordinate + kAnchorHalf + 1, 12 });
                else if (g.axis == 2)
                    r.gridListY.push_back({ 0, 0, 1, g.coordinate - kAnchorHalf, 12, g.coordinate + kAnchorHalf + 1 });
            }
        }
        break;
    case kinds::kPictureStore:
        t = in.read(b.tailLength, scratch);
        if (t == Tail::Read)
            r.imageStream = scratch;
        if (t != Tail::Short)
            t = in.readText(b.length, r.text, scratch);
        return t != Tail::Short;
    default:
        syncPixelCoordinates(&r, s.screen);
        if (kinds::isShape(b.kind)) {
            t = in.read(b.tailLength, scratch);
            if (t == Tail::Read) {
                r.pointList.resize(scratch.size() / sizeof(StoredPoints));
                for (std::size_t i = 0; i < r.pointList.size(); ++i)
                    std::memcpy(&r.pointList[i].data, scratch.data() + i * sizeof(StoredPoints), sizeof(StoredPoints));
            }
        }
        break;
    }
    renumber(r, s);
    return t != Tail::Short;
}

bool readFrom(QIODevice& device, ItemList& list, const ScreenMetrics& screen, UserPrompt& prompt)
{
    RecordReader in(device);
    ItemList work;
    LoadState s;
    s.screen = screen;
    std::vector<std::uint8_t> scratch;
    for (;;) {
        if (in.remaining() < kBodySize)
            break;
        ItemRecord* r = appendBlankRecord(work);
        if (!in.readBody(*r)) {
            freeItem(work, r);
            break;
        }
        if (s.checkSignature && r->body.magic != kRecordMagic) {
            if (prompt.ask(UserPrompt::Kind::Warning, drawingtext::kNotValid, UserPrompt::Buttons::YesNo)
                != UserPrompt::Answer::Yes)
                return false;
            s.checkSignature = false;
            s.acceptedBadSignature = true;
        }
        if (!loadTails(in, *r, s, scratch)) {
            s.cutShort = true;
            break;
        }
    }

    if (!findHeader(work)) {
        // Everything else expects a header: give a headerless file a fresh one, first in the list.
        ItemList fresh;
        createHeader(fresh);
        spliceList(fresh, work);
        work = std::move(fresh);
    }
    // What was read stays, but the drawing counts as changed, so that saving
    // over the damaged file is never silent.
    setModified(work, s.acceptedBadSignature || s.cutShort);
    list = std::move(work);
    if (s.cutShort)
        prompt.ask(UserPrompt::Kind::Warning, drawingtext::kCutShort, UserPrompt::Buttons::Ok);
    if (s.version > kFormatVersion)
        prompt.ask(UserPrompt::Kind::Warning, drawingtext::kNewerVersion, UserPrompt::Buttons::Ok);
    return true;
}

} // namespace

bool writeDrawing(const QString& path, ItemList& list, QString* error)
{
    ItemRecord* header = findHeader(list);
    if (!header) {
        if (error)
            *error = QStringLiteral("The drawing has no header.");
        return false;
    }
    header->header.keepsHistory = 0;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    RecordWriter out(file);
    WriteState state;
    for (ItemRecord& r : list)
        writeRecord(out, list, r, state);
    if (!out.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    setModified(list, false);
    return true;
}

bool readDrawing(const QString& path, ItemList& list, const ScreenMetrics& screen, UserPrompt& prompt, QString* error)
{
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty() || !QFileInfo(trimmed).isFile()) {
        if (error)
            *error = QStringLiteral("The file does not exist.");
        return false;
    }
    QFile file(trimmed);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!readFrom(file, list, screen, prompt)) {
        if (error)
            *error = QStringLiteral("Not a valid Tavelle file.");
        return false;
    }
    return true;
}

bool readDrawingBytes(const QByteArray& bytes, ItemList& list, const ScreenMetrics& screen, UserPrompt& prompt)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readFrom(buffer, list, screen, prompt);
}
