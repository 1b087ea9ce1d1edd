// The progress record in its slot-file form, and the four slot files.
//
// A slot file is the record as the game has always held it in memory: 232 bytes,
// little-endian, no header. Every field is written and read one by one at its
// offset, so the layout of the struct in memory never leaks into the file.

#include "app/UnitMain.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace zb {

namespace {

// Byte offsets of the fields in a slot file.
namespace at {
constexpr std::size_t ownedItems = 0;        // 31 x 1
constexpr std::size_t equippedItems = 31;    // 31 x 1
constexpr std::size_t accelWindowLow = 62;   // 2 x 2, windows 1 and 2
constexpr std::size_t accelWindowHigh = 66;  // 2 x 2
constexpr std::size_t storyFlags = 70;       // 99 x 1, then 3 bytes of padding
constexpr std::size_t bestTime = 172;        // 6 x 4, [length][weather] row by row
constexpr std::size_t bestSpeed = 196;       // 6 x 2, same order
constexpr std::size_t settingViewMode = 208; // 1, then 1 byte of padding
constexpr std::size_t savedMapLeft = 210;
constexpr std::size_t savedMapTop = 212;
constexpr std::size_t savedEyeLeft = 214;
constexpr std::size_t savedEyeTop = 216; // then 2 bytes of padding
constexpr std::size_t points = 220;
constexpr std::size_t subImageAlt = 224; // 1, then 1 byte of padding
constexpr std::size_t winCount = 226;
constexpr std::size_t loseCount = 228; // then 2 bytes of padding to 232
} // namespace at

constexpr std::size_t kItems = std::tuple_size_v<decltype(ProgressRecord::ownedItems)>;
constexpr std::size_t kFlags = std::tuple_size_v<decltype(ProgressRecord::storyFlags)>;

// Each field ends where the next begins, or where the padding before it begins.
static_assert(kItems == 31 && kFlags == static_cast<std::size_t>(kStoryFlagCount));
static_assert(at::equippedItems == at::ownedItems + kItems);
static_assert(at::accelWindowLow == at::equippedItems + kItems);
static_assert(at::accelWindowHigh == at::accelWindowLow + 2 * 2);
static_assert(at::storyFlags == at::accelWindowHigh + 2 * 2);
static_assert(at::bestTime == at::storyFlags + kFlags + 3);
static_assert(at::bestSpeed == at::bestTime + 6 * 4);
static_assert(at::settingViewMode == at::bestSpeed + 6 * 2);
static_assert(at::savedMapLeft == at::settingViewMode + 1 + 1);
static_assert(at::savedMapTop == at::savedMapLeft + 2 && at::savedEyeLeft == at::savedMapTop + 2);
static_assert(at::savedEyeTop == at::savedEyeLeft + 2);
static_assert(at::points == at::savedEyeTop + 2 + 2);
static_assert(at::subImageAlt == at::points + 4);
static_assert(at::winCount == at::subImageAlt + 1 + 1);
static_assert(at::loseCount == at::winCount + 2);
static_assert(kRecordSize == at::loseCount + 2 + 2);

void put16(RecordBytes& b, std::size_t at, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    b[at] = static_cast<std::uint8_t>(u & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(u >> 8);
}

void put32(RecordBytes& b, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
}

std::int16_t get16(const RecordBytes& b, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)));
}

std::int32_t get32(const RecordBytes& b, std::size_t at) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

// "dat\save0N.bin"
std::string slotPath(int slot) {
    return savePath("dat\\save0" + std::to_string(slot) + ".bin");
}

bool validSlot(int slot) {
    return slot >= 1 && slot <= MasterFile::kSlots;
}

} // namespace

RecordBytes encodeRecord(const ProgressRecord& r) {
    RecordBytes b{}; // padding stays 0
    for (std::size_t i = 0; i < kItems; ++i) {
        b[at::ownedItems + i] = r.ownedItems[i];
        b[at::equippedItems + i] = r.equippedItems[i];
    }
    for (std::size_t w = 1; w <= 2; ++w) {
        put16(b, at::accelWindowLow + 2 * (w - 1), r.accelWindowLow[w]);
        put16(b, at::accelWindowHigh + 2 * (w - 1), r.accelWindowHigh[w]);
    }
    for (std::size_t i = 0; i < kFlags; ++i)
        b[at::storyFlags + i] = r.storyFlags[i];
    for (std::size_t d = 0; d < 2; ++d)
        for (std::size_t w = 0; w < 3; ++w) {
            put32(b, at::bestTime + 4 * (3 * d + w), r.bestTime[d][w]);
            put16(b, at::bestSpeed + 2 * (3 * d + w), r.bestSpeed[d][w]);
        }
    b[at::settingViewMode] = r.settingViewMode;
    put16(b, at::savedMapLeft, r.savedMapLeft);
    put16(b, at::savedMapTop, r.savedMapTop);
    put16(b, at::savedEyeLeft, r.savedEyeLeft);
    put16(b, at::savedEyeTop, r.savedEyeTop);
    put32(b, at::points, r.points);
    b[at::subImageAlt] = r.subImageAlt;
    put16(b, at::winCount, r.winCount);
    put16(b, at::loseCount, r.loseCount);
    return b;
}

// Every value is taken as the file has it; none is range-tested here. None of them
// can send the game outside an array:
// - ownedItems, equippedItems and the story flags are only ever compared (== 1,
//   == 0), never used to index anything; a 255 reads as "not 1" and "not 0".
// - accelWindowLow/High are speeds the gearbox compares with the bike's speed and
//   the setting screen shows as numbers.
// - bestTime and bestSpeed are compared at the finish and shown as text.
// - settingViewMode picks one of the two views of the setting screen by comparing
//   with 1 and 2; the setting screen must not index by it.
// - savedMapLeft/Top and savedEyeLeft/Top become control positions: the renderer
//   clips, scrolling only ever moves the map back towards its limits, the eye is
//   put back inside the panel when next placed, and checkPlace only measures
//   distances from the marker's centre to the places.
// - points is shown by setPoints, which caps the display at 9999999.
// - subImageAlt only chooses between two picture names by being non-zero.
// - winCount and loseCount are counted on (capped at 9999) and shown as text.
ProgressRecord decodeRecord(const RecordBytes& b) {
    ProgressRecord r;
    for (std::size_t i = 0; i < kItems; ++i) {
        r.ownedItems[i] = b[at::ownedItems + i];
        r.equippedItems[i] = b[at::equippedItems + i];
    }
    for (std::size_t w = 1; w <= 2; ++w) {
        r.accelWindowLow[w] = get16(b, at::accelWindowLow + 2 * (w - 1));
        r.accelWindowHigh[w] = get16(b, at::accelWindowHigh + 2 * (w - 1));
    }
    for (std::size_t i = 0; i < kFlags; ++i)
        r.storyFlags[i] = b[at::storyFlags + i];
    for (std::size_t d = 0; d < 2; ++d)
        for (std::size_t w = 0; w < 3; ++w) {
            r.bestTime[d][w] = get32(b, at::bestTime + 4 * (3 * d + w));
            r.bestSpeed[d][w] = get16(b, at::bestSpeed + 2 * (3 * d + w));
        }
    r.settingViewMode = b[at::settingViewMode];
    r.savedMapLeft = get16(b, at::savedMapLeft);
    r.savedMapTop = get16(b, at::savedMapTop);
    r.savedEyeLeft = get16(b, at::savedEyeLeft);
    r.savedEyeTop = get16(b, at::savedEyeTop);
    r.points = get32(b, at::points);
    r.subImageAlt = b[at::subImageAlt];
    r.winCount = get16(b, at::winCount);
    r.loseCount = get16(b, at::loseCount);
    return r;
}

void overlayRecord(const std::uint8_t* bytes, std::size_t size, ProgressRecord& r) {
    RecordBytes image = encodeRecord(r);
    std::copy_n(bytes, std::min(size, image.size()), image.begin());
    r = decodeRecord(image);
}

std::string formatSlotStamp(const std::tm& t) {
    char text[96];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    std::string stamp = text;
    // A one-digit hour makes the text one character short: pad the hour.
    if (stamp.size() == 18) stamp.insert(11, "0");
    return stamp;
}

bool TForm1::tsSave(int slot) {
    if (!validSlot(slot)) return false;
    std::string stamp = formatSlotStamp(platform.localTime());
    if (stamp.size() > 255) stamp.resize(255);
    master.slotStamps[static_cast<std::size_t>(slot)] = stamp;
    return masterSave();
}

// Written through a temporary file and a rename: a save that fails part-way
// leaves the slot's earlier file as it was.
bool TForm1::dSave(int slot) {
    if (!validSlot(slot)) return false;
    const RecordBytes bytes = encodeRecord(rec);
    return writeFileAtomically(slotPath(slot), bytes.data(), bytes.size());
}

bool TForm1::dLoad(int slot) {
    if (!validSlot(slot)) return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(slotPath(slot).c_str(), "rb"),
                                                      &std::fclose);
    if (!f) return false;
    RecordBytes bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, f.get());
        if (n == 0) break;
        got += n;
    }
    if (std::ferror(f.get())) return false; // e.g. a folder where the file should be
    overlayRecord(bytes.data(), got, rec);
    return true;
}

} // namespace zb
