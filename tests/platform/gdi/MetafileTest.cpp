// Metafiles: what a metafile canvas records is written as .emf and .wmf
// files that independent readers (emf2svg-conv, wmf2svg) turn into SVG
// with the same lines, shapes, colours and texts at the same places;
// played back, the recording draws what drawing straight on a bitmap draws.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

#include "CanvasTestSupport.h"
#include "MetafileSvg.h"
#include "platform/gdi/Metafile.h"
#include "support/TempDir.h"

namespace {

// One of each kind of call on a 200 x 120 picture framed by its border.
void DrawScene(TCanvas* c) {
    c->Rectangle(0, 0, 200, 120);
    c->GetPen()->SetColor(clRed);
    c->MoveTo(10, 20);
    c->LineTo(150, 20);
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetColor(clBlue);
    c->Rectangle(20, 40, 80, 90);
    c->GetBrush()->SetColor(clLime);
    c->Ellipse(100, 40, 160, 100);
    TPoint triangle[] = {TPoint(170, 10), TPoint(195, 60), TPoint(170, 60)};
    c->Polygon(triangle, 3);
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetName("DejaVu Sans");
    c->GetFont()->SetColor(clMaroon);
    c->GetFont()->SetHeight(-14);
    c->TextOut(30, 95, "Quotes");
}

std::unique_ptr<TMetafile> RecordScene(bool enhanced) {
    auto metafile = std::make_unique<TMetafile>();
    metafile->SetEnhanced(enhanced);
    metafile->SetWidth(200);
    metafile->SetHeight(120);
    {
        TMetafileCanvas canvas(metafile.get(), nullptr);
        DrawScene(&canvas);
    }
    return metafile;
}

class MetafileReaders : public ::testing::TestWithParam<TSvgReader> {};

TEST_P(MetafileReaders, ShowLinesShapesAndTextWhereTheyWereDrawn) {
    const TSvgReader& reader = GetParam();
    TempDir dir;
    std::string file = dir.File(std::string("scene.") + reader.extension);
    RecordScene(reader.enhanced)->SaveToFile(file);
    TSvgPicture svg = ReadMetafileAsSvg(reader, file, dir.File("scene.svg"));
    ASSERT_FALSE(svg.shapes.empty()) << svg.text;

    EXPECT_TRUE(svg.Has("line", "red", {10, 20, 150, 20})) << svg.text;
    EXPECT_TRUE(svg.Has("rect", "blue", {20, 40, 80, 90})) << svg.text;
    EXPECT_TRUE(svg.Has("ellipse", "lime", {100, 40, 160, 100})) << svg.text;
    EXPECT_TRUE(svg.Has("polygon", "lime", {170, 10, 195, 60})) << svg.text;
    // The text's left edge and its baseline, a font's ascent below its top.
    EXPECT_TRUE(svg.HasText("Quotes", "maroon", 30, 95 + 13, 4)) << svg.text;
    EXPECT_FALSE(svg.HasText("Quotes", "maroon", 60, 95 + 13, 4));
}

INSTANTIATE_TEST_SUITE_P(Formats, MetafileReaders, ::testing::ValuesIn(SvgReaders()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Metafile, PlayedBackItDrawsWhatTheCanvasDrawsStraight) {
    auto straight = WhiteBitmap(200, 120);
    DrawScene(straight->GetCanvas());
    auto played = WhiteBitmap(200, 120);
    RecordScene(true)->Draw(played->GetCanvas(), TRect(0, 0, 200, 120));
    int differing = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) differing += DevicePixel(straight.get(), x, y) != DevicePixel(played.get(), x, y);
    EXPECT_EQ(differing, 0);

    // Into a rectangle twice the size, at an offset: the shapes scale.
    auto large = WhiteBitmap(420, 260);
    RecordScene(true)->Draw(large->GetCanvas(), TRect(10, 10, 410, 250));
    EXPECT_EQ(DevicePixel(large.get(), 10 + 100, 10 + 130), clBlue);   // (50, 65) of the rectangle
    EXPECT_EQ(DevicePixel(large.get(), 10 + 260, 10 + 140), clLime);   // (130, 70) of the ellipse
    EXPECT_EQ(DevicePixel(large.get(), 10 + 100, 10 + 40), clRed);     // (50, 20) of the line
    EXPECT_EQ(DevicePixel(large.get(), 10 + 20, 10 + 130), clWhite);
}

TEST(Metafile, ClipsFillsAndPicturesGoDownToo) {
    auto metafile = std::make_unique<TMetafile>();
    metafile->SetWidth(100);
    metafile->SetHeight(60);
    auto picture = WhiteBitmap(4, 2);
    picture->GetCanvas()->SetPixels(0, 0, clRed);
    picture->GetCanvas()->SetPixels(3, 1, clBlue);
    {
        TMetafileCanvas canvas(metafile.get(), nullptr);
        HDC dc = canvas.GetHandle();
        IntersectClipRect(dc, 0, 0, 50, 60);
        canvas.GetBrush()->SetColor(clGreen);
        canvas.FillRect(TRect(10, 10, 90, 20));  // only its left part shows
        SelectClipRgn(dc, nullptr);
        canvas.StretchDraw(TRect(60, 30, 100, 50), picture.get());
        // A transparent picture leaves the background where it has its key colour.
        picture->SetTransparent(true);
        canvas.GetBrush()->SetColor(clYellow);
        canvas.FillRect(TRect(0, 40, 40, 60));
        canvas.StretchDraw(TRect(0, 40, 40, 60), picture.get());
    }
    auto played = WhiteBitmap(100, 60);
    metafile->Draw(played->GetCanvas(), TRect(0, 0, 100, 60));
    EXPECT_EQ(DevicePixel(played.get(), 10, 10), clGreen);
    EXPECT_EQ(DevicePixel(played.get(), 49, 19), clGreen);
    EXPECT_EQ(DevicePixel(played.get(), 50, 15), clWhite);
    EXPECT_EQ(DevicePixel(played.get(), 60, 30), clRed);
    EXPECT_EQ(DevicePixel(played.get(), 99, 49), clBlue);
    EXPECT_EQ(DevicePixel(played.get(), 5, 45), clRed);
    EXPECT_EQ(DevicePixel(played.get(), 20, 45), clYellow);

    // ImageMagick reads the enhanced file's picture with the same pixels
    // only where it renders metafiles itself; the SVG readers carry the
    // clip and the bitmap.
    TempDir dir;
    metafile->SaveToFile(dir.File("clip.emf"));
    std::string svg = Shell("emf2svg-conv -i '" + dir.File("clip.emf") + "' -o /dev/stdout 2>/dev/null");
    EXPECT_NE(svg.find("<image"), std::string::npos) << svg;
    EXPECT_NE(svg.find("clip"), std::string::npos) << svg;
}

TEST(Metafile, AnEnhancedFileReadBackDrawsTheSamePicture) {
    TempDir dir;
    RecordScene(true)->SaveToFile(dir.File("scene.emf"));
    TMetafile loaded;
    loaded.LoadFromFile(dir.File("scene.emf"));
    EXPECT_EQ(loaded.GetWidth(), 200);
    EXPECT_EQ(loaded.GetHeight(), 120);
    auto straight = WhiteBitmap(200, 120);
    DrawScene(straight->GetCanvas());
    auto played = WhiteBitmap(200, 120);
    loaded.Draw(played->GetCanvas(), TRect(0, 0, 200, 120));
    int differing = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) differing += DevicePixel(straight.get(), x, y) != DevicePixel(played.get(), x, y);
    EXPECT_EQ(differing, 0);
    // Written again, the same bytes.
    loaded.SaveToFile(dir.File("again.emf"));
    EXPECT_EQ(dir.Read("again.emf"), dir.Read("scene.emf"));
}

TEST(Metafile, SizeHeaderAndErrors) {
    auto metafile = RecordScene(true);
    EXPECT_EQ(metafile->GetMMWidth(), 5292);  // 200 pixels at 96 per inch
    std::string emf = metafile->SaveToBytes();
    ASSERT_GT(emf.size(), 108u);
    EXPECT_EQ(emf.substr(40, 4), " EMF");
    metafile->SetEnhanced(false);
    std::string wmf = metafile->SaveToBytes();
    EXPECT_EQ(static_cast<unsigned char>(wmf[0]), 0xD7);  // the placeable key
    EXPECT_EQ(static_cast<unsigned char>(wmf[3]), 0x9A);

    TempDir dir;
    EXPECT_THROW(metafile->SaveToFile(dir.File("missing/scene.wmf")), EFCreateError);
    dir.Write("scene.wmf", wmf);
    EXPECT_THROW(metafile->LoadFromFile(dir.File("scene.wmf")), EInvalidGraphic);
    dir.Write("cut.emf", emf.substr(0, emf.size() / 2));
    EXPECT_THROW(metafile->LoadFromFile(dir.File("cut.emf")), EInvalidGraphic);
    EXPECT_THROW(metafile->LoadFromFile(dir.File("none.emf")), EFOpenError);
    TMetafile copy;
    copy.Assign(metafile.get());
    EXPECT_EQ(copy.SaveToBytes(), wmf);
    copy.Clear();
    EXPECT_TRUE(copy.GetEmpty());
}

}  // namespace
