#pragma once
// Platform-internal: fonts the host realises for the device context, their
// metrics and widths, and lines of text drawn onto the context's pixels
// through the clip the context gives.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/PixelImage.h"

// A line of text and where it goes.
struct THostTextLine {
    const char* text = nullptr;     // UTF-8; length < 0 when it ends with a zero
    int length = -1;
    const int* advances = nullptr;  // pixels per character (CharacterCount), else the font's own
    int width = 0;                  // the whole line's advance
    int refX = 0, refY = 0;         // the reference point, in device pixels
    int baseX = 0, baseY = 0;       // the baseline's start from there, in the line's turned frame
    double angle = 0;               // degrees, counter-clockwise about the reference point
    bool cell = false;              // whether the background cell is filled under the line
};

class THostFont {
public:
    // The host's font standing in for Font at a device height in pixels:
    // negative for the character height, positive for the cell height, 0
    // for a default. Starts the host when needed.
    THostFont(const LOGFONT& Font, int DeviceHeight);
    ~THostFont();
    THostFont(const THostFont&) = delete;
    THostFont& operator=(const THostFont&) = delete;

    int Ascent() const;
    int Descent() const;
    // The advance of UTF-8 text in pixels. Labels come back again and again,
    // so the widths of recent texts are kept with the font; numbers are
    // added up from their characters' advances.
    int TextWidth(const char* Text, int Length) const;
    // The advance as the host lays the text out, measured every time.
    int LaidOutWidth(const std::string& Text) const;

private:
    friend class THostTextPainter;
    struct TImpl;
    // The sum of the characters' advances when Text is a number and the
    // font sets numbers character by character; else -1.
    int NumberWidth(const std::string& Text) const;
    std::unique_ptr<TImpl> impl_;
    mutable std::unordered_map<std::string, int> widths_;
};

// A host painter left open on a surface's pixels from one line of text to
// the next, so that a run of text output starts it, chooses the font and
// the colour once. Its owner ends it (destroys it) before anything else
// reads or writes those pixels or they move.
class THostTextPainter {
public:
    explicit THostTextPainter(TPixelImage& Image);
    ~THostTextPainter();
    THostTextPainter(const THostTextPainter&) = delete;
    THostTextPainter& operator=(const THostTextPainter&) = delete;

    // Draws Line in Font: the cell in the Cell colour when the line asks
    // for it, then the glyphs with their underline and strike-out in Ink
    // (both 0xffRRGGBB). Only pixels in the Clip boxes (y-x banded) change,
    // or any pixel when there is no Clip. The edges of turned glyphs are
    // blended with what lies under them.
    void DrawLine(const THostFont& Font, const THostTextLine& Line, const std::vector<TPixelBox>* Clip,
                  std::uint32_t Ink, std::uint32_t Cell);

private:
    struct TImpl;
    std::unique_ptr<TImpl> impl_;
};

// How many characters UTF-8 text holds as the host reads it: a line spaced
// by hand takes one advance for each.
int CharacterCount(const char* Text, int Length);
