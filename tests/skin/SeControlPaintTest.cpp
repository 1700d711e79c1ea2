#include "SkinTest.h"
#include "skin/controls/SeControl.h"

namespace {

// Frames itself black and fills a 4-pixel square in the middle of its face
// in the colour of its state.
template <class Root>
class TProbe : public Root {
public:
    explicit TProbe(TComponent* Owner) : Root(Owner) { this->SetColor(clYellow); }
    int paints = 0;

protected:
    void PaintBorder(TCanvas* Canvas, TRect& R) override {
        Canvas->GetBrush()->SetColor(clBlack);
        Canvas->FrameRect(R);
        InflateRect(R, -1, -1);
    }
    void PaintControl(TCanvas* Canvas, const TRect& R) override {
        ++paints;
        static const TColor colours[] = {clRed, clGreen, clBlue, clGray, clSilver, clRed, clRed, clRed};
        Canvas->GetBrush()->SetColor(colours[this->GetDrawState()]);
        TPoint c{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
        Canvas->FillRect(Rect(c.x - 2, c.y - 2, c.x + 2, c.y + 2));
    }
};
using TWinProbe = TProbe<TSeCustomControl>;
using TGraphicProbe = TProbe<TSeGraphicControl>;

// A graphic control that paints one colour everywhere.
class TFill : public TGraphicControl {
public:
    TFill(TComponent* Owner, TColor Colour) : TGraphicControl(Owner), colour(Colour) {}
    TColor colour;

protected:
    void Paint() override {
        GetCanvas()->GetBrush()->SetColor(colour);
        GetCanvas()->FillRect(Rect(0, 0, GetWidth(), GetHeight()));
    }
};

class SeControlPaint : public SkinTest {};

TEST_F(SeControlPaint, EveryBufferingModeDrawsTheSamePicture) {
    TForm* form = ShownForm();
    auto* win = Place(new TWinProbe(form), form, 10, 10, 30, 20);
    auto* graphic = Place(new TGraphicProbe(form), form, 60, 10, 30, 20);
    for (TSePerformance mode : {kspDoubleBuffer, kspSharedBuffer, kspNoBuffer}) {
        SCOPED_TRACE(mode);
        win->SetPerformance(mode);
        graphic->SetPerformance(mode);
        win->Repaint();
        form->Repaint();
        for (auto [x, y, colour] : {std::tuple{0, 0, clBlack}, {29, 19, clBlack}, {1, 1, clYellow},
                                   {15, 10, clRed}, {13, 8, clRed}, {12, 10, clYellow}, {28, 18, clYellow}}) {
            EXPECT_EQ(SurfacePixel(win, x, y), colour) << x << "," << y;
            EXPECT_EQ(SurfacePixel(form, 60 + x, 10 + y), colour) << x << "," << y;
        }
        EXPECT_EQ(SurfacePixel(form, 59, 10), clWhite);
        if (mode == kspSharedBuffer) {
            ASSERT_NE(SharedBuffer(), nullptr);
            EXPECT_GE(SharedBuffer()->GetWidth(), Screen->GetWidth() + 500);
            EXPECT_GE(SharedBuffer()->GetHeight(), Screen->GetHeight() + 500);
        }
    }
    EXPECT_EQ(SharedBuffer(), nullptr) << "freed when the last control gives it up";
}

TEST_F(SeControlPaint, TransparentControlsShowTheParentAndTheControlsBeneath) {
    TForm* form = ShownForm(200, 120, clAqua);
    Place(new TFill(form, clPurple), form, 0, 0, 200, 15);  // under the top rows of both probes
    auto* win = Place(new TWinProbe(form), form, 10, 10, 30, 20);
    auto* graphic = Place(new TGraphicProbe(form), form, 60, 10, 30, 20);
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(win, 5, 2), clYellow) << "opaque: its own colour";
    EXPECT_EQ(SurfacePixel(form, 65, 12), clYellow);

    win->SetTransparent(true);
    graphic->SetTransparent(true);
    EXPECT_TRUE(win->GetTransparent());
    EXPECT_TRUE(graphic->GetTransparent());
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(win, 5, 2), clPurple) << "the sibling graphic control shows through";
    EXPECT_EQ(SurfacePixel(win, 5, 15), clAqua) << "and the parent's colour below it";
    EXPECT_EQ(SurfacePixel(win, 15, 10), clRed) << "the face is still drawn";
    EXPECT_EQ(SurfacePixel(form, 65, 12), clPurple);
    EXPECT_EQ(SurfacePixel(form, 65, 25), clAqua);
    EXPECT_EQ(SurfacePixel(form, 75, 20), clRed);

    // A windowed transparent control follows its parent's repaints.
    form->SetColor(clLime);
    EXPECT_TRUE(ProcessMessagesUntil([&] { return SurfacePixel(win, 5, 15) == clLime; }, 30000));
    EXPECT_EQ(SurfacePixel(win, 5, 2), clPurple);
    EXPECT_EQ(SurfacePixel(form, 65, 25), clLime);

    graphic->SetTransparent(false);
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(form, 65, 25), clYellow) << "SetTransparent repaints";
}

TEST_F(SeControlPaint, HotAndPressedFollowTheMouse) {
    TForm* form = ShownForm();
    auto* win = Place(new TWinProbe(form), form, 10, 10, 30, 20);
    auto* graphic = Place(new TGraphicProbe(form), form, 60, 10, 30, 20);
    Application->ProcessMessages();
    auto face = [&](TControl* c) {
        Application->ProcessMessages();
        return c == win ? SurfacePixel(win, 15, 10) : SurfacePixel(form, 75, 20);
    };
    for (TControl* c : {static_cast<TControl*>(win), static_cast<TControl*>(graphic)}) {
        EXPECT_EQ(face(c), clRed);
        MouseMove(c, 5, 5);
        EXPECT_EQ(face(c), clGreen) << "hot";
        MouseDown(c, mbLeft, 5, 5);
        EXPECT_EQ(face(c), clBlue) << "pressed";
        MouseMove(c, 50, 5);
        EXPECT_EQ(face(c), clRed) << "pressed but dragged off: drawn as normal";
        MouseMove(c, 5, 5);
        EXPECT_EQ(face(c), clBlue);
        MouseUp(c, mbLeft, 5, 5);
        EXPECT_EQ(face(c), clGreen);
        MouseMove(form, 150, 100);
        EXPECT_EQ(face(c), clRed) << "the mouse left";
        MouseDown(c, mbLeft, 5, 5);
        c->SetEnabled(false);
        EXPECT_EQ(face(c), clSilver) << "disabled";
        c->SetEnabled(true);
        EXPECT_EQ(face(c), clGreen) << "no longer pressed once enabled again";
        MouseUp(c, mbLeft, 5, 5);
        MouseMove(form, 150, 100);
    }
}

TEST_F(SeControlPaint, SkinChangeRepaintsTheControl) {
    TForm* form = ShownForm();
    auto* graphic = Place(new TGraphicProbe(form), form, 60, 10, 30, 20);
    auto* win = Place(new TWinProbe(form), form, 10, 10, 30, 20);
    Application->ProcessMessages();
    ASSERT_TRUE(ProcessMessagesUntil([&] { return win->paints > 0; }, 30000));
    int before = graphic->paints + win->paints;
    graphic->Perform(WMSkinChange, 0, 0);
    win->Perform(WMSkinChange, 0, 0);
    Application->ProcessMessages();
    EXPECT_EQ(graphic->paints + win->paints, before + 2);
}

}  // namespace
