// The player's saves: the record's slot-file form, the slot files, the slot
// stamps in the master file, and the data menu played with the mouse.

#include "tests/DataMenuHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;
using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using namespace zb::test;

namespace {

Bytes bytesOf(const ProgressRecord& r) {
    const RecordBytes b = encodeRecord(r);
    return {b.begin(), b.end()};
}

// The first 232 bytes of a file's contents, zero-filled when it is shorter.
RecordBytes asRecord(const Bytes& file) {
    RecordBytes b{};
    std::copy_n(file.begin(), std::min(file.size(), b.size()), b.begin());
    return b;
}

std::int32_t le32(const RecordBytes& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                     static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::int16_t le16(const RecordBytes& b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | b[at + 1] << 8);
}

// A record well into the story, every field different from a fresh game's.
ProgressRecord playedRecord() {
    ProgressRecord r;
    for (std::size_t i : {0u, 2u, 6u, 15u, 22u, 28u})
        r.ownedItems[i] = 1;
    for (std::size_t i : {2u, 15u, 28u})
        r.equippedItems[i] = 1;
    r.accelWindowLow = {0, 120, 250};
    r.accelWindowHigh = {0, 129, 259};
    for (int k = 0; k <= doneRHouse2; ++k)
        r.storyFlags[static_cast<std::size_t>(k)] = 1;
    r.storyFlags[choseToWin] = 1;
    for (std::size_t d = 0; d < 2; ++d)
        for (std::size_t w = 0; w < 3; ++w) {
            r.bestTime[d][w] = static_cast<std::int32_t>(1200 + 100 * d + 10 * w);
            r.bestSpeed[d][w] = static_cast<std::int16_t>(180 + 20 * d + w);
        }
    r.settingViewMode = 1;
    r.savedMapLeft = -150;
    r.savedMapTop = -90;
    r.savedEyeLeft = 200;
    r.savedEyeTop = 100;
    r.points = 123456;
    r.subImageAlt = 1;
    r.winCount = 12;
    r.loseCount = 3;
    return r;
}

void expectSameRecord(const ProgressRecord& got, const ProgressRecord& want) {
    EXPECT_EQ(bytesOf(got), bytesOf(want));
    EXPECT_EQ(got.points, want.points);
    EXPECT_EQ(got.ownedItems, want.ownedItems);
    EXPECT_EQ(got.equippedItems, want.equippedItems);
    EXPECT_EQ(got.storyFlags, want.storyFlags);
    EXPECT_EQ(got.accelWindowLow, want.accelWindowLow);
    EXPECT_EQ(got.accelWindowHigh, want.accelWindowHigh);
    for (std::size_t d = 0; d < 2; ++d)
        for (std::size_t w = 0; w < 3; ++w) {
            EXPECT_EQ(got.bestTime[d][w], want.bestTime[d][w]) << d << "," << w;
            EXPECT_EQ(got.bestSpeed[d][w], want.bestSpeed[d][w]) << d << "," << w;
        }
    EXPECT_EQ(got.settingViewMode, want.settingViewMode);
    EXPECT_EQ(got.winCount, want.winCount);
    EXPECT_EQ(got.loseCount, want.loseCount);
    EXPECT_EQ(got.subImageAlt, want.subImageAlt);
    EXPECT_EQ(got.savedMapLeft, want.savedMapLeft);
    EXPECT_EQ(got.savedMapTop, want.savedMapTop);
    EXPECT_EQ(got.savedEyeLeft, want.savedEyeLeft);
    EXPECT_EQ(got.savedEyeTop, want.savedEyeTop);
}

fs::path slotFile(int n) {
    return fs::path("dat") / ("save0" + std::to_string(n) + ".bin");
}

// --- the data menu, played with the mouse (tests/DataMenuHarness.h) ---

// A game on the map, loaded from a slot written beforehand.
void startOnMapFrom(Game& g, int slot) {
    openLoadMenu(g);
    chooseSlot(g, slot);
    ASSERT_EQ(g.f().screenMode, 2);
}

constexpr std::uint32_t kYellow = rgb(255, 255, 0);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

} // namespace

// ---------------------------------------------------------------------------
// The record's slot-file form

TEST(SaveRecord, FieldsSitAtTheirOffsets) {
    const ProgressRecord r = playedRecord();
    const RecordBytes b = encodeRecord(r);
    ASSERT_EQ(b.size(), 232u);
    EXPECT_EQ(b[0], 1) << "owned item 0";
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[28], 1) << "owned item 28";
    EXPECT_EQ(b[31 + 15], 1) << "fitted item 15";
    EXPECT_EQ(b[31 + 6], 0) << "item 6 is owned, not fitted";
    EXPECT_EQ(le16(b, 62), 120);
    EXPECT_EQ(le16(b, 64), 250);
    EXPECT_EQ(le16(b, 66), 129);
    EXPECT_EQ(le16(b, 68), 259);
    EXPECT_EQ(b[70 + doneOpening0], 1);
    EXPECT_EQ(b[70 + doneRHouse2], 1);
    EXPECT_EQ(b[70 + doneRHouse3], 0);
    EXPECT_EQ(b[70 + choseToWin], 1);
    EXPECT_EQ(b[123], 1) << "choseToWin is byte 123";
    EXPECT_EQ(le32(b, 172), 1200) << "bestTime[0][0]";
    EXPECT_EQ(le32(b, 172 + 4 * 2), 1220) << "bestTime[0][2]";
    EXPECT_EQ(le32(b, 172 + 4 * 5), 1320) << "bestTime[1][2]";
    EXPECT_EQ(le16(b, 196 + 2 * 3), 200) << "bestSpeed[1][0]";
    EXPECT_EQ(b[208], 1);
    EXPECT_EQ(le16(b, 210), -150);
    EXPECT_EQ(b[210], 0x6A);
    EXPECT_EQ(b[211], 0xFF) << "negative numbers in two's complement";
    EXPECT_EQ(le16(b, 212), -90);
    EXPECT_EQ(le16(b, 214), 200);
    EXPECT_EQ(le16(b, 216), 100);
    EXPECT_EQ(le32(b, 220), 123456);
    EXPECT_EQ(b[220], 0x40) << "little-endian: the low byte first";
    EXPECT_EQ(b[224], 1);
    EXPECT_EQ(le16(b, 226), 12);
    EXPECT_EQ(le16(b, 228), 3);
    for (std::size_t pad : {169u, 170u, 171u, 209u, 218u, 219u, 225u, 230u, 231u})
        EXPECT_EQ(b[pad], 0) << "padding at " << pad;
}

TEST(SaveRecord, AFreshGamesRecordInBytes) {
    GameFolder folder;
    Game g;
    const RecordBytes b = encodeRecord(g.f().rec);
    for (std::size_t i = 0; i < 62; ++i)
        EXPECT_EQ(b[i], 0) << "item byte " << i;
    EXPECT_EQ(le16(b, 62), 1);
    EXPECT_EQ(le16(b, 66), 10);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(le32(b, 172 + 4 * i), 9999) << "no best time yet";
    EXPECT_EQ(le32(b, 220), 0);
}

TEST(SaveRecord, DecodeIsTheInverseOfEncode) {
    const ProgressRecord r = playedRecord();
    expectSameRecord(decodeRecord(encodeRecord(r)), r);

    // Any bytes come back as they were, except padding, which is written as 0.
    std::mt19937 gen(20090215);
    for (int round = 0; round < 20; ++round) {
        RecordBytes in{};
        for (auto& x : in)
            x = static_cast<std::uint8_t>(gen());
        RecordBytes want = in;
        for (std::size_t pad : {169u, 170u, 171u, 209u, 218u, 219u, 225u, 230u, 231u})
            want[pad] = 0;
        EXPECT_EQ(encodeRecord(decodeRecord(in)), want);
    }
}

TEST(SaveRecord, ExtremeValuesSurviveTheRoundTrip) {
    RecordBytes ff;
    ff.fill(0xFF);
    const ProgressRecord r = decodeRecord(ff);
    EXPECT_EQ(r.points, -1);
    EXPECT_EQ(r.winCount, -1);
    EXPECT_EQ(r.bestTime[1][2], -1);
    EXPECT_EQ(r.savedEyeLeft, -1);
    EXPECT_EQ(r.settingViewMode, 255);
    EXPECT_EQ(r.storyFlags[98], 255);

    ProgressRecord big;
    big.points = INT32_MIN;
    big.bestTime[0][1] = INT32_MAX;
    big.loseCount = INT16_MIN;
    big.savedMapTop = INT16_MAX;
    expectSameRecord(decodeRecord(encodeRecord(big)), big);
}

TEST(SaveRecord, OverlayChangesOnlyTheBytesGiven) {
    ProgressRecord r = playedRecord();
    const RecordBytes before = encodeRecord(r);
    RecordBytes incoming{};
    incoming.fill(0x5A);
    overlayRecord(incoming.data(), 221, r); // ends inside `points`
    const RecordBytes after = encodeRecord(r);
    for (std::size_t i = 0; i < 221; ++i) {
        const bool padding = i == 169 || i == 170 || i == 171 || i == 209 || i == 218 || i == 219;
        EXPECT_EQ(after[i], padding ? 0 : 0x5A) << "byte " << i;
    }
    for (std::size_t i = 221; i < 232; ++i)
        EXPECT_EQ(after[i], before[i]) << "byte " << i;
    // The low byte of the balance came from the file, the rest stayed.
    EXPECT_EQ(r.points, (123456 & ~0xFF) | 0x5A);
}

// ---------------------------------------------------------------------------
// Slot stamps

TEST(SaveStamp, HourIsAlwaysTwoDigits) {
    using HP = HeadlessPlatform;
    EXPECT_EQ(formatSlotStamp(HP::makeLocalTime(2009, 2, 15, 15, 32, 0)), "2009/02/15 15:32:00");
    EXPECT_EQ(formatSlotStamp(HP::makeLocalTime(2009, 2, 15, 5, 32, 0)), "2009/02/15 05:32:00");
    EXPECT_EQ(formatSlotStamp(HP::makeLocalTime(2009, 2, 15, 9, 5, 7)), "2009/02/15 09:05:07");
    EXPECT_EQ(formatSlotStamp(HP::makeLocalTime(2010, 12, 31, 0, 0, 0)), "2010/12/31 00:00:00");
    EXPECT_EQ(formatSlotStamp(HP::makeLocalTime(2010, 1, 1, 23, 59, 59)), "2010/01/01 23:59:59");
}

TEST(SaveStamp, OneDigitHourIsShownWrittenAndKeptAfterARestart) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    const std::string want = "2009/02/15 09:05:07";
    {
        Game g;
        startOnMapFrom(g, 1);
        g.platform.localNow = HeadlessPlatform::makeLocalTime(2009, 2, 15, 9, 5, 7);
        pressSaveButton(g);
        chooseSlot(g, 2);
        EXPECT_EQ(g.f().line1->caption(), "スロット 2 にセーブしました");
        EXPECT_EQ(g.f().stampLabel[2]->caption(), want);
        EXPECT_EQ(g.f().master.slotStamps[2], want);
    }
    const Bytes master = readAll("dat/data.bin");
    ASSERT_EQ(master.size(), 1025u);
    EXPECT_EQ(master[256], want.size()) << "slot 2's length byte";
    EXPECT_EQ(std::string(master.begin() + 257, master.begin() + 257 + 19), want);
    EXPECT_EQ(master[0], 0) << "slot 1 was never saved";
    EXPECT_EQ(master[1024], 1);

    Game again;
    EXPECT_EQ(again.f().stampLabel[2]->caption(), want);
    EXPECT_EQ(again.f().stampLabel[1]->caption(), "NO DATA");
}

// ---------------------------------------------------------------------------
// Slot files through the game

TEST(SaveSlot, ASavedSlotRestoresTheGameInAFreshStart) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(ProgressRecord{}));
    ProgressRecord want = playedRecord();
    {
        Game g;
        startOnMapFrom(g, 1);
        TForm1& f = g.f();
        // The player has raced, shopped and moved about since.
        f.rec = want;
        f.map->setPos(-120, -80);
        f.eye->setPos(180, 90);
        pressSaveButton(g);
        ASSERT_EQ(f.screenMode, 11);
        chooseSlot(g, 2);
        EXPECT_EQ(f.line1->caption(), "スロット 2 にセーブしました");
    }
    want.savedMapLeft = -120;
    want.savedMapTop = -80;
    want.savedEyeLeft = 180;
    want.savedEyeTop = 90;
    const Bytes file = readAll(slotFile(2));
    ASSERT_EQ(file.size(), 232u);
    EXPECT_EQ(file, bytesOf(want));
    EXPECT_FALSE(fs::exists("dat/save02.bin.tmp"));

    Game g;
    TForm1& f = g.f();
    openLoadMenu(g);
    EXPECT_EQ(f.infoLabel->caption(), "データロード");
    chooseSlot(g, 2);
    ASSERT_EQ(f.screenMode, 2);
    expectSameRecord(f.rec, want);
    EXPECT_EQ(f.map->left, -120);
    EXPECT_EQ(f.map->top, -80);
    EXPECT_EQ(f.eye->left, 180);
    EXPECT_EQ(f.eye->top, 90);
    EXPECT_EQ(f.ptsLabel->caption(), "123456");
    EXPECT_EQ(g.app.idle().name, "AppMap");
    EXPECT_FALSE(f.savePanel->visible);
    EXPECT_FALSE(f.infoPanel->visible);
    EXPECT_FALSE(f.commonBackButton->visible);
    EXPECT_TRUE(f.mapPanel->visible);
    EXPECT_TRUE(f.saveButton->visible);
}

TEST(SaveSlot, ShortFileOverlaysOnlyTheBytesPresent) {
    GameFolder folder;
    const RecordBytes incoming = encodeRecord(playedRecord());
    writeAll(slotFile(3), Bytes(incoming.begin(), incoming.begin() + 221));
    Game g;
    TForm1& f = g.f();
    f.rec.points = 0x11223344;
    f.rec.winCount = 77;
    f.rec.savedEyeLeft = 210;
    f.rec.savedEyeTop = 110;
    const RecordBytes before = encodeRecord(f.rec);

    openLoadMenu(g);
    chooseSlot(g, 3);
    ASSERT_EQ(f.screenMode, 2) << "a short file still loads";
    const RecordBytes after = encodeRecord(f.rec);
    for (std::size_t i = 0; i < 221; ++i)
        EXPECT_EQ(after[i], incoming[i]) << "byte " << i;
    for (std::size_t i = 221; i < 232; ++i)
        EXPECT_EQ(after[i], before[i]) << "byte " << i;
    EXPECT_EQ(f.rec.points, 0x11223340) << "only the low byte of the balance was in the file";
    EXPECT_EQ(f.rec.winCount, 77);
    EXPECT_EQ(f.rec.storyFlags[doneRHouse2], 1);
    EXPECT_EQ(f.rec.savedEyeLeft, 200) << "the eye's position was in the file";
}

TEST(SaveSlot, LongFileUsesItsFirst232Bytes) {
    GameFolder folder;
    Bytes file = bytesOf(playedRecord());
    file.resize(400, 0xEE);
    writeAll(slotFile(4), file);
    Game g;
    openLoadMenu(g);
    chooseSlot(g, 4);
    ASSERT_EQ(g.f().screenMode, 2);
    expectSameRecord(g.f().rec, playedRecord());
}

TEST(SaveSlot, MissingFileFailsAndTheMenuStays) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    Game g;
    TForm1& f = g.f();
    const Bytes before = bytesOf(f.rec);
    openLoadMenu(g);
    chooseSlot(g, 2);
    EXPECT_EQ(f.line1->caption(), "ロードできませんでした");
    EXPECT_EQ(bytesOf(f.rec), before) << "the record is untouched";
    EXPECT_EQ(f.screenMode, 12);
    EXPECT_TRUE(f.savePanel->visible);
    EXPECT_TRUE(f.commonBackButton->visible);
    EXPECT_EQ(g.app.idle().name, "AppDataMenuCursor");

    // Another slot can still be chosen.
    chooseSlot(g, 1);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.rec.points, 123456);
}

TEST(SaveSlot, AFolderInPlaceOfTheSlotFileIsAFailedLoad) {
    GameFolder folder;
    fs::create_directory(slotFile(2));
    Game g;
    const Bytes before = bytesOf(g.f().rec);
    openLoadMenu(g);
    chooseSlot(g, 2);
    EXPECT_EQ(g.f().line1->caption(), "ロードできませんでした");
    EXPECT_EQ(bytesOf(g.f().rec), before);
    EXPECT_EQ(g.f().screenMode, 12);
}

TEST(SaveSlot, FailedSaveKeepsTheEarlierFileByteForByte) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    Game g;
    TForm1& f = g.f();
    startOnMapFrom(g, 1);
    pressSaveButton(g);
    chooseSlot(g, 3);
    const Bytes first = readAll(slotFile(3));
    ASSERT_EQ(first.size(), 232u);
    const std::string firstStamp = f.stampLabel[3]->caption();

    // The temporary file cannot be made: a folder stands in its place.
    fs::create_directory("dat/save03.bin.tmp");
    f.rec.points = 999;
    f.rec.storyFlags[doneLast1] = 1;
    g.platform.localNow = HeadlessPlatform::makeLocalTime(2010, 6, 1, 12, 0, 0);
    chooseSlot(g, 3);
    EXPECT_EQ(f.line1->caption(), "セーブできませんでした");
    EXPECT_EQ(readAll(slotFile(3)), first);
    EXPECT_EQ(f.stampLabel[3]->caption(), firstStamp) << "the row keeps the stamp of its file";
    EXPECT_EQ(f.master.slotStamps[3], firstStamp) << "and so does the master file";
    EXPECT_EQ(f.screenMode, 11);
    Game restarted; // the next start shows the stamp of the save that happened
    EXPECT_EQ(restarted.f().stampLabel[3]->caption(), firstStamp);
}

TEST(SaveSlot, BothFilesAreTriedEvenWhenTheMasterFileFails) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    Game g;
    TForm1& f = g.f();
    startOnMapFrom(g, 1);
    fs::create_directory("dat/data.bin.tmp");
    const Bytes master = readAll("dat/data.bin");
    f.rec.points = 4242;
    pressSaveButton(g);
    chooseSlot(g, 4);
    EXPECT_EQ(f.line1->caption(), "セーブできませんでした");
    EXPECT_EQ(readAll("dat/data.bin"), master);
    const Bytes slot = readAll(slotFile(4));
    ASSERT_EQ(slot.size(), 232u) << "the slot file was still written";
    EXPECT_EQ(le32(asRecord(slot), 220), 4242);
    EXPECT_EQ(f.dataLabel[4]->fontColour, kWhite) << "a failed save is not marked";
}

TEST(SaveSlot, FullOfFFLoadsAndTheMapKeepsRunning) {
    GameFolder folder;
    writeAll(slotFile(1), Bytes(232, 0xFF));
    Game g;
    TForm1& f = g.f();
    openLoadMenu(g);
    chooseSlot(g, 1);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.rec.points, -1);
    EXPECT_EQ(f.rec.settingViewMode, 255);
    EXPECT_EQ(f.eye->left, -1);
    g.run(2000);
    EXPECT_FALSE(g.app.terminated());
    EXPECT_TRUE(g.platform.messages.empty());
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_EQ(g.app.idle().name, "AppMap");
    // The player can still hold the button on the map and let go.
    g.press(250, 120);
    g.run(200);
    g.release(250, 120);
    g.run(200);
    EXPECT_FALSE(g.app.terminated());
    EXPECT_TRUE(g.platform.messages.empty());
}

// ---------------------------------------------------------------------------
// The master file

TEST(SaveMaster, DeletedMasterShowsNoDataButSlotsStillLoad) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(ProgressRecord{}));
    {
        Game g;
        startOnMapFrom(g, 1);
        g.f().rec.points = 5150;
        pressSaveButton(g);
        chooseSlot(g, 2);
        ASSERT_EQ(g.f().line1->caption(), "スロット 2 にセーブしました");
    }
    ASSERT_NE(readAll("dat/data.bin")[256], 0);
    fs::remove("dat/data.bin");

    Game g;
    for (std::size_t i = 1; i <= 4; ++i)
        EXPECT_EQ(g.f().stampLabel[i]->caption(), "NO DATA");
    EXPECT_EQ(readAll("dat/data.bin").size(), 1025u) << "made again at the start";
    openLoadMenu(g);
    chooseSlot(g, 2);
    ASSERT_EQ(g.f().screenMode, 2);
    EXPECT_EQ(g.f().rec.points, 5150);
}

// ---------------------------------------------------------------------------
// The data menu

TEST(SaveMenu, LoadMenuOpensFromTheTitle) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    openLoadMenu(g);
    EXPECT_EQ(f.screenMode, 12);
    EXPECT_EQ(f.infoLabel->caption(), "データロード");
    EXPECT_TRUE(f.infoPanel->visible);
    EXPECT_TRUE(f.savePanel->visible);
    EXPECT_TRUE(f.commonBackButton->visible);
    EXPECT_EQ(f.line1->caption(), "スロットを選択してください");
    EXPECT_EQ(f.line2->caption(), "");
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(f.lines[i]->left, 12);
        EXPECT_EQ(f.lines[i]->top, static_cast<int>(292 + 21 * (i - 1)));
    }
    EXPECT_EQ(g.app.idle().name, "AppDataMenuCursor");
    EXPECT_EQ(g.app.idle().period, kCursorPeriod);
}

TEST(SaveMenu, PointerOverARowPutsTheCursorThere) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    openLoadMenu(g);
    for (int row = 1; row <= 4; ++row) {
        hoverRow(g, row);
        EXPECT_TRUE(f.dataCursor->visible);
        EXPECT_EQ(f.dataCursor->top, kCursorTops[row]) << "row label " << row;
        EXPECT_EQ(f.dataCursor->left, 9);
    }
    hoverStamp(g, 2);
    EXPECT_EQ(f.dataCursor->top, 24) << "the stamp counts as its row";

    // Sliding off the cursor hides it.
    g.platform.mouseMove(kMenuLeft + 253, kMenuTop + 33);
    g.flush();
    ASSERT_TRUE(f.dataCursor->visible);
    g.platform.mouseMove(kMenuLeft + 262, kMenuTop + 33); // the menu's edge, past the bar
    g.flush();
    EXPECT_FALSE(f.dataCursor->visible);

    // Leaving the menu's background hides it too.
    hoverRow(g, 3);
    g.platform.mouseMove(kMenuLeft + 262, kMenuTop + 52);
    g.flush();
    f.dataCursor->visible = true;
    g.platform.mouseMove(kMenuLeft + 300, kMenuTop + 52); // off the menu
    g.flush();
    EXPECT_FALSE(f.dataCursor->visible);
}

TEST(SaveMenu, CursorBlinksThroughItsThreeFrames) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    openLoadMenu(g);
    f.cursorPhase = 0;
    const char* frames[] = {"dataCursor1", "dataCursor2", "dataCursor3", "dataCursor1"};
    for (const char* frame : frames) {
        g.run(kCursorPeriod + 1);
        EXPECT_EQ(f.dataCursor->picture(), f.stock.get(frame)) << frame;
    }
    EXPECT_EQ(f.cursorPhase, 1);
}

TEST(SaveMenu, ClickOnTheRowTextChoosesTheRowUnderTheCursor) {
    GameFolder folder;
    writeAll(slotFile(2), bytesOf(playedRecord()));
    Game g;
    openLoadMenu(g);
    // A press on a row the cursor does not stand on does nothing.
    hoverRow(g, 1);
    g.f().dataCursor->top = kCursorTops[3];
    g.click(kMenuLeft + 30, kMenuTop + kRowTops[2] + 6);
    EXPECT_EQ(g.f().screenMode, 12);
    EXPECT_EQ(g.f().line1->caption(), "スロットを選択してください");
    // On the row the cursor marks, it is a press on the cursor.
    hoverStamp(g, 2);
    g.click(kMenuLeft + 110, kMenuTop + kRowTops[2] + 6);
    EXPECT_EQ(g.f().screenMode, 2);
    EXPECT_EQ(g.f().rec.points, 123456);
}

TEST(SaveMenu, RightButtonOnTheCursorDoesNothing) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    Game g;
    openLoadMenu(g);
    hoverRow(g, 1);
    g.click(kMenuLeft + 253, kMenuTop + kCursorTops[1] + 9, MouseButton::Right);
    EXPECT_EQ(g.f().screenMode, 12);
    EXPECT_EQ(g.f().rec.points, 0);
}

TEST(SaveMenu, SaveButtonOpensTheSaveMenuOverTheFrameBackground) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    Game g;
    TForm1& f = g.f();
    startOnMapFrom(g, 1);
    g.press(494, 293);
    EXPECT_EQ(f.saveButton->picture(), f.stock.get("saveButton2")) << "pressed";
    EXPECT_EQ(f.screenMode, 2);
    g.release(494, 293);
    EXPECT_EQ(f.saveButton->picture(), f.stock.get("saveButton1"));
    EXPECT_EQ(f.screenMode, 11);
    EXPECT_EQ(f.infoLabel->caption(), "データセーブ");
    EXPECT_TRUE(f.savePanel->visible);
    EXPECT_TRUE(f.commonBackButton->visible);
    EXPECT_FALSE(f.mapPanel->visible);
    EXPECT_TRUE(f.backImg->visible);
    EXPECT_EQ(f.line1->caption(), "スロットを選択してください");
    EXPECT_EQ(g.app.idle().name, "AppDataMenuCursor");
}

TEST(SaveMenu, SavingToSlot3MarksRow3Yellow) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    Game g;
    TForm1& f = g.f();
    startOnMapFrom(g, 1);
    pressSaveButton(g);
    g.platform.localNow = HeadlessPlatform::makeLocalTime(2009, 3, 1, 21, 4, 59);
    chooseSlot(g, 3);
    EXPECT_EQ(f.line1->caption(), "スロット 3 にセーブしました");
    EXPECT_EQ(f.dataLabel[3]->fontColour, kYellow);
    EXPECT_EQ(f.stampLabel[3]->fontColour, kYellow);
    EXPECT_EQ(f.stampLabel[3]->caption(), "2009/03/01 21:04:59");
    for (std::size_t row : {1u, 2u, 4u}) {
        EXPECT_EQ(f.dataLabel[row]->fontColour, kWhite) << row;
        EXPECT_EQ(f.stampLabel[row]->caption(), "NO DATA") << row;
    }
    // A second save in the same visit keeps row 3 yellow.
    chooseSlot(g, 1);
    EXPECT_EQ(f.dataLabel[3]->fontColour, kYellow);
    EXPECT_EQ(f.dataLabel[1]->fontColour, kYellow);

    // Back on the map and into the menu again: every row is white.
    f.commonBackButtonClick();
    ASSERT_EQ(f.screenMode, 2);
    pressSaveButton(g);
    ASSERT_EQ(f.screenMode, 11);
    for (std::size_t row = 1; row <= 4; ++row) {
        EXPECT_EQ(f.dataLabel[row]->fontColour, kWhite) << row;
        EXPECT_EQ(f.stampLabel[row]->fontColour, kWhite) << row;
    }
    EXPECT_EQ(f.stampLabel[3]->caption(), "2009/03/01 21:04:59");
}

TEST(SaveMenu, SavingKeepsTheMapWhereItWas) {
    GameFolder folder;
    writeAll(slotFile(1), bytesOf(playedRecord()));
    Game g;
    TForm1& f = g.f();
    startOnMapFrom(g, 1);
    f.map->setPos(-33, -44);
    f.eye->setPos(55, 66);
    pressSaveButton(g);
    chooseSlot(g, 2);
    EXPECT_EQ(f.rec.savedMapLeft, -33);
    EXPECT_EQ(f.rec.savedMapTop, -44);
    EXPECT_EQ(f.rec.savedEyeLeft, 55);
    EXPECT_EQ(f.rec.savedEyeTop, 66);
    const RecordBytes b = asRecord(readAll(slotFile(2)));
    EXPECT_EQ(le16(b, 210), -33);
    EXPECT_EQ(le16(b, 216), 66);
}

TEST(SaveMenu, LoadingSelectsThePlaceUnderTheMarker) {
    GameFolder folder;
    // The driving school (place 2, at 360, 280 on the city map) is open before
    // the island; the marker was saved with its centre right on it.
    ProgressRecord r = playedRecord();
    r.savedMapLeft = -200;
    r.savedMapTop = -200;
    r.savedEyeLeft = 160 - 13;
    r.savedEyeTop = 80 - 12;
    writeAll(slotFile(1), bytesOf(r));
    Game g;
    TForm1& f = g.f();
    ASSERT_EQ(f.currentPlace, 0);
    openLoadMenu(g);
    chooseSlot(g, 1);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.currentPlace, 2);
    EXPECT_TRUE(f.goButton->visible) << "the place can be entered at once";

    // Saved a little off the place, nothing is selected.
    r.savedEyeLeft = 160 - 13 + 120;
    writeAll(slotFile(2), bytesOf(r));
    Game other;
    openLoadMenu(other);
    chooseSlot(other, 2);
    ASSERT_EQ(other.f().screenMode, 2);
    EXPECT_EQ(other.f().currentPlace, 0);
}
