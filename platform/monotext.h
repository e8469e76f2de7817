#pragma once
// Text on images in one-bit glyphs.
//
// The glyphs come straight from FreeType with its own hinter in monochrome mode:
// it fits every glyph to the pixel grid in both directions, so stems are whole pixels
// and round digits stay round at the small sizes the controls use. Neither the
// platform plugin's nor the desktop's font settings take part, so a canvas draws the
// same text on every display and off screen.
//
// Consecutive glyphs of an upright font keep at least one blank column between
// their inks: a glyph that would touch its predecessor moves right by what it takes.
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

struct TFont;

class MonoFont {
public:
    // The face the font describes at its pixel height, or nullptr when no font file
    // can be found for it. Faces are kept for the life of the program.
    static const MonoFont* Find(const TFont& font);

    ~MonoFont();
    MonoFont(const MonoFont&) = delete;
    MonoFont& operator=(const MonoFont&) = delete;

    // The advance of s in pixels.
    int Width(const QString& s) const;
    // Calls put(x, y) for every ink pixel of s, written from pen position x on baseline y.
    void Draw(const QString& s, int x, int baseline, const std::function<void(int x, int y)>& put) const;

private:
    struct Glyph;
    class Face;
    MonoFont(std::unique_ptr<Face> face, bool upright);
    const Glyph& GlyphOf(char32_t code) const;
    // Places every glyph of s, calling place(glyph, pen) for each; returns the final pen.
    int Layout(const QString& s, const std::function<void(const Glyph&, int pen)>& place) const;

    std::unique_ptr<Face> m_face;
    bool m_upright;
    mutable std::map<char32_t, std::unique_ptr<Glyph>> m_glyphs;
};
