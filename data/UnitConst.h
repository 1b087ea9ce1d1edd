#pragma once
// The game's constant tables shared by several parts of the game: the machines,
// the places and the items (lesson texts join them here).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zb {

// One machine: its number, the picture id its rider pictures are named after
// ("img\" + id + frame + ".bmp") and the name the race screen shows. Machine 1
// is the hero's bike; 2..20 are the rivals. Number 21 is no machine: it marks a
// race the player only watches.
struct Machine {
    int no;
    std::string_view pictureId;
    std::string_view displayName;
};

constexpr int kMachineCount = 20;
constexpr int kWatchedRace = 21;

// clang-format off
constexpr std::array<Machine, kMachineCount> kMachines = {{
    // no.  picture id       display name
    { 1, "PIZZA",         "乙木PIZZA"},
    { 2, "EVR_TYPE_D",    "EVR - Type D"},
    { 3, "EVR_TYPE_S",    "EVR - Type S"},
    { 4, "FAKE",          "FAKE"},
    { 5, "DOG_Y",         "DOG"},
    { 6, "SFT",           "SFT"},
    { 7, "SEEBOSS",       "シーボス"},
    { 8, "IDUCHIPR",      "猪槌"},
    { 9, "IDUCHIRP",      "猪槌"},
    {10, "IDUCHIR",       "猪槌"},
    {11, "G_HOUND_N",     "G HOUND"},
    {12, "G_HOUND",       "G HOUND"},
    {13, "ZINGO_2000",    "ZINGO 2000"},
    {14, "ZINGO_2000_N",  "ZINGO 2000"},
    {15, "KANATA",        "新幹線かなた"},
    {16, "DOG_T",         "SKY DOG"},
    {17, "TRUCK",         "トラック"},
    {18, "DOG_B",         "DOG"},
    {19, "DOG_Y",         "DOG"},
    {20, "DOG_R",         "DOG"},
}};
// clang-format on

static_assert(kMachines.size() == kMachineCount);

namespace detail {
constexpr bool machinesNumberedInOrder() {
    for (std::size_t i = 0; i < kMachines.size(); ++i)
        if (kMachines[i].no != static_cast<int>(i) + 1) return false;
    return true;
}
} // namespace detail
static_assert(detail::machinesNumberedInOrder(), "row i of the machine table is machine i");

// The machine of that number; null for a number that is not a machine (0, 21 ...).
constexpr const Machine* findMachine(int no) {
    if (no < 1 || no > kMachineCount) return nullptr;
    return &kMachines[static_cast<std::size_t>(no - 1)];
}

// ---------------------------------------------------------------------------
// The places of the map, numbered 1..20 (0 is no place). Each has the title and
// the two lines the information panel prints as they stand (with their leading
// full-width space), and its point in pixels of the map picture it belongs to:
// the city ("img\map1.bmp", later "img\map3.bmp") or the island ("img\map2.bmp").
enum class PlaceMap { City, Island };

struct Place {
    int no;
    std::string_view title;
    std::string_view line1;
    std::string_view line2;
    int x, y;
    PlaceMap map;
};

constexpr int kPlaceCount = 20;

// clang-format off
constexpr std::array<Place, kPlaceCount> kPlaces = {{
    // no. title                         line 1                                   line 2                                   x    y   map
    { 1, "【 神奈玉商店街 】",         "　神奈玉駅近くの商店街",                 "　売れないピザ屋・『乙木ピザ』がある",   490, 220, PlaceMap::City},
    { 2, "【 教習所 】",               "　バイクの操作方法はこちらで！",         "　何度でも行くことができる",             360, 280, PlaceMap::City},
    { 3, "【 神奈玉駅 】",             "　地下鉄から新幹線まで多様な",           "　アクセスを提供する神奈玉の心臓部分",   460, 170, PlaceMap::City},
    { 4, "【 玉崎街道 】",             "　南北に大きく伸びる街道",               "　所々に駐車場付き大型店舗がある",       440, 530, PlaceMap::City},
    { 5, "【 ショップ 】",             "　バイクのパーツ・オプション専門店",     "　",                                     140, 380, PlaceMap::City},
    { 6, "【 神奈玉スタジアム 】",     "　大型イベントで使用される屋外競技場",   "　全天候型サーキットを内包する",         620, 140, PlaceMap::City},
    { 7, "【 神奈玉ベイシティ 】",     "　神奈玉公園駅周辺エリア",               "　各種観光スポットや高級住宅街がある",   670, 410, PlaceMap::City},
    { 8, "【 ライダーズハウス 】",     "　県外からのライダーが宿泊する",         "　貸しアパートのような施設",             140, 610, PlaceMap::City},
    { 9, "【 ベイストリート 】",       "　神奈玉ベイブリッジに面したストリート", "　定番のドライビングスポット",           770, 355, PlaceMap::City},
    {10, "【 玉崎街道 】",             "　南北に大きく伸びる街道",               "　所々に駐車場付き大型店舗がある",       500, 310, PlaceMap::City},
    {11, "【 神奈玉港 】",             "　船舶による輸出入の玄関口",             "　湾岸には重工業施設がそびえ立つ",       820, 420, PlaceMap::City},
    {12, "【 ゴミの山アイランド 】",   "　都会で排出された廃棄物の最終処分場",   "　",                                     210,  65, PlaceMap::Island},
    {13, "【 草レース場 】",           "　強制労働者達の夜の溜まり場",           "　冷たい風が吹き荒れる",                 165,  60, PlaceMap::Island},
    {14, "【 がらくた屋 】",           "　ゴミを加工して作製したパーツを",       "　販売しているショップ",                 190, 100, PlaceMap::Island},
    {15, "【 定期連絡港 】",           "　本土から来るゴミ輸送船の受入口",       "　",                                     255, 140, PlaceMap::Island},
    {16, "【 高速道路 】",             "　神奈玉と東京を繋ぐ高速道路",           "　",                                     760,  40, PlaceMap::City},
    {17, "【 地蔵通り 】",             "　ストリートレースに挑戦",               "　",                                      40,  20, PlaceMap::City},
    {18, "【 幹線道路 】",             "　ストリートレースに挑戦",               "　",                                     330, 490, PlaceMap::City},
    {19, "【 湾岸ストリート 】",       "　ストリートレースに挑戦",               "　",                                     710, 460, PlaceMap::City},
    {20, "【 道路 】",                 "　ストリートレースに挑戦",               "　",                                     185, 170, PlaceMap::Island},
}};
// clang-format on

static_assert(kPlaces.size() == kPlaceCount);

namespace detail {
constexpr bool placesNumberedInOrder() {
    for (std::size_t i = 0; i < kPlaces.size(); ++i)
        if (kPlaces[i].no != static_cast<int>(i) + 1) return false;
    return true;
}
// Every text fits the 255-byte short string the game keeps it in.
constexpr bool placeTextsFit() {
    for (const Place& p : kPlaces)
        if (p.title.size() > 255 || p.line1.size() > 255 || p.line2.size() > 255) return false;
    return true;
}
} // namespace detail
static_assert(detail::placesNumberedInOrder(), "row i of the place table is place i");
static_assert(detail::placeTextsFit());

// The place of that number; null for 0 and numbers above 20.
constexpr const Place* findPlace(int no) {
    if (no < 1 || no > kPlaceCount) return nullptr;
    return &kPlaces[static_cast<std::size_t>(no - 1)];
}

// ---------------------------------------------------------------------------
// The items of the parts shop, numbered 0..30. Names are padded with ASCII
// spaces to 21 bytes as the game counts them (Shift-JIS: a full-width character
// takes 2 bytes), so that the lists show a column; item 29 is 22 bytes and has
// no padding. Items 10, 21 and 30 are separators between the three groups:
// the first tab of parts (0..9), the second (11..20) and the options (22..29). Names are compared
// with their padding. Prices are in points.
struct Item {
    int no;
    std::string_view name;
    std::string_view line1;
    std::string_view line2;
    std::int16_t price;
};

constexpr int kItemCount = 31;
constexpr int kNoItem = 31; // what a lookup gives for a text that names no item
constexpr std::string_view kItemSeparator = "--------------------";
constexpr std::size_t kItemNameWidth = 21;

// clang-format off
constexpr std::array<Item, kItemCount> kItems = {{
    // no. name (padded)             description line 1, line 2                              price
    { 0, "ＬＣコンピュータ     ", "エンジンのリミッターを解除し、", "１８０km/h超の速度を出せるようにする", 500},
    { 1, "ＥＸキャブレタ       ", "燃焼効率を上昇させ、", "全体的な加速性能を向上", 5200},
    { 2, "ＰＦＬプラス         ", "燃料装置の拡張パーツ。", "最高速と加速を上昇させる", 4400},
    { 3, "ＨＰラジエータ       ", "高い冷却性能を誇る新型ラジエータ。", "最高速と高速域の加速を上昇させる", 2800},
    { 4, "鍛造シリンダー       ", "圧縮成型金属のハイコストシリンダー。", "最高速と中速域の加速性能を向上", 1900},
    { 5, "ＤＬＣフォーク       ", "ダイヤモンドライクカーボンコーティングの", "フロントフォーク。低速域の加速性能を向上", 3200},
    { 6, "ボアアップキット①   ", "排気量を拡大し、エンジンパワーを増大させ、", "最高速を上昇させるキット①", 1000},
    { 7, "ボアアップキット②   ", "排気量を拡大し、エンジンパワーを増大させ、", "最高速を上昇させるキット②", 2000},
    { 8, "ボアアップキット③   ", "排気量を拡大し、エンジンパワーを増大させ、", "最高速を上昇させるキット③", 3000},
    { 9, "ボアアップキット④   ", "排気量を拡大し、エンジンパワーを増大させ、", "最高速を上昇させるキット④", 4000},
    {10, "--------------------", "--------------------", "--------------------", 0},
    {11, "レーシングタイヤ     ", "グリップに特化した晴れの日用のレースタイヤ。", "", 1800},
    {12, "レインタイヤ         ", "排水性に特化した雨の日用のレースタイヤ。", "", 1800},
    {13, "レーシングマフラー   ", "スタンダードなレース用マフラー。", "晴れの日に性能を発揮する", 2300},
    {14, "リキッドマフラー     ", "多湿環境に適したマフラー。", "雨の日に性能を発揮する", 2300},
    {15, "５速ＭＴ             ", "ギヤを５速まで拡張するキット。", "ギヤ比は変動しない", 1100},
    {16, "６速ＭＴ             ", "ギヤを６速まで拡張するキット。", "ギヤ比は変動しない", 0},
    {17, "ウインドシールド     ", "高速域の加速性能を向上させ、", "風による空気抵抗を減らす", 4500},
    {18, "トリートメント       ", "タイヤに塗ることでグリップ力を上げる。", "低速域の加速性能を向上", 2700},
    {19, "軽量化キット①       ", "車体の軽量化によって加速性能を", "上昇させるキット①", 3700},
    {20, "軽量化キット②       ", "車体の軽量化によって加速性能を", "上昇させるキット②", 3700},
    {21, "--------------------", "--------------------", "--------------------", 0},
    {22, "ブレーキ             ", "ブレーキ機能をつける。", "ブレーキボタンを右クリックで使用する", 1000},
    {23, "オートクラッチ       ", "クラッチ操作なしでギヤチェンジが可能に。矢印ボタンを", "左クリックで操作する。マウスジェスチャが苦手な方に", 700},
    {24, "初心者マーク         ", "装着するとストリートレースで速い敵が出にくくなる。", "【参考】敵の速さ(遅 ⇒ 速)：青 ⇒ 黄 ⇒ 赤", 200},
    {25, "熟達者マーク         ", "装着するとストリートレースで遅い敵が出にくくなる。", "【参考】敵の速さ(遅 ⇒ 速)：青 ⇒ 黄 ⇒ 赤", 1600},
    {26, "変速アクセラレータ① ", "        ～         km/hでギヤチェンジすると", "速度を瞬間的に上昇させるオプション①", 8000},
    {27, "変速アクセラレータ② ", "        ～         km/hでギヤチェンジすると", "速度を瞬間的に上昇させるオプション②", 8000},
    {28, "お天気ナビ           ", "マップ画面に天気予報を表示する。", "", 1200},
    {29, "バランス崩壊オプション", "【どうしても勝てない方へ】ゲームバランス崩壊オプション", "※装着中ベストレコードは更新されなくなる。", 20000},
    {30, "--------------------", "--------------------", "--------------------", 0},
}};
// clang-format on

static_assert(kItems.size() == kItemCount);

// Bytes a UTF-8 text takes in Shift-JIS: ASCII and half-width katakana one,
// every other character two.
constexpr std::size_t sjisWidth(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        std::size_t len = 1;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1Fu;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0Fu;
            len = 3;
        } else {
            c = b & 0x07u;
            len = 4;
        }
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        n += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
        i += len;
    }
    return n;
}

namespace detail {
constexpr bool itemsNumberedInOrder() {
    for (std::size_t i = 0; i < kItems.size(); ++i)
        if (kItems[i].no != static_cast<int>(i)) return false;
    return true;
}
constexpr bool isItemSeparator(int no) {
    return no == 10 || no == 21 || no == 30;
}
// Separators are 20 "-" in every text; every other name is its text plus spaces
// up to 21 bytes, and a name of 21 bytes or more carries no padding.
constexpr bool itemNamesPadded() {
    for (const Item& it : kItems) {
        if (isItemSeparator(it.no)) {
            if (it.name != kItemSeparator || it.line1 != kItemSeparator ||
                it.line2 != kItemSeparator)
                return false;
            continue;
        }
        std::string_view text = it.name;
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        const std::size_t w = sjisWidth(text);
        const std::size_t padded = w < kItemNameWidth ? kItemNameWidth : w;
        if (text.empty() || sjisWidth(it.name) != padded) return false;
    }
    return true;
}
// Every text fits the 255-byte short string the game keeps it in.
constexpr bool itemTextsFit() {
    for (const Item& it : kItems)
        if (sjisWidth(it.name) > 255 || sjisWidth(it.line1) > 255 || sjisWidth(it.line2) > 255)
            return false;
    return true;
}
} // namespace detail
static_assert(detail::itemsNumberedInOrder(), "row i of the item table is item i");
static_assert(detail::itemNamesPadded(), "names padded to 21 Shift-JIS bytes");
static_assert(detail::itemTextsFit());
static_assert(sjisWidth(kItems[29].name) == 22);

// The item of that number; null outside 0..30.
constexpr const Item* findItem(int no) {
    if (no < 0 || no >= kItemCount) return nullptr;
    return &kItems[static_cast<std::size_t>(no)];
}

// The music by number: the game plays it, the asset generator writes it. Paths
// are relative to the game's folder, as the game writes them; [0] is no music.
constexpr int kMusicPieceCount = 24;
constexpr std::array<const char*, kMusicPieceCount + 1> kMusicFiles = {
    nullptr,
    "dat\\free0628.wma",            // 1  opening and story scenes
    "dat\\k_106.wma",               // 2  city map
    "dat\\spmo_turb2.wma",          // 3  ordinary race; city map once doneChallenge21
    "dat\\k_140.wma",               // 4  race at place 6 once doneChallenge3
    "dat\\k_141.wma",               // 5  race once doneLast3
    "dat\\free0558.wma",            // 6  race once doneLast6
    "dat\\house_006.wma",           // 7  driving school
    "dat\\Kmp107-invention_k2.wma", // 8
    "dat\\k_27.wma",                // 9
    "dat\\Kmp141-stage1.wma",       // 10
    "dat\\free41.wma",              // 11
    "dat\\KmpJ12-j_doos1.wma",      // 12
    "dat\\k_110.wma",               // 13
    "dat\\free0211.wma",            // 14
    "dat\\free0227.wma",            // 15
    "dat\\house_015.wma",           // 16 parts shop
    "dat\\slap_bass_r_002.wma",     // 17 bike setting
    "dat\\dos.wma",                 // 18
    "dat\\sora_012_.wma",           // 19
    "dat\\k_104.wma",               // 20
    "dat\\free0625.wma",            // 21
    "dat\\continue_007.wma",        // 22
    "dat\\continue2_012.wma",       // 23
    "dat\\free0301.wma",            // 24 ending, played once
};
static_assert(kMusicFiles.size() == 25);

} // namespace zb
