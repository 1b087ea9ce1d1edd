// Text rendering: the game's Windows font names are resolved through fontconfig
// to Japanese gothic outlines, FreeType rasterises grey glyphs, and the glyphs are
// kept in a cache keyed by face, pixel size, weight and character.

#include "ui/Font.h"

#include "ui/Image.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zb {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// Sizes beyond this are clamped; nothing in the game comes close.
constexpr int kMaxPixelSize = 1024;
// The cache is dropped when it grows past this many glyphs.
constexpr std::size_t kMaxCachedGlyphs = 16384;

// Decodes one character of UTF-8 at s[i] and advances i. Malformed input gives
// U+FFFD for each maximal ill-formed subpart, so a bad byte never swallows the
// good characters after it.
char32_t nextCodepoint(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    int len = 0;
    char32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        cp = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        cp = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        cp = c & 0x07u;
    } else {
        ++i;
        return kReplacement;
    }
    // The second byte's range rules out overlong forms, surrogates and values
    // above U+10FFFF.
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    if (c == 0xE0)
        lo = 0xA0;
    else if (c == 0xED)
        hi = 0x9F;
    else if (c == 0xF0)
        lo = 0x90;
    else if (c == 0xF4)
        hi = 0x8F;
    std::size_t j = i + 1;
    for (int k = 1; k < len; ++k, ++j) {
        if (j >= s.size()) {
            i = j;
            return kReplacement;
        }
        const auto b = static_cast<unsigned char>(s[j]);
        const unsigned char l = k == 1 ? lo : 0x80;
        const unsigned char h = k == 1 ? hi : 0xBF;
        if (b < l || b > h) {
            i = j; // the offending byte starts the next character
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3Fu);
    }
    i = j;
    return cp;
}

enum class GothicKind { Mono, Proportional };

// "ＭＳ ゴシック" and "MS Gothic" (any width, case or spacing) are the monospace
// gothic; every other name gets the proportional one.
GothicKind classify(std::string_view face) {
    std::u32string norm;
    for (std::size_t i = 0; i < face.size();) {
        char32_t cp = nextCodepoint(face, i);
        if (cp == U' ' || cp == 0x3000) continue;
        if (cp >= 0xFF01 && cp <= 0xFF5E) cp = cp - 0xFF01 + 0x21; // full-width ASCII
        if (cp >= U'A' && cp <= U'Z') cp = cp - U'A' + U'a';
        norm.push_back(cp);
    }
    if (norm == U"msゴシック" || norm == U"msgothic") return GothicKind::Mono;
    return GothicKind::Proportional;
}

struct Candidate {
    const char* pattern;
    const char* requiredFamily; // null: any family
    bool needJapanese;
};

// What to ask fontconfig for, best first. The generic aliases may resolve to a
// face without kana (or to the monospace gothic for sans-serif), so each answer is
// checked before it is taken.
constexpr Candidate kMonoCandidates[] = {
    {"monospace:lang=ja", nullptr, true},  {"IPAGothic", "IPAGothic", true},
    {"sans-serif:lang=ja", nullptr, true}, {"monospace", nullptr, false},
    {"sans-serif", nullptr, false},
};
constexpr Candidate kProportionalCandidates[] = {
    {"sans-serif:lang=ja", "IPAPGothic", true},
    {"IPAPGothic", "IPAPGothic", true},
    {"sans-serif:lang=ja", nullptr, true},
    {"IPAGothic", "IPAGothic", true},
    {"sans-serif", nullptr, false},
};

bool hasFamily(FcPattern* match, const char* family) {
    FcChar8* s = nullptr;
    for (int n = 0; FcPatternGetString(match, FC_FAMILY, n, &s) == FcResultMatch; ++n) {
        if (std::strcmp(reinterpret_cast<const char*>(s), family) == 0) return true;
    }
    return false;
}

bool hasJapanese(FcPattern* match) {
    FcCharSet* cs = nullptr;
    if (FcPatternGetCharSet(match, FC_CHARSET, 0, &cs) != FcResultMatch || cs == nullptr)
        return false;
    // ア, ズ, 字
    return FcCharSetHasChar(cs, 0x30A2) && FcCharSetHasChar(cs, 0x30BA) &&
           FcCharSetHasChar(cs, 0x5B57);
}

struct FontFile {
    std::string path;
    int index = 0;
};

bool resolve(FcConfig* config, const Candidate& c, FontFile& out) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(c.pattern));
    if (pat == nullptr) return false;
    FcConfigSubstitute(config, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pat, &result);
    FcPatternDestroy(pat);
    if (match == nullptr) return false;
    bool ok = true;
    if (c.requiredFamily != nullptr && !hasFamily(match, c.requiredFamily)) ok = false;
    if (ok && c.needJapanese && !hasJapanese(match)) ok = false;
    FcChar8* file = nullptr;
    if (ok && FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) ok = false;
    if (ok) {
        out.path = reinterpret_cast<const char*>(file);
        int index = 0;
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
        out.index = index;
    }
    FcPatternDestroy(match);
    return ok;
}

struct Glyph {
    int advance = 0; // pixels to the next pen position
    int left = 0;    // bitmap offset from the pen position
    int top = 0;     // bitmap top above the baseline
    int w = 0;
    int h = 0;
    std::vector<std::uint8_t> coverage; // w * h grey levels
};

struct LineMetrics {
    int ascender = 0;
    int height = 0;
};

struct LoadedFace {
    FT_Face face = nullptr;
    int currentSize = 0;
};

inline std::uint32_t blend(std::uint32_t dst, std::uint32_t src, unsigned a) {
    if (a == 255) return src;
    const unsigned na = 255 - a;
    const unsigned r = (((src >> 16) & 255) * a + ((dst >> 16) & 255) * na + 127) / 255;
    const unsigned g = (((src >> 8) & 255) * a + ((dst >> 8) & 255) * na + 127) / 255;
    const unsigned b = ((src & 255) * a + (dst & 255) * na + 127) / 255;
    return (r << 16) | (g << 8) | b;
}

} // namespace

struct FontEngine::Impl {
    std::mutex mutex;
    FT_Library library = nullptr;
    // A configuration of our own rather than fontconfig's global one, so that
    // everything it holds is given back when the engine goes.
    FcConfig* config = nullptr;
    std::vector<LoadedFace> faces;
    // Face id per kind (-1: no font at all), resolved on first use.
    int kindFace[2] = {-2, -2};
    std::unordered_map<std::string, int> faceByFile;
    std::unordered_map<std::uint64_t, Glyph> glyphs;
    std::unordered_map<std::uint64_t, LineMetrics> lines;

    Impl() {
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
        config = FcInitLoadConfigAndFonts();
    }

    ~Impl() {
        for (auto& f : faces)
            if (f.face != nullptr) FT_Done_Face(f.face);
        if (library != nullptr) FT_Done_FreeType(library);
        if (config != nullptr) FcConfigDestroy(config);
    }

    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    int openFace(const FontFile& file) {
        const std::string key = file.path + '#' + std::to_string(file.index);
        if (auto it = faceByFile.find(key); it != faceByFile.end()) return it->second;
        FT_Face face = nullptr;
        if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) return -1;
        if (face->num_glyphs <= 0) {
            FT_Done_Face(face);
            return -1;
        }
        faces.push_back({face, 0});
        const int id = static_cast<int>(faces.size() - 1);
        faceByFile.emplace(key, id);
        return id;
    }

    // Face id for a game font name, or -1 when no usable font exists.
    int faceFor(const std::string& name) {
        const GothicKind kind = classify(name);
        int& slot = kindFace[kind == GothicKind::Mono ? 0 : 1];
        if (slot != -2) return slot;
        slot = -1;
        if (library == nullptr || config == nullptr) return slot;
        const auto* begin = kind == GothicKind::Mono ? std::begin(kMonoCandidates)
                                                     : std::begin(kProportionalCandidates);
        const auto* end = kind == GothicKind::Mono ? std::end(kMonoCandidates)
                                                   : std::end(kProportionalCandidates);
        for (const auto* c = begin; c != end; ++c) {
            FontFile file;
            if (!resolve(config, *c, file)) continue;
            const int id = openFace(file);
            if (id >= 0) {
                slot = id;
                break;
            }
        }
        return slot;
    }

    bool setSize(int faceId, int size) {
        LoadedFace& f = faces[static_cast<std::size_t>(faceId)];
        if (f.currentSize == size) return true;
        if (FT_Set_Pixel_Sizes(f.face, 0, static_cast<FT_UInt>(size)) != 0) return false;
        f.currentSize = size;
        return true;
    }

    LineMetrics metrics(int faceId, int size) {
        const std::uint64_t key =
            (static_cast<std::uint64_t>(faceId) << 32) | static_cast<std::uint64_t>(size);
        if (auto it = lines.find(key); it != lines.end()) return it->second;
        LineMetrics m{size, size};
        if (setSize(faceId, size)) {
            FT_Face face = faces[static_cast<std::size_t>(faceId)].face;
            const FT_Size_Metrics& sm = face->size->metrics;
            FT_Pos asc = sm.ascender;
            FT_Pos desc = -sm.descender;
            if (FT_IS_SCALABLE(face)) {
                // Rounded rather than rounded up, so that a gothic whose ascent and
                // descent make one em gets a line exactly as high as its pixel size,
                // as the game's layout expects of its fonts.
                asc = FT_MulFix(face->ascender, sm.y_scale);
                desc = -FT_MulFix(face->descender, sm.y_scale);
            }
            const int a = static_cast<int>((asc + 32) >> 6);
            const int d = std::max(static_cast<int>((desc + 32) >> 6), 0);
            if (a > 0) m = {a, a + d};
        }
        lines.emplace(key, m);
        return m;
    }

    const Glyph& glyph(int faceId, int size, bool bold, char32_t cp) {
        const std::uint64_t key =
            (static_cast<std::uint64_t>(faceId) << 48) | (static_cast<std::uint64_t>(size) << 32) |
            (static_cast<std::uint64_t>(bold ? 1 : 0) << 31) | static_cast<std::uint64_t>(cp);
        if (auto it = glyphs.find(key); it != glyphs.end()) return it->second;
        Glyph& g = glyphs[key];
        if (cp < 0x20 || cp == 0x7F) return g; // control characters take no room
        if (!setSize(faceId, size)) return g;
        FT_Face face = faces[static_cast<std::size_t>(faceId)].face;
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        // Outlines first (synthetic bold needs them); bitmap-only faces as a fallback.
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP) != 0 &&
            FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0)
            return g;
        FT_GlyphSlot slot = face->glyph;
        FT_Pos advance = slot->advance.x;
        if (bold && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            // Windows thickens a font without a bold face by smearing it sideways
            // about one pixel and widening every advance by as much.
            const FT_Pos strength = std::max<FT_Pos>(64, static_cast<FT_Pos>(size) * 64 / 24);
            FT_Outline_EmboldenXY(&slot->outline, strength, 0);
            FT_Outline_Translate(&slot->outline, strength / 2, 0);
            advance += strength;
        }
        g.advance = static_cast<int>((advance + 32) >> 6);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
        const FT_Bitmap& bm = slot->bitmap;
        if (bm.pixel_mode != FT_PIXEL_MODE_GRAY && bm.pixel_mode != FT_PIXEL_MODE_MONO) return g;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.w = static_cast<int>(bm.width);
        g.h = static_cast<int>(bm.rows);
        g.coverage.resize(static_cast<std::size_t>(g.w) * static_cast<std::size_t>(g.h));
        const int levels = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
        for (int row = 0; row < g.h; ++row) {
            const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
            std::uint8_t* dst = g.coverage.data() + static_cast<std::size_t>(row) * g.w;
            for (int col = 0; col < g.w; ++col) {
                if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
                    dst[col] = (src[col >> 3] & (0x80 >> (col & 7))) ? 255 : 0;
                } else {
                    dst[col] = static_cast<std::uint8_t>(src[col] * 255 / levels);
                }
            }
        }
        return g;
    }

    void trimCache() {
        if (glyphs.size() > kMaxCachedGlyphs) glyphs.clear();
    }
};

FontEngine::FontEngine() : impl_(std::make_unique<Impl>()) {}
FontEngine::~FontEngine() = default;

FontEngine& FontEngine::instance() {
    static FontEngine engine;
    return engine;
}

TextExtent FontEngine::measure(const FontSpec& font, const std::string& utf8) {
    if (font.pixelSize <= 0) return {0, 0};
    const int size = std::min(font.pixelSize, kMaxPixelSize);
    std::lock_guard lock(impl_->mutex);
    const int faceId = impl_->faceFor(font.face);
    if (faceId < 0) return {0, font.pixelSize};
    impl_->trimCache();
    const LineMetrics lm = impl_->metrics(faceId, size);
    int width = 0;
    const std::string_view text(utf8);
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = nextCodepoint(text, i);
        width += impl_->glyph(faceId, size, font.bold, cp).advance;
    }
    return {width, lm.height};
}

void FontEngine::draw(Image& target, int x, int y, const FontSpec& font, const std::string& utf8,
                      std::uint32_t colour, int clipX, int clipY, int clipW, int clipH) {
    if (font.pixelSize <= 0 || utf8.empty() || target.empty()) return;
    // Visible area: the clip rectangle inside the image.
    const int cx0 = std::max(clipX, 0);
    const int cy0 = std::max(clipY, 0);
    const int cx1 =
        static_cast<int>(std::min<long long>(static_cast<long long>(clipX) + clipW, target.width));
    const int cy1 =
        static_cast<int>(std::min<long long>(static_cast<long long>(clipY) + clipH, target.height));
    if (cx0 >= cx1 || cy0 >= cy1) return;

    const int size = std::min(font.pixelSize, kMaxPixelSize);
    std::lock_guard lock(impl_->mutex);
    const int faceId = impl_->faceFor(font.face);
    if (faceId < 0) return;
    impl_->trimCache();
    const LineMetrics lm = impl_->metrics(faceId, size);
    const long long baseline = static_cast<long long>(y) + lm.ascender;
    long long pen = x;
    colour &= 0x00FFFFFFu;
    const std::string_view text(utf8);
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = nextCodepoint(text, i);
        const Glyph& g = impl_->glyph(faceId, size, font.bold, cp);
        const long long gx = pen + g.left;
        const long long gy = baseline - g.top;
        pen += g.advance;
        if (g.w == 0 || g.h == 0) continue;
        const long long x0 = std::max<long long>(gx, cx0);
        const long long x1 = std::min<long long>(gx + g.w, cx1);
        const long long y0 = std::max<long long>(gy, cy0);
        const long long y1 = std::min<long long>(gy + g.h, cy1);
        if (x0 >= x1 || y0 >= y1) continue;
        for (long long py = y0; py < y1; ++py) {
            const std::uint8_t* cov =
                g.coverage.data() + static_cast<std::size_t>(py - gy) * g.w + (x0 - gx);
            std::uint32_t* dst =
                target.pixels.data() + static_cast<std::size_t>(py) * target.width + x0;
            for (long long px = x0; px < x1; ++px, ++cov, ++dst) {
                if (*cov != 0) *dst = blend(*dst, colour, *cov);
            }
        }
    }
}

} // namespace zb
