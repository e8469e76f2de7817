#include "platform/monotext.h"

#include "platform/canvas.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <QByteArray>
#include <cstdlib>
#include <tuple>

namespace {

// The FreeType library and the faces opened with it, kept for the life of the
// program and closed in that order.
struct Registry {
    using Key = std::tuple<QString, int, bool, bool>; // name, pixels, bold, italic
    FT_Library library = nullptr;
    std::map<Key, std::unique_ptr<MonoFont>> fonts;

    Registry() { FT_Init_FreeType(&library); }
    ~Registry()
    {
        fonts.clear();
        FT_Done_FreeType(library);
    }
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

struct FontFile {
    QByteArray path;
    int index = 0;
};

// The file fontconfig picks for the font's family, weight and slant ("Arial" is
// whatever the system has in its place).
bool MatchFontFile(const TFont& font, int pixels, FontFile& file)
{
    FcPattern* pattern = FcPatternCreate();
    const QByteArray family = font.Name.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.constData()));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        (font.Style & TFontStyle::fsBold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT,
                        (font.Style & TFontStyle::fsItalic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;
    FcChar8* path = nullptr;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    if (found) {
        file.path = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &file.index) != FcResultMatch)
            file.index = 0;
    }
    FcPatternDestroy(match);
    return found;
}

int PixelsOf(const TFont& font) { return std::max(1, std::abs(font.Height)); }

} // namespace

struct MonoFont::Glyph {
    int left = 0; // bitmap columns start this far right of the pen
    int top = 0; // bitmap rows start this far above the baseline
    int width = 0;
    int rows = 0;
    std::vector<bool> ink; // rows x width
    int advance = 0;
    int inkLeft = 0; // first and last inked column, relative to the pen
    int inkRight = -1;

    bool HasInk() const { return inkRight >= inkLeft; }
};

class MonoFont::Face {
public:
    static std::unique_ptr<Face> Open(const FontFile& file, int pixels)
    {
        FT_Face face = nullptr;
        const FT_Library library = TheRegistry().library;
        if (!library || FT_New_Face(library, file.path.constData(), file.index, &face) != 0)
            return nullptr;
        if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixels)) != 0) {
            FT_Done_Face(face);
            return nullptr;
        }
        return std::unique_ptr<Face>(new Face(face));
    }
    ~Face() { FT_Done_Face(m_face); }

    // Hinted for one-bit output by FreeType's own hinter, which treats every font
    // alike; the hints some fonts carry distort their glyphs in one-bit rendering.
    void Render(char32_t code, Glyph& glyph) const
    {
        const FT_UInt index = FT_Get_Char_Index(m_face, code);
        if (FT_Load_Glyph(m_face, index, FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT) != 0
            || FT_Render_Glyph(m_face->glyph, FT_RENDER_MODE_MONO) != 0)
            return;
        const FT_GlyphSlot slot = m_face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        glyph.advance = int((slot->advance.x + 32) >> 6);
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = int(bitmap.width);
        glyph.rows = int(bitmap.rows);
        glyph.ink.assign(std::size_t(glyph.width) * glyph.rows, false);
        int first = glyph.width, last = -1;
        for (int r = 0; r < glyph.rows; ++r) {
            const unsigned char* row = bitmap.buffer + std::ptrdiff_t(r) * bitmap.pitch;
            for (int c = 0; c < glyph.width; ++c) {
                if (row[c / 8] & (0x80 >> (c % 8))) {
                    glyph.ink[std::size_t(r) * glyph.width + c] = true;
                    first = std::min(first, c);
                    last = std::max(last, c);
                }
            }
        }
        glyph.inkLeft = glyph.left + first;
        glyph.inkRight = glyph.left + last;
    }

private:
    explicit Face(FT_Face face)
        : m_face(face)
    {
    }
    FT_Face m_face;
};

const MonoFont* MonoFont::Find(const TFont& font)
{
    const int pixels = PixelsOf(font);
    const bool italic = (font.Style & TFontStyle::fsItalic) != 0;
    auto& fonts = TheRegistry().fonts;
    const Registry::Key key{font.Name, pixels, (font.Style & TFontStyle::fsBold) != 0, italic};
    const auto known = fonts.find(key);
    if (known != fonts.end())
        return known->second.get();
    FontFile file;
    std::unique_ptr<Face> face = MatchFontFile(font, pixels, file) ? Face::Open(file, pixels) : nullptr;
    std::unique_ptr<MonoFont>& entry = fonts[key];
    if (face)
        entry.reset(new MonoFont(std::move(face), !italic));
    return entry.get();
}

MonoFont::MonoFont(std::unique_ptr<Face> face, bool upright)
    : m_face(std::move(face))
    , m_upright(upright)
{
}

MonoFont::~MonoFont() = default;

const MonoFont::Glyph& MonoFont::GlyphOf(char32_t code) const
{
    std::unique_ptr<Glyph>& glyph = m_glyphs[code];
    if (!glyph) {
        glyph = std::make_unique<Glyph>();
        // Control characters take no room, as in a single line of text.
        if (code >= 0x20 && code != 0x7F)
            m_face->Render(code, *glyph);
    }
    return *glyph;
}

int MonoFont::Layout(const QString& s, const std::function<void(const Glyph&, int pen)>& place) const
{
    int pen = 0;
    bool inked = false;
    int inkEnd = 0; // last inked column so far
    for (const char32_t code : s.toUcs4()) {
        const Glyph& glyph = GlyphOf(code);
        if (glyph.HasInk()) {
            if (m_upright && inked && pen + glyph.inkLeft <= inkEnd + 1)
                pen = inkEnd + 2 - glyph.inkLeft;
            place(glyph, pen);
            inked = true;
            inkEnd = pen + glyph.inkRight;
        }
        pen += glyph.advance;
    }
    return pen;
}

int MonoFont::Width(const QString& s) const
{
    return Layout(s, [](const Glyph&, int) {});
}

void MonoFont::Draw(const QString& s, int x, int baseline, const std::function<void(int x, int y)>& put) const
{
    Layout(s, [&](const Glyph& glyph, int pen) {
        const int left = x + pen + glyph.left;
        const int top = baseline - glyph.top;
        for (int r = 0; r < glyph.rows; ++r)
            for (int c = 0; c < glyph.width; ++c)
                if (glyph.ink[std::size_t(r) * glyph.width + c])
                    put(left + c, top + r);
    });
}
