// Text at a depth, zoomed and rotated text, and pictures on the 3-D canvas.
#include <gtest/gtest.h>

#include <functional>

#include "Canvas3DTestSupport.h"

namespace {

class Canvas3DText : public ::testing::Test {
protected:
    Canvas3DText() {
        view.canvas.GetFont()->SetName("Arial");
        view.canvas.GetFont()->SetSize(12);
        view.canvas.GetFont()->SetColor(clBlack);
        view.canvas.SetBackMode(cbmTransparent);
    }
    // The ink of Text drawn by draw on a fresh bitmap.
    TInk InkAfter(const std::function<void()>& draw) {
        TBrush* brush = view.bitmap->GetCanvas()->GetBrush();
        brush->SetColor(clWhite);
        brush->SetStyle(bsSolid);
        view.bitmap->GetCanvas()->FillRect(view.Whole());
        draw();
        return InkOf(view.bitmap.get());
    }
    TCanvasOnBitmap view{300, 300};
};

TEST_F(Canvas3DText, TextStandsAtItsProjectedPlace) {
    view.Begin(true, 40);
    TInk front = InkAfter([&] { view.canvas.TextOut3D(100, 150, 0, "W"); });
    TInk deep = InkAfter([&] { view.canvas.TextOut3D(100, 150, 25, "W"); });
    ASSERT_GT(front.count, 0);
    TRect shifted = front.box;
    OffsetRect(shifted, 25, -25);
    EXPECT_EQ(deep.box, shifted);
    EXPECT_EQ(deep.count, front.count);
}

TEST_F(Canvas3DText, TextFollowsTheZoomUnlessToldNotTo) {
    view.Begin(true, 40);
    TInk plain = InkAfter([&] { view.canvas.TextOut3D(150, 150, 0, "Close"); });
    view.options.SetZoom(200);
    view.Begin(true, 40);
    TInk zoomed = InkAfter([&] { view.canvas.TextOut3D(150, 150, 0, "Close"); });
    EXPECT_GT(zoomed.box.Height(), plain.box.Height() * 17 / 10);
    EXPECT_GT(zoomed.box.Width(), plain.box.Width() * 17 / 10);
    EXPECT_EQ(view.canvas.GetFont()->GetSize(), 12);  // the canvas font is left as it was

    view.options.SetZoomText(false);
    view.Begin(true, 40);
    TInk unzoomed = InkAfter([&] { view.canvas.TextOut3D(150, 150, 0, "Close"); });
    EXPECT_EQ(unzoomed.box.Width(), plain.box.Width());
    EXPECT_EQ(unzoomed.box.Height(), plain.box.Height());
}

TEST_F(Canvas3DText, LabelsTurnByTheirAngleOnceRoundAtMost) {
    view.Begin(false);
    auto label = [&](int angle) { return InkAfter([&] { view.canvas.RotateLabel(150, 150, "Close 123", angle); }); };
    TInk flat = label(0);
    TInk upright = label(90);
    EXPECT_GT(flat.box.Width(), flat.box.Height() * 2);
    EXPECT_GT(upright.box.Height(), upright.box.Width() * 2);
    EXPECT_LE(upright.box.Bottom, 151);  // turned counter-clockwise about its start
    std::vector<TColor> at90 = Snapshot(view.bitmap.get());
    label(450);
    EXPECT_EQ(Snapshot(view.bitmap.get()), at90);
    TInk fullTurn = label(720);
    EXPECT_EQ(fullTurn.box, flat.box);
    // The label leaves the canvas font unturned and the brush clear.
    label(90);
    EXPECT_EQ(view.canvas.GetBrush()->GetStyle(), bsClear);
    TInk after = InkAfter([&] { view.canvas.TextOut(150, 150, "Close 123"); });
    EXPECT_EQ(after.box, flat.box);
}

TEST_F(Canvas3DText, RotatedLabelsStandAtTheirProjectedPlace) {
    view.Begin(true, 40);
    TInk front = InkAfter([&] { view.canvas.RotateLabel3D(100, 200, 0, "Close", 90); });
    TInk deep = InkAfter([&] { view.canvas.RotateLabel3D(100, 200, 30, "Close", 90); });
    TRect shifted = front.box;
    OffsetRect(shifted, 30, -30);
    EXPECT_EQ(deep.box, shifted);
}

TEST_F(Canvas3DText, PicturesAreDrawnAsTheyAreOrStretched) {
    TBitmap red;
    red.SetSize(4, 3);
    red.GetCanvas()->GetBrush()->SetColor(clRed);
    red.GetCanvas()->FillRect(TRect(0, 0, 4, 3));
    TBitmap empty;
    TInk none = InkAfter([&] {
        view.canvas.Draw(10, 20, nullptr);
        view.canvas.Draw(10, 20, &empty);
        view.canvas.StretchDraw(TRect(0, 0, 50, 50), nullptr);
    });
    EXPECT_EQ(none.count, 0);
    TInk drawn = InkAfter([&] { view.canvas.Draw(10, 20, &red); });
    EXPECT_EQ(drawn.box, TRect(10, 20, 14, 23));
    EXPECT_EQ(drawn.count, 12);
    TInk stretched = InkAfter([&] { view.canvas.StretchDraw(TRect(30, 40, 42, 49), &red); });
    EXPECT_EQ(stretched.box, TRect(30, 40, 42, 49));
    EXPECT_EQ(CountColor(view.bitmap.get(), clRed, view.Whole()), 12 * 9);
}

}  // namespace
