// The off-screen picture of a paint and the clipping of the 3-D canvas,
// with a second bitmap standing in for the window.
#include <gtest/gtest.h>

#include "Canvas3DTestSupport.h"

namespace {

class Canvas3DBuffer : public ::testing::Test {
protected:
    Canvas3DBuffer() : window(WhiteBitmap(120, 90)) {
        options.SetOrthogonal(true);
        canvas.SetCanvas(Window());
    }
    TCanvas* Window() { return window->GetCanvas(); }
    // One paint of a red block into UserRect, ended with ShowImage.
    TRect Paint(const TRect& UserRect) {
        TRect area = canvas.InitWindow(Window(), &options, clWhite, true, UserRect);
        canvas.GetBrush()->SetColor(clRed);
        canvas.FillRect(TRect(area.Left + 5, area.Top + 5, area.Left + 15, area.Top + 10));
        return area;
    }
    void WipeWindow() {
        window->GetCanvas()->GetBrush()->SetColor(clWhite);
        window->GetCanvas()->FillRect(TRect(0, 0, 120, 90));
    }

    std::unique_ptr<TBitmap> window;
    int repaints = 0;
    TView3DOptions options{nullptr, [this](TObject*) { ++repaints; }};
    TTeeCanvas3D canvas;
};

TEST_F(Canvas3DBuffer, APaintReachesTheWindowOnlyWhenShown) {
    EXPECT_FALSE(canvas.ReDrawBitmap());
    TRect area = Paint(TRect(20, 30, 100, 80));
    EXPECT_EQ(area, TRect(0, 0, 80, 50));
    EXPECT_EQ(InkOf(window.get()).count, 0);
    canvas.ShowImage(Window(), Window(), TRect(20, 30, 100, 80));
    EXPECT_EQ(InkOf(window.get()).box, TRect(25, 35, 35, 40));
    EXPECT_EQ(canvas.GetCanvas(), Window());
}

TEST_F(Canvas3DBuffer, AnUnchangedChartIsShownAgainFromTheStoredPicture) {
    Paint(TRect(0, 0, 120, 90));
    canvas.ShowImage(Window(), Window(), TRect(0, 0, 120, 90));
    WipeWindow();
    EXPECT_TRUE(canvas.ReDrawBitmap());
    EXPECT_EQ(InkOf(window.get()).box, TRect(5, 5, 15, 10));

    canvas.Invalidate();
    WipeWindow();
    EXPECT_FALSE(canvas.ReDrawBitmap());
    EXPECT_EQ(InkOf(window.get()).count, 0);
}

TEST_F(Canvas3DBuffer, WithoutTheBufferEveryPaintDrawsOnTheWindow) {
    canvas.SetUseBuffer(false);
    TRect area = Paint(TRect(20, 30, 100, 80));
    EXPECT_EQ(area, TRect(20, 30, 100, 80));
    EXPECT_EQ(InkOf(window.get()).box, TRect(25, 35, 35, 40));
    canvas.ShowImage(Window(), Window(), area);
    EXPECT_EQ(canvas.GetBitmap(), nullptr);
    EXPECT_FALSE(canvas.ReDrawBitmap());
}

TEST_F(Canvas3DBuffer, ThePictureIsKeptUntilItsSizeChanges) {
    Paint(TRect(0, 0, 60, 40));
    TBitmap* first = canvas.GetBitmap();
    canvas.ShowImage(Window(), Window(), TRect(0, 0, 60, 40));
    Paint(TRect(10, 10, 70, 50));
    EXPECT_EQ(canvas.GetBitmap(), first);
    canvas.ShowImage(Window(), Window(), TRect(10, 10, 70, 50));
    Paint(TRect(0, 0, 61, 40));
    EXPECT_EQ(canvas.GetBitmap()->GetWidth(), 61);
    EXPECT_EQ(canvas.GetBitmap()->GetHeight(), 40);
    canvas.ShowImage(Window(), Window(), TRect(0, 0, 61, 40));
    // Switching the buffer off drops the picture and the next paint draws.
    canvas.SetUseBuffer(false);
    EXPECT_EQ(canvas.GetBitmap(), nullptr);
    EXPECT_FALSE(canvas.ReDrawBitmap());
}

TEST_F(Canvas3DBuffer, MonochromeRemakesThePictureAndAsksForARepaint) {
    Paint(TRect(0, 0, 60, 40));
    canvas.ShowImage(Window(), Window(), TRect(0, 0, 60, 40));
    canvas.SetMonochrome(true);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(canvas.GetBitmap(), nullptr);
    EXPECT_FALSE(canvas.ReDrawBitmap());
    canvas.SetMonochrome(true);
    EXPECT_EQ(repaints, 1);
    Paint(TRect(0, 0, 60, 40));
    EXPECT_TRUE(canvas.GetBitmap()->GetMonochrome());

    TTeeCanvas3D other;
    other.Assign(&canvas);
    EXPECT_TRUE(other.GetMonochrome());
    EXPECT_TRUE(other.GetUseBuffer());
}

// A dropped picture cannot be shown again, whatever the last paint left.
TEST_F(Canvas3DBuffer, ADeletedPictureIsDrawnAnew) {
    Paint(TRect(0, 0, 60, 40));
    canvas.ShowImage(Window(), Window(), TRect(0, 0, 60, 40));
    canvas.DeleteBitmap();
    EXPECT_FALSE(canvas.ReDrawBitmap());
    // Dropped in the middle of a paint, the canvas lets go of the picture.
    Paint(TRect(0, 0, 60, 40));
    canvas.DeleteBitmap();
    EXPECT_EQ(canvas.GetCanvas(), nullptr);
}

// ---- Clipping ------------------------------------------------------------------------
class Canvas3DClip : public ::testing::Test {
protected:
    // Fills the whole bitmap in blue through the clip; the painted box.
    TInk FillThroughClip() {
        view.canvas.GetBrush()->SetColor(clBlue);
        view.canvas.FillRect(view.Whole());
        view.canvas.UnClipRectangle();
        return InkOf(view.bitmap.get());
    }
    TCanvasOnBitmap view;
};

TEST_F(Canvas3DClip, RectanglesClipInLogicalCoordinates) {
    view.canvas.ClipRectangle(TRect(10, 20, 30, 25));
    EXPECT_EQ(FillThroughClip().box, TRect(10, 20, 30, 25));
    // With the origin moved, the clip moves with the drawing.
    SetViewportOrgEx(view.canvas.GetHandle(), 5, 7, nullptr);
    view.canvas.ClipRectangle(TRect(0, 0, 10, 10));
    view.canvas.GetBrush()->SetColor(clRed);
    view.canvas.FillRect(TRect(-20, -20, 50, 50));
    SetViewportOrgEx(view.canvas.GetHandle(), 0, 0, nullptr);
    view.canvas.UnClipRectangle();
    EXPECT_EQ(CountColor(view.bitmap.get(), clRed, view.Whole()), 100);
    EXPECT_EQ(view.Pixel(5, 7), clRed);
    EXPECT_EQ(view.Pixel(14, 16), clRed);
}

TEST_F(Canvas3DClip, AFlatCubeClipsInsideItsLeftTopAndBottomEdges) {
    view.Begin(false);
    view.canvas.ClipCube(TRect(10, 20, 50, 60), 0, 30);
    EXPECT_EQ(FillThroughClip().box, TRect(11, 21, 50, 59));
}

TEST_F(Canvas3DClip, ACubeInDepthClipsToItsVisibleOutline) {
    view.Begin(true, 30);  // oblique, zoom 100: depth shifts right and up
    view.canvas.ClipCube(TRect(40, 50, 80, 100), 0, 30);
    TInk ink = FillThroughClip();
    // Front face from (40, 50) to (80, 100), the back face 30 right and up.
    EXPECT_EQ(ink.box, TRect(40, 20, 110, 100));
    EXPECT_EQ(view.Pixel(45, 95), clBlue);
    EXPECT_EQ(view.Pixel(105, 25), clBlue);  // behind the top right corner
    EXPECT_EQ(view.Pixel(45, 25), clWhite);  // above the front face's left part
    EXPECT_EQ(view.Pixel(105, 95), clWhite);
}

}  // namespace
