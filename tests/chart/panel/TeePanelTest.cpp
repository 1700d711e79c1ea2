// The chart panel's geometry, settings, repaint requests and messages.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "PanelTestSupport.h"
#include "chart/messages/TeeExceptions.h"
#include "platform/testing/TestInput.h"

namespace {

struct ChartPanel : ::testing::Test, TPanelOnForm {};

TEST_F(ChartPanel, ChartRectKeepsTheMarginsInsideTheBorder) {
    EXPECT_EQ(panel->GetChartBounds(), TRect(0, 0, 400, 250));
    EXPECT_EQ(panel->GetChartRect(), TRect(12, 10, 388, 240));
    EXPECT_EQ(panel->GetChartWidth(), 376);
    EXPECT_EQ(panel->GetChartHeight(), 230);
    EXPECT_EQ(panel->GetChartXCenter(), 200);
    EXPECT_EQ(panel->GetChartYCenter(), 125);
    EXPECT_EQ(panel->GetWidth3D(), 100);

    // Drawn straight onto the window the bounds are the client rectangle too.
    panel->SetBufferedDisplay(false);
    panel->SetBorderWidth(5);
    panel->Repaint();
    EXPECT_EQ(panel->GetChartRect(), TRect(17, 15, 383, 235));

    // Margins are rounded percentages of the bounds.
    panel->SetMarginLeft(1);
    panel->SetMarginTop(3);
    Picture();
    EXPECT_EQ(panel->GetChartRect(), TRect(9, 13, 383, 235));  // 4 and 7.5 pixels
}

TEST_F(ChartPanel, OverlappingMarginsStillLeaveAChartRectangle) {
    panel->SetMarginLeft(60);
    panel->SetMarginRight(60);
    panel->SetMarginTop(50);
    panel->SetMarginBottom(50);
    Picture();
    // Right edge before the left one: one pixel; edges that meet: the
    // panel's whole height.
    EXPECT_EQ(panel->GetChartRect(), TRect(240, 125, 241, 375));
    EXPECT_EQ(panel->GetChartWidth(), 1);
    EXPECT_EQ(panel->GetChartHeight(), 250);

    panel->SetMarginLeft(-10);
    panel->SetMarginTop(-4);
    Picture();
    EXPECT_EQ(panel->GetChartRect().Left, 0);
    EXPECT_EQ(panel->GetChartRect().Top, 0);
}

TEST_F(ChartPanel, MarginsByIndexAndTheirDefaults) {
    EXPECT_EQ(panel->GetMargin(0), 3);
    EXPECT_EQ(panel->GetMargin(1), 4);
    EXPECT_EQ(panel->GetMargin(2), 3);
    EXPECT_EQ(panel->GetMargin(3), 4);
    panel->SetMargin(2, 9);
    EXPECT_EQ(panel->GetMarginRight(), 9);
    panel->SetMargin(4, 50);
    panel->SetMargin(-1, 50);
    EXPECT_EQ(panel->GetMargin(4), 0);
    EXPECT_EQ(panel->GetMarginLeft() + panel->GetMarginTop() + panel->GetMarginBottom(), 11);
}

TEST_F(ChartPanel, DepthPercentOutsideOneToHundredIsRefused) {
    for (int bad : {0, 101, -5}) {
        try {
            panel->SetChart3DPercent(bad);
            ADD_FAILURE() << bad << " was taken";
        } catch (const ChartException& e) {
            EXPECT_EQ(e.GetMessage(), "3D effect percent must be between 1 and 100");
        }
        EXPECT_EQ(panel->GetChart3DPercent(), 15);
    }
    panel->SetChart3DPercent(1);
    EXPECT_EQ(panel->GetChart3DPercent(), 1);
    panel->SetChart3DPercent(100);
    EXPECT_EQ(panel->GetChart3DPercent(), 100);
}

TEST_F(ChartPanel, MultiLineTextWidthIsTheWidestLine) {
    TCanvas3D* canvas = panel->GetCanvas();
    const AnsiString sep(TeeLineSeparator);
    int lines = 0;
    EXPECT_EQ(panel->MultiLineTextWidth("ab" + sep + "abcd", lines), canvas->TextWidth("abcd"));
    EXPECT_EQ(lines, 2);
    EXPECT_GT(canvas->TextWidth("abcd"), canvas->TextWidth("ab"));
    EXPECT_EQ(panel->MultiLineTextWidth("wide line" + sep + "ab", lines), canvas->TextWidth("wide line"));
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(panel->MultiLineTextWidth("abc", lines), canvas->TextWidth("abc"));
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(panel->MultiLineTextWidth("abc" + sep, lines), canvas->TextWidth("abc"));
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(panel->MultiLineTextWidth("a" + sep + sep + "b", lines), canvas->TextWidth("a"));
    EXPECT_EQ(lines, 3);
}

// Each setting: setting the value it has changes nothing, another repaints.
TEST_F(ChartPanel, OnlyChangedSettingsRepaint) {
    TChartGradient* gradient = panel->GetGradient();
    TView3DOptions* options = panel->GetView3DOptions();
    TColor color = clRed;
    double number = 1.5;
    AnsiString text = "a";
    TChartFontObject title(panel);
    struct Setting {
        const char* name;
        std::function<void()> same, changed;
    };
    const Setting settings[] = {
        {"View3D", [&] { panel->SetView3D(true); }, [&] { panel->SetView3D(false); }},
        {"ApplyZOrder", [&] { panel->SetApplyZOrder(true); }, [&] { panel->SetApplyZOrder(false); }},
        {"Chart3DPercent", [&] { panel->SetChart3DPercent(15); }, [&] { panel->SetChart3DPercent(16); }},
        {"Margin", [&] { panel->SetMargin(3, 4); }, [&] { panel->SetMargin(3, 5); }},
        {"PrintResolution", [&] { panel->SetPrintResolution(0); }, [&] { panel->SetPrintResolution(-10); }},
        {"PrintProportional", [&] { panel->SetPrintProportional(true); },
         [&] { panel->SetPrintProportional(false); }},
        {"Monochrome", [&] { panel->SetMonochrome(false); }, [&] { panel->SetMonochrome(true); }},
        {"BackImageMode", [&] { panel->SetBackImageMode(pbmStretch); }, [&] { panel->SetBackImageMode(pbmTile); }},
        {"AllowPanning", [&] { panel->SetAllowPanning(pmBoth); }, [&] { panel->SetAllowPanning(pmNone); }},
        {"AllowZoom", [&] { panel->SetAllowZoom(true); }, [&] { panel->SetAllowZoom(false); }},
        {"AnimatedZoom", [&] { panel->SetAnimatedZoom(false); }, [&] { panel->SetAnimatedZoom(true); }},
        {"AnimatedZoomSteps", [&] { panel->SetAnimatedZoomSteps(8); }, [&] { panel->SetAnimatedZoomSteps(4); }},
        {"Gradient.Visible", [&] { gradient->SetVisible(false); }, [&] { gradient->SetVisible(true); }},
        {"Gradient.Direction", [&] { gradient->SetDirection(gdTopBottom); },
         [&] { gradient->SetDirection(gdFromCenter); }},
        {"Gradient.StartColor", [&] { gradient->SetStartColor(clWhite); }, [&] { gradient->SetStartColor(clRed); }},
        {"Gradient.EndColor", [&] { gradient->SetEndColor(clYellow); }, [&] { gradient->SetEndColor(clBlue); }},
        {"View3DOptions.Elevation", [&] { options->SetElevation(345); }, [&] { options->SetElevation(300); }},
        {"View3DOptions.Zoom", [&] { options->SetZoom(100); }, [&] { options->SetZoom(90); }},
        {"Color property", [&] { panel->SetColorProperty(color, clRed); },
         [&] { panel->SetColorProperty(color, clBlue); }},
        {"Double property", [&] { panel->SetDoubleProperty(number, 1.5); },
         [&] { panel->SetDoubleProperty(number, 2.5); }},
        {"String property", [&] { panel->SetStringProperty(text, "a"); },
         [&] { panel->SetStringProperty(text, "b"); }},
        {"Font", [&] { title.GetFont()->SetColor(clBlack); }, [&] { title.GetFont()->SetColor(clRed); }},
    };
    int expected = PaintsAfterEvents();
    for (const Setting& setting : settings) {
        setting.same();
        EXPECT_EQ(PaintsAfterEvents(), expected) << setting.name;
        setting.changed();
        EXPECT_EQ(PaintsAfterEvents(), ++expected) << setting.name;
    }
    EXPECT_EQ(color, clBlue);
    EXPECT_EQ(number, 2.5);
    EXPECT_EQ(text, "b");
}

TEST_F(ChartPanel, NoRepaintWhileAutoRepaintIsOff) {
    const int before = PaintsAfterEvents();
    panel->SetAutoRepaint(false);
    panel->SetView3D(false);
    panel->GetGradient()->SetVisible(true);
    EXPECT_EQ(PaintsAfterEvents(), before);
    // The window itself may still ask: the stored picture is shown again.
    panel->Repaint();
    EXPECT_EQ(paints, before);
    panel->SetAutoRepaint(true);
    panel->Invalidate();
    EXPECT_EQ(PaintsAfterEvents(), before + 1);
}

TEST_F(ChartPanel, PaintingWhilePrintingDrawsNothing) {
    panel->SetColor(clRed);
    panel->Repaint();
    EXPECT_EQ(SurfacePixel(panel, 200, 125), clRed);
    const int before = paints;
    panel->SetPrinting(true);
    panel->SetColor(clBlue);
    panel->Repaint();
    EXPECT_EQ(paints, before);
    EXPECT_EQ(SurfacePixel(panel, 200, 125), clRed);
    panel->SetPrinting(false);
    panel->Repaint();
    EXPECT_EQ(paints, before + 1);
    EXPECT_EQ(SurfacePixel(panel, 200, 125), clBlue);
}

TEST_F(ChartPanel, Draw3DRunsOnPaintThenOnAfterDrawWithAFreshCanvasState) {
    std::vector<AnsiString> road;
    TRect paintRect;
    TCanvas3D* canvas = panel->GetCanvas();
    panel->OnPaint = [&](TObject* Sender, const TRect& R) {
        EXPECT_EQ(Sender, panel);
        paintRect = R;
        // The bevels left a clear brush behind; the handler starts afresh.
        EXPECT_EQ(canvas->GetBrush()->GetStyle(), bsSolid);
        EXPECT_EQ(canvas->GetBrush()->GetColor(), clWhite);
        EXPECT_EQ(panel->GetWidth3D(), 100);
        canvas->GetPen()->SetColor(clRed);
        canvas->GetPen()->SetWidth(3);
        road.push_back("paint");
    };
    panel->OnAfterDraw = [&](TObject*) {
        EXPECT_EQ(canvas->GetPen()->GetColor(), clBlack);
        EXPECT_EQ(canvas->GetPen()->GetWidth(), 1);
        road.push_back("after");
    };
    panel->Invalidate();
    panel->Repaint();
    EXPECT_EQ(road, (std::vector<AnsiString>{"paint", "after"}));
    EXPECT_EQ(paintRect, panel->GetChartBounds());
}

TEST_F(ChartPanel, UndoZoomTellsTheHandlerThenClearsZoomed) {
    panel->SetZoomed(true);
    int calls = 0;
    panel->OnUndoZoom = [&](TObject* Sender) {
        EXPECT_EQ(Sender, panel);
        EXPECT_TRUE(panel->GetZoomed());
        ++calls;
    };
    const int before = PaintsAfterEvents();
    panel->UndoZoom();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(panel->GetZoomed());
    EXPECT_EQ(PaintsAfterEvents(), before + 1);
}

TEST_F(ChartPanel, ZoomAndPanningRecordsOrderTheirCorners) {
    TZoomPanningRecord* zoom = panel->GetZoom();
    EXPECT_FALSE(zoom->Active);
    zoom->Activate(50, 40);
    EXPECT_TRUE(zoom->Active);
    EXPECT_EQ(zoom->X1, 50);
    EXPECT_EQ(zoom->Y1, 40);
    zoom->X1 = 10;
    zoom->Y1 = 90;
    zoom->Check();
    EXPECT_EQ(TRect(zoom->X0, zoom->Y0, zoom->X1, zoom->Y1), TRect(10, 40, 50, 90));
}

TEST_F(ChartPanel, LeavingTheMouseRestoresTheSavedCursorAndEndsPanning) {
    int leaves = 0;
    panel->OnMouseLeave = [&](TObject*) { ++leaves; };
    panel->SetSavedCursor(crCross);
    panel->SetCursor(crTeeHand);
    panel->GetPanning()->Activate(5, 5);
    panel->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(panel->GetCursor(), crCross);
    EXPECT_FALSE(panel->GetPanning()->Active);
    EXPECT_EQ(leaves, 1);

    EXPECT_TRUE(panel->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
}

TEST_F(ChartPanel, TheWindowErasesOnlyWhenAskedTo) {
    panel->GetGradient()->SetVisible(true);
    panel->Repaint();
    const TColor drawn = SurfacePixel(panel, 200, 125);
    ASSERT_NE(drawn, ColorToRGB(panel->GetColor()));
    EXPECT_EQ(panel->Perform(WM_ERASEBKGND, 0, 0), 1);
    EXPECT_EQ(SurfacePixel(panel, 200, 125), drawn);
    TeeEraseBack = true;
    EXPECT_EQ(panel->Perform(WM_ERASEBKGND, 0, 0), 1);
    TeeEraseBack = false;
    EXPECT_EQ(SurfacePixel(panel, 200, 125), ColorToRGB(panel->GetColor()));
}

TEST_F(ChartPanel, AssignCopiesTheViewMarginsAndBackground) {
    TDraw3D* source = new TDraw3D(form);
    source->SetBufferedDisplay(false);
    source->SetPrintProportional(false);
    source->SetPrintResolution(-30);
    source->SetMargin(0, 7);
    source->SetMargin(3, 9);
    source->SetMonochrome(true);
    source->SetView3D(false);
    source->GetView3DOptions()->SetRotation(20);
    source->SetChart3DPercent(40);
    source->SetColor(clAqua);
    source->SetBackImageMode(pbmCenter);
    source->GetBackImage()->GetBitmap()->SetSize(3, 2);
    source->GetGradient()->SetVisible(true);
    source->GetGradient()->SetStartColor(clNavy);
    source->SetAllowPanning(pmVertical);
    source->SetAllowZoom(false);
    source->SetAnimatedZoom(true);
    source->SetAnimatedZoomSteps(3);

    panel->Assign(source);
    EXPECT_FALSE(panel->GetBufferedDisplay());
    EXPECT_FALSE(panel->GetPrintProportional());
    EXPECT_EQ(panel->GetPrintResolution(), -30);
    EXPECT_EQ(panel->GetMarginLeft(), 7);
    EXPECT_EQ(panel->GetMarginBottom(), 9);
    EXPECT_TRUE(panel->GetMonochrome());
    EXPECT_FALSE(panel->GetView3D());
    EXPECT_EQ(panel->GetView3DOptions()->GetRotation(), 20);
    EXPECT_EQ(panel->GetChart3DPercent(), 40);
    EXPECT_EQ(panel->GetColor(), clAqua);
    EXPECT_EQ(panel->GetBackImageMode(), pbmCenter);
    EXPECT_EQ(panel->GetBackImage()->GetWidth(), 3);
    EXPECT_TRUE(panel->GetGradient()->GetVisible());
    EXPECT_EQ(panel->GetGradient()->GetStartColor(), clNavy);
    EXPECT_EQ(panel->GetAllowPanning(), pmVertical);
    EXPECT_FALSE(panel->GetAllowZoom());
    EXPECT_TRUE(panel->GetAnimatedZoom());
    EXPECT_EQ(panel->GetAnimatedZoomSteps(), 3);
}

TEST_F(ChartPanel, ANewSurfaceTakesTheSettingsOfTheOldOne) {
    panel->SetMonochrome(true);
    TCanvas3D* old = panel->GetCanvas();
    panel->SetInternalCanvas(nullptr);
    panel->SetInternalCanvas(old);
    EXPECT_EQ(panel->GetCanvas(), old);

    auto* surface = new TTeeCanvas3D;
    const int before = PaintsAfterEvents();
    panel->SetInternalCanvas(surface);
    EXPECT_EQ(panel->GetCanvas(), surface);
    EXPECT_TRUE(surface->GetMonochrome());
    EXPECT_EQ(surface->GetCanvas(), panel->GetControlCanvas());
    EXPECT_EQ(PaintsAfterEvents(), before + 1);
}

TEST_F(ChartPanel, ClippingDependsOnTheTarget) {
    TCanvas3D* canvas = panel->GetCanvas();
    EXPECT_TRUE(panel->CanClip());
    panel->SetPrinting(true);
    EXPECT_TRUE(panel->CanClip());
    TeeClipWhenPrinting = false;
    EXPECT_FALSE(panel->CanClip());
    canvas->Metafiling = true;
    EXPECT_TRUE(panel->CanClip());
    TeeClipWhenMetafiling = false;
    EXPECT_FALSE(panel->CanClip());
    panel->SetPrinting(false);
    EXPECT_FALSE(panel->CanClip());
    TeeClipWhenPrinting = TeeClipWhenMetafiling = true;
    canvas->Metafiling = false;
}

TEST_F(ChartPanel, PatternBrushesStayVisibleOverTheirOwnColour) {
    TCanvas3D* canvas = panel->GetCanvas();
    TBrush* brush = canvas->GetBrush();
    panel->SetBrushCanvas(clRed, bsCross, clRed);
    EXPECT_EQ(brush->GetColor(), clBlack);
    EXPECT_EQ(brush->GetStyle(), bsCross);
    EXPECT_EQ(canvas->GetBackMode(), cbmOpaque);
    EXPECT_EQ(canvas->GetBackColor(), clRed);
    panel->SetBrushCanvas(clBlack, bsHorizontal, clBlack);
    EXPECT_EQ(brush->GetColor(), clWhite);
    panel->SetBrushCanvas(clRed, bsSolid, clRed);
    EXPECT_EQ(brush->GetColor(), clRed);
    EXPECT_EQ(canvas->GetBackMode(), cbmTransparent);
    panel->SetBrushCanvas(clGreen, bsCross, clRed);
    EXPECT_EQ(brush->GetColor(), clGreen);
    EXPECT_TRUE(panel->IsScreenHighColor());
}

TEST_F(ChartPanel, PrintersTakeThinPatternPensAsCosmeticOnes) {
    TPen pen;
    pen.SetStyle(psDot);
    panel->CheckPenWidth(&pen);
    EXPECT_EQ(pen.GetWidth(), 1);
    panel->SetPrinting(true);
    panel->CheckPenWidth(&pen);
    EXPECT_EQ(pen.GetWidth(), 0);
    TPen solid;
    panel->CheckPenWidth(&solid);
    EXPECT_EQ(solid.GetWidth(), 1);
}

TEST_F(ChartPanel, FontCanvasKeepsTheCanvasResolution) {
    TCanvas3D* canvas = panel->GetCanvas();
    canvas->GetFont()->SetPixelsPerInch(120);
    TFont font;
    font.SetName("Courier New");
    font.SetPixelsPerInch(72);
    panel->FontCanvas(&font);
    EXPECT_EQ(font.GetPixelsPerInch(), 120);
    EXPECT_EQ(canvas->GetFont()->GetName(), "Courier New");
}

TEST_F(ChartPanel, ChartFontsStartAsTheDefaultFont) {
    TChartFontObject title(panel);
    EXPECT_FALSE(title.IsFontStored());
    EXPECT_EQ(title.GetFont()->GetName(), GetDefaultFontName());
    title.GetFont()->SetStyle(TFontStyles{fsBold});
    EXPECT_TRUE(title.IsFontStored());
    TChartFontObject copy(panel);
    copy.Assign(&title);
    EXPECT_EQ(copy.GetFont()->GetStyle(), TFontStyles{fsBold});
}

TEST(ChartLibrary, TheHandCursorStandsUnderItsNumber) {
    auto* form = new TForm(nullptr);
    new TDraw3D(form);
    EXPECT_EQ(Screen->GetCursors(crTeeHand), Screen->GetCursors(crHandPoint));
    EXPECT_NE(Screen->GetCursors(crTeeHand), Screen->GetCursors(crDefault));
    TeeUnregisterHandCursor();
    EXPECT_EQ(Screen->GetCursors(crTeeHand), Screen->GetCursors(crDefault));
    EXPECT_NE(Screen->GetCursors(crHandPoint), Screen->GetCursors(crDefault));
    TeeRegisterHandCursor();
    EXPECT_EQ(Screen->GetCursors(crTeeHand), Screen->GetCursors(crHandPoint));
    delete form;
}

}  // namespace
