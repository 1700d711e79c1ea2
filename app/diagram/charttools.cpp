// The Diagram page's tools: trend lines dragged over the chart, with
// Fibonacci arcs at their ends, erased, dropped by a zoom; the separator
// between the two panes; the chart printed through its preview and
// exported as a bitmap.
#include "app/diagram/analysis.h"
#include "app/mainwindow/gridprint.h"
#include "app/mainwindow/savetarget.h"
#include "app/mainwindow/zrmain.h"
#include "chart/canvas/TeCanvas.h"
#include "chart/control/Chart.h"
#include "chart/preview/TeePrevi.h"
#include "platform/host/Dialogs.h"
#include "platform/host/Printers.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"

namespace {

constexpr int kMaxLines = 20;

// The two mode buttons keep their state in Transparent: a button is on
// while it is not transparent.
bool IsOn(TSeSkinSpeedButton* Button) { return !Button->GetTransparent(); }
void Turn(TSeSkinSpeedButton* Button, bool On) { Button->SetTransparent(!On); }

// The band from the drag's start to (X, Y); drawn twice it is gone.
void InvertBand(TCanvas3D* Canvas, const int* Band, int X, int Y) {
    TPen* pen = Canvas->GetPen();
    pen->SetColor(clBlack);
    pen->SetMode(pmNot);
    Canvas->MoveTo(Band[0], Band[1]);
    Canvas->LineTo(X, Y);
    pen->SetMode(pmCopy);
}

// A point of the plot From at the same place of the plot To.
TPoint OnPlot(const TRect& From, const TRect& To, int X, int Y) {
    const auto along = [](int v, int from0, int from1, int to0, int to1) {
        return from1 == from0 ? to0 + (v - from0) : to0 + MulDiv(v - from0, to1 - to0, from1 - from0);
    };
    return TPoint(along(X, From.Left, From.Right, To.Left, To.Right), along(Y, From.Top, From.Bottom, To.Top, To.Bottom));
}

}  // namespace

TrendLine TOriginalForm1::LineOnChart(int i) const {
    TrendLine line = Lines[i];
    const TRect& plot = BigChart->GetChartRect();
    const TPoint start = OnPlot(LinesPlot, plot, line.X1, line.Y1), end = OnPlot(LinesPlot, plot, line.X2, line.Y2);
    line.X1 = start.x;
    line.Y1 = start.y;
    line.X2 = end.x;
    line.Y2 = end.y;
    return line;
}

void TOriginalForm1::BtDiagrTrendlClick(TObject*) {
    if (ChartZoomed) return;
    if (IsOn(BtDiagrTrendl)) {
        Turn(BtDiagrTrendl, false);
        Turn(BtDiagrFibonacci, false);
    } else {
        Turn(BtDiagrTrendl, true);
    }
}

void TOriginalForm1::BtDiagrFibonacciClick(TObject*) {
    if (ChartZoomed) return;
    Turn(BtDiagrFibonacci, IsOn(BtDiagrTrendl));
}

void TOriginalForm1::BtDiagrTrendlEraseClick(TObject*) {
    LineCount = 0;
    Turn(BtDiagrTrendl, false);
    Turn(BtDiagrFibonacci, false);
    BigChart->Repaint();
}

void TOriginalForm1::BigChartMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
    const TRect& plot = BigChart->GetChartRect();
    if (!IsOn(BtDiagrTrendl) || ChartZoomed || X < plot.Left || X > plot.Right || Y < plot.Top || Y > plot.Bottom)
        return;
    Dragging = true;
    BigChart->SetAllowZoom(false);  // the chart's own zoom band stays off during the drag
    RubberBand[0] = RubberBand[2] = X;
    RubberBand[1] = RubberBand[3] = Y;
}

void TOriginalForm1::BigChartMouseMove(TObject*, TShiftState, int X, int Y) {
    if (!IsOn(BtDiagrTrendl) || !Dragging || ChartZoomed) return;
    // The band shows only while the mouse is right of the start.
    if (RubberBand[2] > RubberBand[0]) InvertBand(BigChart->GetCanvas(), RubberBand, RubberBand[2], RubberBand[3]);
    if (X > RubberBand[0]) InvertBand(BigChart->GetCanvas(), RubberBand, X, Y);
    RubberBand[2] = X;
    RubberBand[3] = Y;
}

void TOriginalForm1::BigChartMouseUp(TObject*, TMouseButton, TShiftState, int X, int Y) {
    const bool drag = IsOn(BtDiagrTrendl) && Dragging && !ChartZoomed;
    Dragging = false;
    if (!drag) return;
    // A full table takes no 21st line.
    if (X > RubberBand[0] && LineCount < kMaxLines) {
        // The lines so far move over to the plot the new one is drawn on.
        for (int i = 0; i < LineCount; ++i) Lines[i] = LineOnChart(i);
        LinesPlot = BigChart->GetChartRect();
        Lines[LineCount++] = {RubberBand[0], X, RubberBand[1], Y, IsOn(BtDiagrFibonacci)};
        BigChart->Repaint();
    }
    // Every drag ends with the chart's zoom back, stored or not.
    BigChart->SetAllowZoom(true);
}

void TOriginalForm1::BigChartAfterDraw(TObject*) {
    if (ChartZoomed) return;
    TCanvas3D* canvas = BigChart->GetCanvas();
    TPen* pen = canvas->GetPen();
    pen->SetColor(clBlack);
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
    for (int i = 0; i < LineCount; ++i) {
        const TrendLine line = LineOnChart(i);
        canvas->MoveTo(line.X1, line.Y1);
        canvas->LineTo(line.X2, line.Y2);
        if (line.Fibonacci) drawFibonacciArcs(i);
    }
}

void TOriginalForm1::BigChartBeforeDrawAxes(TObject*) {
    TCanvas3D* canvas = BigChart->GetCanvas();
    canvas->GetPen()->SetColor(TColor(0x808080));
    canvas->GetPen()->SetWidth(2);
    const TRect& plot = BigChart->GetChartRect();
    canvas->DoHorizLine(plot.Left, plot.Right, plot.Bottom / 2 + plot.Top / 2 - 2);
}

void TOriginalForm1::BigChartZoom(TObject*) {
    ChartZoomed = true;
    LineCount = 0;
}

void TOriginalForm1::BigChartUndoZoom(TObject*) { ChartZoomed = false; }

void TOriginalForm1::ToolbDiagrPrintBtClick(TObject*) {
    PageControl1->SetActivePage(TabSheet7);
    const AnsiString before = Printer()->GetDocumentFileName();
    ChartPreview(this, BigChart);
    // Every print to a file gets a name of its own: a new one means the
    // preview printed there.
    const AnsiString printed = Printer()->GetDocumentFileName();
    if (!printed.IsEmpty() && printed != before) tellWherePrinted(*this, Printer()->GetPageNumber(), printed);
}

void TOriginalForm1::ToolbDiagrExpBtClick(TObject*) {
    PageControl1->SetActivePage(TabSheet7);
    SaveDialog1->SetTitle("Export Diagram");
    // Both cases of the extension: file names here are case-sensitive.
    SaveDialog1->SetFilter("Bitmap Files (*.bmp)|*.BMP;*.bmp");
    // Never a name another command left in the shared dialog.
    SaveDialog1->SetFileName("");
    if (!SaveDialog1->Execute()) return;
    const AnsiString path = SaveDialog1->GetFileName() + ".bmp";
    if (!mayWriteChosenFile(SeSkinMessage1, path)) return;
    try {
        BigChart->SaveToBitmapFile(path);
    } catch (const Exception& e) {
        SeSkinMessage1->MessageDlg(e.GetMessage(), mtError, TMsgDlgButtons{mbOK}, 0);
    }
}
