#include "ControlProbes.h"
#include "platform/testing/TestInput.h"

namespace {

class Paint : public PlatformTest {};

TEST_F(Paint, InvalidateCoalescesWhileRefreshPaintsAtOnce) {
    TForm* form = ShownForm();
    auto* probe = Place(new TPaintProbe(form), form, 10, 10, 50, 50);
    ASSERT_TRUE(ProcessMessagesUntil([&] { return probe->paints > 0; }, 30000));
    const int before = probe->paints;

    probe->Invalidate();
    probe->Invalidate();
    probe->Invalidate();
    EXPECT_EQ(probe->paints, before) << "Invalidate must not paint by itself";
    Application->ProcessMessages();
    EXPECT_EQ(probe->paints, before + 1);

    probe->Refresh();
    EXPECT_EQ(probe->paints, before + 2) << "Refresh paints before it returns";
    probe->Repaint();
    EXPECT_EQ(probe->paints, before + 3);
    Application->ProcessMessages();
    EXPECT_EQ(probe->paints, before + 3) << "nothing left to paint";

    probe->Invalidate();
    probe->Update();
    EXPECT_EQ(probe->paints, before + 4) << "Update runs the pending paint";
}

TEST_F(Paint, HiddenControlsWaitUntilShown) {
    auto* form = new TForm(Application);
    auto* probe = Place(new TPaintProbe(form), form, 0, 0, 20, 20);
    probe->Refresh();
    Application->ProcessMessages();
    EXPECT_EQ(probe->paints, 0);
    form->Show();
    EXPECT_TRUE(ProcessMessagesUntil([&] { return probe->paints == 1; }, 30000));
}

TEST_F(Paint, GraphicControlPaintsAtItsOffsetClippedToItsBounds) {
    TForm* form = ShownForm();
    auto* back = Place(new TPaintProbe(form, clWhite), form, 0, 0, 200, 100);
    auto* swatch = Place(new TSwatch(form, clRed), back, 10, 20, 30, 40);
    back->Refresh();
    EXPECT_EQ(swatch->paints, 1);

    EXPECT_EQ(SurfacePixel(back, 10, 20), clRed);
    EXPECT_EQ(SurfacePixel(back, 39, 59), clRed);
    EXPECT_EQ(SurfacePixel(back, 9, 20), clWhite);
    EXPECT_EQ(SurfacePixel(back, 10, 19), clWhite);
    EXPECT_EQ(SurfacePixel(back, 40, 59), clWhite);
    EXPECT_EQ(SurfacePixel(back, 39, 60), clWhite);
    // The screen shows the backing bitmap.
    EXPECT_EQ(ScreenPixel(back, 25, 30), clRed);
    EXPECT_EQ(ScreenPixel(back, 50, 30), clWhite);
    EXPECT_EQ(ScreenPixel(swatch, 0, 0), clRed);

    // The canvas origin is the control's corner: a small fill lands there.
    swatch->area = Rect(0, 0, 2, 2);
    swatch->fill = clBlue;
    swatch->Invalidate();  // repaints the parent, then the swatch over it
    Application->ProcessMessages();
    EXPECT_EQ(swatch->paints, 2);
    EXPECT_EQ(SurfacePixel(back, 11, 21), clBlue);
    EXPECT_EQ(SurfacePixel(back, 12, 22), clWhite);

    swatch->Hide();
    Application->ProcessMessages();
    EXPECT_EQ(swatch->paints, 2);
    EXPECT_EQ(SurfacePixel(back, 11, 21), clWhite);
}

TEST_F(Paint, LaterGraphicControlsPaintOverEarlierOnes) {
    TForm* form = ShownForm();
    auto* back = Place(new TPaintProbe(form), form, 0, 0, 200, 100);
    Place(new TSwatch(form, clRed), back, 0, 0, 50, 50);
    Place(new TSwatch(form, clLime), back, 25, 25, 50, 50);
    back->Refresh();
    EXPECT_EQ(SurfacePixel(back, 10, 10), clRed);
    EXPECT_EQ(SurfacePixel(back, 30, 30), clLime);
}

TEST_F(Paint, BackgroundIsErasedWithColorUnlessTheControlTakesTheErase) {
    class TBare : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        bool keepBackground = false;
        void WndProc(TMessage& Message) override {
            if (keepBackground && Message.Msg == WM_ERASEBKGND) {
                Message.Result = 1;
                return;
            }
            TCustomControl::WndProc(Message);
        }
    };
    TForm* form = ShownForm();
    auto* bare = Place(new TBare(form), form, 0, 0, 40, 40);
    bare->SetColor(clNavy);
    bare->Refresh();
    EXPECT_EQ(SurfacePixel(bare, 5, 5), clNavy);

    bare->keepBackground = true;
    bare->SetColor(clMaroon);
    bare->Refresh();
    EXPECT_EQ(SurfacePixel(bare, 5, 5), clNavy) << "the erase was taken over, so the old pixels stay";
}

TEST_F(Paint, CanvasOutsidePaintDrawsOnTheSurfaceAndInvertsBackExactly) {
    TForm* form = ShownForm();
    auto* probe = Place(new TPaintProbe(form, clWhite), form, 0, 0, 200, 100);
    probe->Refresh();
    const int paints = probe->paints;
    ASSERT_EQ(ScreenPixel(probe, 50, 30), clWhite);

    TCanvas* canvas = probe->GetCanvas();
    canvas->GetPen()->SetMode(pmNot);
    canvas->MoveTo(10, 30);
    canvas->LineTo(150, 30);
    EXPECT_EQ(ScreenPixel(probe, 50, 30), clBlack) << "shown without a repaint";
    EXPECT_EQ(ScreenPixel(probe, 50, 31), clWhite);

    canvas->MoveTo(10, 30);
    canvas->LineTo(150, 30);
    EXPECT_EQ(ScreenPixel(probe, 50, 30), clWhite) << "drawn twice, undone";
    EXPECT_EQ(probe->paints, paints);
}

TEST_F(Paint, GraphicControlCanvasOutsidePaintLandsOnTheParentAtItsOffset) {
    TForm* form = ShownForm();
    auto* back = Place(new TPaintProbe(form, clWhite), form, 0, 0, 200, 100);
    auto* swatch = Place(new TSwatch(form, clWhite), back, 30, 40, 20, 20);
    back->Refresh();

    TCanvas* canvas = swatch->GetCanvas();
    canvas->GetBrush()->SetColor(clGreen);
    canvas->FillRect(Rect(-10, -10, 5, 5));
    Application->ProcessMessages();
    EXPECT_EQ(ScreenPixel(back, 30, 40), clGreen);
    EXPECT_EQ(ScreenPixel(back, 34, 44), clGreen);
    EXPECT_EQ(ScreenPixel(back, 35, 45), clWhite);
    EXPECT_EQ(ScreenPixel(back, 29, 40), clWhite) << "clipped to the control";

    auto* loose = new TSwatch(form);
    EXPECT_THROW(loose->GetCanvas()->FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
    delete loose;
}

TEST_F(Paint, ExceptionInPaintGoesToTheDefaultHandlerAndPaintingGoesOn) {
    class TBroken : public TPaintProbe {
    public:
        using TPaintProbe::TPaintProbe;
        bool broken = true;

    protected:
        void Paint() override {
            TPaintProbe::Paint();
            if (broken) throw Exception("Cannot draw the chart");
        }
    };
    Application->SetTitle("Velmora");
    TForm* form = ShownForm();
    auto* broken = Place(new TBroken(form), form, 0, 0, 50, 50);
    AnswerNextMessageBox(IDOK);
    broken->Invalidate();
    ASSERT_TRUE(ProcessMessagesUntil([] { return !AutomationLog().empty(); }, 30000));
    EXPECT_EQ(AutomationLog().back().Text, "Cannot draw the chart.");
    EXPECT_EQ(AutomationLog().back().Caption, "Velmora");

    AnswerNextMessageBox(IDOK);
    broken->Refresh();  // a synchronous paint is handled the same way
    EXPECT_EQ(AutomationLog().size(), 2u);

    broken->broken = false;
    const int paints = broken->paints;
    broken->Refresh();
    EXPECT_EQ(broken->paints, paints + 1);
}

}  // namespace
