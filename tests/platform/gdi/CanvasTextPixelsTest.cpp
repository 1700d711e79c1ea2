// Text mixed with the other drawing calls, pixel for pixel: each scene draws
// texts in varied fonts, colours, backgrounds, alignments, clips and angles
// between lines, rectangles, pixel reads and writes, blits, resizes and a
// file round trip, and its pixels (with what it read back on the way) must
// keep the checksum recorded from the drawing code we trust. The text
// output keeps state across calls for speed; these scenes catch any state
// that leaks into the next call or any pixel access that sees stale text.
// The checksums hold for the host's Liberation fonts at their installed
// version; a failing scene prints the checksum it got.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>

#include "CanvasTestSupport.h"
#include "support/TempDir.h"

namespace {

// FNV-1a over the bitmap's pixels and every number the scene read back.
class TTrace {
public:
    void Add(std::int64_t v) {
        for (int i = 0; i < 8; ++i) {
            hash_ ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xFF;
            hash_ *= 0x100000001B3ull;
        }
    }
    void Add(TPoint p) {
        Add(p.x);
        Add(p.y);
    }
    void Add(TSize s) {
        Add(s.cx);
        Add(s.cy);
    }
    std::uint64_t Of(TBitmap* bitmap) {
        Add(bitmap->GetWidth());
        Add(bitmap->GetHeight());
        for (TColor c : Snapshot(bitmap)) Add(c);
        return hash_;
    }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

void UseFont(TCanvas* c, const char* name, int size, TFontStyles style = TFontStyles(), TColor color = clBlack) {
    c->GetFont()->SetName(name);
    c->GetFont()->SetSize(size);
    c->GetFont()->SetStyle(style);
    c->GetFont()->SetColor(color);
}

// Selects a copy of the canvas font turned by escapement; returns the font to delete.
HFONT TurnFont(HDC dc, int escapement) {
    LOGFONT lf;
    GetObject(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
    lf.lfEscapement = lf.lfOrientation = escapement;
    HFONT turned = CreateFontIndirect(&lf);
    SelectObject(dc, turned);
    return turned;
}

// Colours and labels as a chart draws them: one font, many strings, pixels in between.
void LabelsBetweenLinesAndReads(TBitmap* b, TTrace& t) {
    TCanvas* c = b->GetCanvas();
    UseFont(c, "Tahoma", 8);
    c->GetBrush()->SetStyle(bsClear);
    for (int i = 0; i < 24; ++i) {
        int x = 5 + (i * 37) % 260, y = 4 + (i * 23) % 180;
        c->GetFont()->SetColor(static_cast<TColor>((i * 0x3F1A27) & 0xFFFFFF));
        c->TextOut(x, y, "Close " + AnsiString(100 + i * 7) + ".45");
        t.Add(c->GetPenPos());
        if (i % 3 == 0) {
            c->GetPen()->SetColor(static_cast<TColor>(i * 0x050A0F));
            c->MoveTo(x, y + 6);
            c->LineTo(x + 40, y + 2);
        }
        if (i % 4 == 1) t.Add(c->GetPixels(x + 2, y + 5));
        if (i % 5 == 2) c->SetPixels(x + 1, y + 1, clRed);
        if (i % 6 == 3) {
            c->GetBrush()->SetColor(clSilver);
            c->Rectangle(x, y, x + 12, y + 9);
            c->GetBrush()->SetStyle(bsClear);
        }
    }
    t.Add(c->TextExtent("Close 123.45"));
}

// A solid brush gives each text its cell; TextRect clips and fills its rectangle.
void OpaqueCellsAndTextRects(TBitmap* b, TTrace& t) {
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clYellow);
    c->FillRect(TRect(0, 0, 300, 200));
    const TColor backs[] = {clWhite, clAqua, clLime, clFuchsia};
    for (int i = 0; i < 12; ++i) {
        UseFont(c, i % 2 ? "Arial" : "Times New Roman", 9 + i % 4, TFontStyles(), static_cast<TColor>(i * 0x102030));
        c->GetBrush()->SetColor(backs[i % 4]);
        if (i % 3 == 0) {
            TRect r(10 + i * 20, 10 + i * 14, 60 + i * 20, 24 + i * 14);
            c->TextRect(r, r.Left - 4, r.Top - 3, "Clipped Wg " + AnsiString(i));
        } else {
            c->TextOut(8 + i * 19, 12 + i * 13, "Cell " + AnsiString(i));
        }
        t.Add(c->GetPenPos());
        t.Add(c->GetPixels(10 + i * 20, 14 + i * 14));
    }
    c->GetBrush()->SetStyle(bsClear);
    c->TextRect(TRect(200, 150, 260, 165), 195, 148, "Transparent rect");
}

// Every alignment at every quarter turn and one slanted angle, with the
// current position chained through TA_UPDATECP.
void AlignmentsAndAngles(TBitmap* b, TTrace& t) {
    TCanvas* c = b->GetCanvas();
    UseFont(c, "Arial", 10, TFontStyles{fsBold}, clNavy);
    c->GetBrush()->SetColor(RGB(255, 251, 240));
    HDC dc = c->GetHandle();
    const unsigned aligns[] = {TA_LEFT | TA_TOP,     TA_RIGHT | TA_TOP,   TA_CENTER | TA_BASELINE,
                               TA_LEFT | TA_BOTTOM,  TA_RIGHT | TA_BASELINE, TA_CENTER | TA_BOTTOM};
    const int angles[] = {0, 900, 1800, 2700, 450};
    int i = 0;
    for (int angle : angles) {
        HFONT turned = TurnFont(dc, angle);
        SetBkMode(dc, i % 2 ? TRANSPARENT : OPAQUE);
        for (unsigned align : aligns) {
            SetTextAlign(dc, align);
            int x = 40 + (i * 53) % 240, y = 30 + (i * 31) % 150;
            TextOut(dc, x, y, "Ag+1", 4);
            SetPixel(dc, x, y, RGB(255, 0, 0));
            ++i;
        }
        SetTextAlign(dc, TA_UPDATECP | (angle == 450 ? TA_RIGHT : TA_LEFT));
        MoveToEx(dc, 150, 100, nullptr);
        TextOut(dc, 0, 0, "ab", 2);
        TextOut(dc, 0, 0, "cde", 3);
        TPoint p;
        GetCurrentPositionEx(dc, &p);
        t.Add(p);
        LineTo(dc, 160, 110);
        SelectObject(dc, c->GetFont()->GetHandle());
        DeleteObject(turned);
    }
    SetTextAlign(dc, TA_LEFT | TA_TOP);
}

// Clip regions changing between texts, and TextRect's rectangle within them.
void ClipsBetweenTexts(TBitmap* b, TTrace& t) {
    TCanvas* c = b->GetCanvas();
    UseFont(c, "Courier New", 11, TFontStyles{fsItalic}, clMaroon);
    c->GetBrush()->SetStyle(bsClear);
    HDC dc = c->GetHandle();
    c->TextOut(2, 2, "No clip at all, a long line of text");
    IntersectClipRect(dc, 20, 20, 200, 120);
    c->TextOut(2, 18, "Inside the first clip rectangle here");
    ExcludeClipRect(dc, 60, 30, 90, 60);
    c->TextOut(2, 34, "With a hole cut in the clip area");
    c->GetBrush()->SetColor(clLime);
    c->TextRect(TRect(40, 50, 150, 70), 35, 52, "Rect inside the clip");
    t.Add(c->GetClipRect().Left);
    HRGN region = CreateRectRgn(100, 0, 280, 190);
    SelectClipRgn(dc, region);
    DeleteObject(region);
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(60, 80, "Another region altogether");
    c->MoveTo(50, 90);
    c->LineTo(290, 95);
    SelectClipRgn(dc, nullptr);
    c->TextOut(60, 100, "Clip removed again");
    t.Add(c->GetPixels(120, 85));
}

// Styles, heights and a mapped context: fonts realised at other sizes.
void FontsAndMapping(TBitmap* b, TTrace& t) {
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    const TFontStyles styles[] = {TFontStyles(), TFontStyles{fsUnderline}, TFontStyles{fsStrikeOut},
                                  TFontStyles{fsBold, fsItalic}};
    const char* names[] = {"MS Sans Serif", "Verdana", "Georgia", "Lucida Console", "NoSuchFontAtAll"};
    int y = 2;
    for (int i = 0; i < 5; ++i) {
        UseFont(c, names[i], 7 + 2 * i, styles[i % 4], static_cast<TColor>(0x204060 * (i + 1) & 0xFFFFFF));
        c->TextOut(4, y, AnsiString(names[i]) + " jqy " + AnsiString(i));
        t.Add(c->TextExtent(names[i]));
        y += c->TextHeight("W") + 1;
    }
    c->GetFont()->SetHeight(18);  // a cell height
    c->TextOut(150, 4, "Cell 18");
    HDC dc = c->GetHandle();
    SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1, 1, nullptr);
    SetViewportExtEx(dc, 2, 2, nullptr);
    SetViewportOrgEx(dc, 10, 10, nullptr);
    c->GetFont()->SetHeight(-8);
    c->TextOut(70, 60, "Twice");
    t.Add(c->GetPenPos());
    RestoreDC(dc, -1);
    c->GetFont()->SetName("Arial");
    const int dx[] = {12, 3, 20, 7, 9};
    ExtTextOut(c->GetHandle(), 150, 150, 0, nullptr, "D\xC3\xA9" "c\xE2\x82\xAC!", -1, dx);
    c->TextOut(150, 170, "D\xC3\xA9" "cor \xE2\x82\xAC 5");
    c->TextOut(150, 185, "");
    t.Add(c->GetPenPos());
}

// The pixels move while text keeps coming: blits both ways, scan lines, a
// resize, a copy of the bitmap and a file round trip.
void BlitsResizesAndFiles(TBitmap* b, TTrace& t) {
    TCanvas* c = b->GetCanvas();
    UseFont(c, "Tahoma", 9, TFontStyles(), clGreen);
    c->GetBrush()->SetStyle(bsClear);
    TBitmap other;
    other.SetSize(120, 60);
    TCanvas* o = other.GetCanvas();
    o->GetFont()->SetColor(clBlue);
    o->GetBrush()->SetStyle(bsClear);
    for (int i = 0; i < 4; ++i) {
        c->TextOut(5, 5 + i * 12, "Source line " + AnsiString(i));
        o->TextOut(3, 3 + i * 13, "Other " + AnsiString(i));
        if (i == 1) c->CopyRect(TRect(150, 0, 270, 60), o, TRect(0, 0, 120, 60));
        if (i == 2) o->CopyRect(TRect(0, 0, 60, 30), c, TRect(0, 0, 60, 30));
    }
    c->Draw(150, 70, &other);
    std::uint32_t* row = b->ScanLine(8);
    for (int x = 0; x < 40; ++x) row[x] ^= 0x00FFFFFF;
    c->TextOut(10, 8, "Over the scan line");
    b->SetSize(280, 170);
    c->TextOut(200, 150, "After the resize");
    t.Add(c->GetPenPos());
    TBitmap copy;
    copy.Assign(b);
    copy.GetCanvas()->GetBrush()->SetStyle(bsClear);
    copy.GetCanvas()->TextOut(100, 100, "On the copy");
    c->StretchDraw(TRect(0, 100, 70, 135), &copy);
    TempDir folder;
    b->SaveToFile(folder.File("text.bmp").c_str());
    c->TextOut(100, 120, "After saving");
    TBitmap loaded;
    loaded.LoadFromFile(folder.File("text.bmp").c_str());
    loaded.GetCanvas()->TextOut(5, 140, "Loaded");
    c->Draw(0, 0, &loaded);
    t.Add(c->GetPixels(1, 141));
}

// Three canvases take turns, each with its own font, colours, clip and
// angle, and end up drawn onto the scene's bitmap.
void InterleavedCanvases(TBitmap* b, TTrace& t) {
    TBitmap first, second, third;
    TBitmap* all[] = {&first, &second, &third};
    for (TBitmap* each : all) each->SetSize(140, 90);
    UseFont(first.GetCanvas(), "Arial", 8, TFontStyles(), clRed);
    UseFont(second.GetCanvas(), "Times New Roman", 12, TFontStyles{fsUnderline}, clBlue);
    second.GetCanvas()->GetBrush()->SetColor(clYellow);
    UseFont(third.GetCanvas(), "Courier New", 10, TFontStyles{fsBold}, clPurple);
    third.GetCanvas()->GetBrush()->SetStyle(bsClear);
    IntersectClipRect(second.GetDC(), 10, 10, 120, 70);
    HFONT turned = TurnFont(third.GetCanvas()->GetHandle(), 900);
    for (int i = 0; i < 6; ++i) {
        first.GetCanvas()->TextOut(2 + i * 3, 2 + i * 14, "First " + AnsiString(i));
        second.GetCanvas()->TextOut(i * 9, i * 13, "Second " + AnsiString(i));
        TextOut(third.GetCanvas()->GetHandle(), 10 + i * 20, 85, "Third", 5);
        t.Add(second.GetCanvas()->GetPenPos());
    }
    third.GetCanvas()->GetFont()->SetColor(clTeal);  // selects the canvas font again
    third.GetCanvas()->TextOut(60, 5, "Upright");
    DeleteObject(turned);
    b->GetCanvas()->Draw(0, 0, &first);
    b->GetCanvas()->Draw(150, 0, &second);
    b->GetCanvas()->Draw(75, 100, &third);
}

// The same few labels again and again in every style, colour, background,
// clip and angle: texts met before may take a faster road to the pixels.
void RepeatedLabelsInEveryStyle(TBitmap* b, TTrace& t) {
    TCanvas* c = b->GetCanvas();
    const TFontStyles styles[] = {TFontStyles(), TFontStyles{fsUnderline}, TFontStyles{fsStrikeOut},
                                  TFontStyles{fsItalic}, TFontStyles{fsBold, fsUnderline}};
    const char* labels[] = {"12.50", "Volume", "03/2024", "fi fl Wg"};
    IntersectClipRect(c->GetHandle(), 0, 0, 290, 185);
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 20; ++i) {
            UseFont(c, i % 2 ? "Tahoma" : "Times New Roman", 8 + i % 3, styles[i % 5],
                    static_cast<TColor>((i * 0x0B3D91 + round * 0x400000) & 0xFFFFFF));
            if ((i + round) % 3 == 0) c->GetBrush()->SetColor(i % 2 ? clAqua : clYellow);
            else c->GetBrush()->SetStyle(bsClear);
            int x = (i * 47 + round * 13) % 270, y = (i * 29 + round * 17) % 180;
            c->TextOut(x, y, labels[(i + round) % 4]);
            if (i % 7 == 0) t.Add(c->GetPenPos());
        }
    HDC dc = c->GetHandle();
    HFONT turned = TurnFont(dc, 450);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < 4; ++i) TextOut(dc, 150 + i * 20, 180, labels[i % 2], -1);
    SelectObject(dc, c->GetFont()->GetHandle());
    DeleteObject(turned);
}

struct TScene {
    const char* name;
    void (*draw)(TBitmap*, TTrace&);
    std::uint64_t checksum;
};

const TScene kScenes[] = {
    {"LabelsBetweenLinesAndReads", LabelsBetweenLinesAndReads, 0xb77544fcbc60299eull},
    {"OpaqueCellsAndTextRects", OpaqueCellsAndTextRects, 0xeaa1a89109091eabull},
    {"AlignmentsAndAngles", AlignmentsAndAngles, 0x50f19b19ecbb1e7cull},
    {"ClipsBetweenTexts", ClipsBetweenTexts, 0x3fdb71a3d8e22122ull},
    {"FontsAndMapping", FontsAndMapping, 0x1ce7b5093867c712ull},
    {"BlitsResizesAndFiles", BlitsResizesAndFiles, 0xb77f60b644dd5211ull},
    {"InterleavedCanvases", InterleavedCanvases, 0xd8bbc5e5c4638580ull},
    {"RepeatedLabelsInEveryStyle", RepeatedLabelsInEveryStyle, 0x4be1ad1ba2d0f76cull},
};

TEST(CanvasTextPixels, ScenesKeepTheirRecordedPixels) {
    for (const TScene& scene : kScenes) {
        auto b = WhiteBitmap(300, 200);
        TTrace trace;
        scene.draw(b.get(), trace);
        std::uint64_t got = trace.Of(b.get());
        EXPECT_EQ(got, scene.checksum) << scene.name << " drew 0x" << std::hex << got;
    }
}

}  // namespace
