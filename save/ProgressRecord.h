#pragma once
// The player's progress: one fixed record that a slot file holds byte for byte,
// and the master file's four slot stamps and frame-background number.

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace zb {

struct ProgressRecord {
    std::array<std::uint8_t, 31> ownedItems{};
    std::array<std::uint8_t, 31> equippedItems{};
    std::array<std::int16_t, 3> accelWindowLow{};  // [1..2], km/h
    std::array<std::int16_t, 3> accelWindowHigh{}; // [1..2], always low + 9
    std::array<std::uint8_t, 99> storyFlags{};
    std::int32_t bestTime[2][3]{};  // [length 0 = 400 m, 1 = 1000 m][weather], 1/100 s
    std::int16_t bestSpeed[2][3]{}; // km/h
    std::uint8_t settingViewMode = 0;
    std::int16_t savedMapLeft = 0;
    std::int16_t savedMapTop = 0;
    std::int16_t savedEyeLeft = 0;
    std::int16_t savedEyeTop = 0;
    std::int32_t points = 0;
    std::uint8_t subImageAlt = 0;
    std::int16_t winCount = 0;
    std::int16_t loseCount = 0;

    bool operator==(const ProgressRecord&) const = default;
};

// A slot file "dat\saveNN.bin" is the record byte for byte: 232 bytes, integers
// little-endian, padding written as 0.
constexpr std::size_t kRecordSize = 232;
using RecordBytes = std::array<std::uint8_t, kRecordSize>;
RecordBytes encodeRecord(const ProgressRecord& r);
ProgressRecord decodeRecord(const RecordBytes& bytes);
// Lays the bytes present over the start of the record (a short slot file changes
// only what it holds); bytes past the record's end are ignored.
void overlayRecord(const std::uint8_t* bytes, std::size_t size, ProgressRecord& r);

// The slot stamp for a moment: "yyyy/mm/dd H:mm:ss" with the hour always in two
// digits ("2009/02/15 05:32:00").
std::string formatSlotStamp(const std::tm& t);

struct MasterFile {
    static constexpr int kSlots = 4;
    std::array<std::string, kSlots + 1> slotStamps; // [1..4]; empty = never saved
    std::uint8_t backImageNo = 0;                   // frame background "img\backNN.bmp"
};

// Byte image of the master file "dat\data.bin" (1025 bytes) and back.
std::array<std::uint8_t, 1025> encodeMaster(const MasterFile& m);
// Reads the bytes present (a short file fills only its start).
void decodeMaster(const std::uint8_t* bytes, std::size_t size, MasterFile& m);

// Writes a whole file through a temporary file beside it, flushed to the disk
// before a rename puts it in place and the folder is flushed after, so neither a
// failure, a killed game nor a power cut leaves a half-written file: the old
// file stays or the new one is there whole. False on any failure.
bool writeFileAtomically(const std::string& nativePath, const std::uint8_t* bytes,
                         std::size_t size);

// A limit on file sizes (ulimit -f) ends a process that writes past it unless
// the signal is ignored; ignored, the write fails and the save says
// "セーブできませんでした". Called once at start-up.
void letFileSizeLimitFailSaves();

} // namespace zb
