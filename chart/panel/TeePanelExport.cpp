// The panel as a bitmap, a metafile, on the clipboard and on paper: every
// one of them is the panel's Draw onto another canvas.
#include <algorithm>
#include <cmath>
#include <memory>

#include "chart/panel/TeePanel.h"
#include "platform/host/Clipbrd.h"
#include "platform/runtime/SysUtils.h"

namespace {

class TRestoreBuffered {
public:
    explicit TRestoreBuffered(TCustomTeePanel* panel) : panel_(panel), saved_(panel->GetBufferedDisplay()) {
        panel->SetBufferedDisplay(false);
    }
    ~TRestoreBuffered() { panel_->SetBufferedDisplay(saved_); }
    TRestoreBuffered(const TRestoreBuffered&) = delete;
    TRestoreBuffered& operator=(const TRestoreBuffered&) = delete;

private:
    TCustomTeePanel* panel_;
    bool saved_;
};

// Round with halves to even.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

TBitmap* TCustomTeePanel::TeeCreateBitmap(TColor ABackColor, const TRect& Rect) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    if (ABackColor != clWhite) {
        bitmap->GetCanvas()->GetBrush()->SetColor(ABackColor);
        bitmap->GetCanvas()->FillRect(Rect);
    }
    TRestoreBuffered unbuffered(this);
    Draw(bitmap->GetCanvas(), Rect);
    return bitmap.release();
}

TMetafile* TCustomTeePanel::TeeCreateMetafile(bool Enhanced, const TRect& Rect) {
    auto metafile = std::make_unique<TMetafile>();
    metafile->SetEnhanced(Enhanced);
    metafile->SetWidth(std::max(1, Rect.Right - Rect.Left - 1));
    metafile->SetHeight(std::max(1, Rect.Bottom - Rect.Top - 1));
    {
        // Freeing the canvas completes the metafile.
        TMetafileCanvas canvas(metafile.get(), nullptr);
        DrawToMetaCanvas(&canvas, Rect);
    }
    return metafile.release();
}

void TCustomTeePanel::DrawToMetaCanvas(TCanvas* ACanvas, const TRect& Rect) {
    struct TClear {
        bool& flag;
        ~TClear() { flag = false; }
    } metafiling{canvas_->Metafiling};
    canvas_->Metafiling = true;
    TRestoreBuffered unbuffered(this);
    Draw(ACanvas, Rect);
}

void TCustomTeePanel::SaveToBitmapFile(const AnsiString& FileName) {
    std::unique_ptr<TBitmap> bitmap(TeeCreateBitmap(clWhite, GetRectangle()));
    bitmap->SaveToFile(FileName);
}

void TCustomTeePanel::SaveToMetafile(const AnsiString& FileName) { SaveToMetafileRect(false, FileName, GetRectangle()); }

void TCustomTeePanel::SaveToMetafileEnh(const AnsiString& FileName) {
    SaveToMetafileRect(true, FileName, GetRectangle());
}

void TCustomTeePanel::SaveToMetafileRect(bool Enhanced, const AnsiString& FileName, const TRect& Rect) {
    std::unique_ptr<TMetafile> metafile(TeeCreateMetafile(Enhanced, Rect));
    metafile->SaveToFile(FileName);
}

void TCustomTeePanel::CopyToClipboardBitmap() {
    std::unique_ptr<TBitmap> bitmap(TeeCreateBitmap(clWhite, GetRectangle()));
    Clipboard()->Assign(bitmap.get());
}

void TCustomTeePanel::CopyToClipboardMetafile(bool Enhanced) {
    std::unique_ptr<TMetafile> metafile(TeeCreateMetafile(Enhanced, GetRectangle()));
    Clipboard()->Assign(metafile.get());
}

TRect TCustomTeePanel::CalcProportionalMargins() {
    TRect panel = GetRectangle();
    const double w = panel.Width(), h = panel.Height();
    TPrinter* printer = Printer();
    HDC dc = printer->GetHandle();
    const double aspect = double(GetDeviceCaps(dc, LOGPIXELSX)) / GetDeviceCaps(dc, LOGPIXELSY);
    const double pw = printer->GetPageWidth(), ph = printer->GetPageHeight();
    // The chart's long side takes 60 % of the matching page side.
    if (w > h) {
        int m = RoundEven(100 * (ph - 0.6 * pw * (h / w) * aspect) / ph) / 2;
        return TRect(15, m, 15, m);
    }
    int m = RoundEven(100 * (pw - 0.6 * ph * (w / std::max(1.0, h)) * aspect) / pw) / 2;
    return TRect(m, 15, m, 15);
}

TRect TCustomTeePanel::ChartPrintRect() {
    if (printProportional_) PrintMargins = CalcProportionalMargins();
    TPrinter* printer = Printer();
    HDC dc = printer->GetHandle();
    const double lx = GetDeviceCaps(dc, LOGPIXELSX), ly = GetDeviceCaps(dc, LOGPIXELSY);
    const int pw = printer->GetPageWidth(), ph = printer->GetPageHeight();
    auto part = [](double logPixels, int margin, int page) { return RoundEven(logPixels * margin * (page / 100.0 / logPixels)); };
    return TRect(part(lx, PrintMargins.Left, pw), part(ly, PrintMargins.Top, ph), pw - part(lx, PrintMargins.Right, pw),
                 ph - part(ly, PrintMargins.Bottom, ph));
}

void TCustomTeePanel::CalcMetaBounds(TRect& R, const TRect& AChartRect, int& WinWidth, int& WinHeight,
                                     int& ViewWidth, int& ViewHeight) {
    ViewWidth = R.Width();
    ViewHeight = R.Height();
    const int w = AChartRect.Width(), h = AChartRect.Height();
    WinWidth = w - MulDiv(w, printResolution_, 100);
    WinHeight = h - MulDiv(h, printResolution_, 100);
    R.Left = MulDiv(R.Left, WinWidth, ViewWidth);
    R.Right = MulDiv(R.Right, WinWidth, ViewWidth);
    R.Top = MulDiv(R.Top, WinHeight, ViewHeight);
    R.Bottom = MulDiv(R.Bottom, WinHeight, ViewHeight);
}

void TCustomTeePanel::PrintPartialCanvas(TCanvas* PrintCanvas, const TRect& R) {
    TRect r(std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right), std::max(R.Top, R.Bottom));
    int winWidth = 0, winHeight = 0, viewWidth = 0, viewHeight = 0;
    CalcMetaBounds(r, GetRectangle(), winWidth, winHeight, viewWidth, viewHeight);
    HDC dc = PrintCanvas->GetHandle();
    // The printer's own mapping and clip come back when the chart is done.
    const int saved = SaveDC(dc);
    struct TGiveBack {
        TCanvas* canvas;
        HDC dc;
        int saved;
        bool& printing;
        ~TGiveBack() {
            printing = false;
            RestoreDC(dc, saved);
            canvas->SetHandle(dc);  // the canvas selects its pen, brush and font again
        }
    } giveBack{PrintCanvas, dc, saved, printing_};
    // The chart is drawn in panel-like units; the device scales them onto R.
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, winWidth, winHeight, nullptr);
    SetViewportExtEx(dc, viewWidth, viewHeight, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    printing_ = true;
    if (CanClip()) IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    DrawToMetaCanvas(PrintCanvas, r);
}

void TCustomTeePanel::PrintPartial(const TRect& R) { PrintPartialCanvas(Printer()->GetCanvas(), R); }

void TCustomTeePanel::PrintRect(const TRect& R) {
    TPrinter* printer = Printer();
    printer->SetTitle(GetName());
    printer->BeginDoc();
    try {
        PrintPartial(R);
        printer->EndDoc();
    } catch (...) {
        printer->Abort();
        if (printer->GetPrinting()) printer->EndDoc();
        throw;
    }
}

void TCustomTeePanel::Print() { PrintRect(ChartPrintRect()); }

void TCustomTeePanel::PrintOrientation(TPrinterOrientation AOrientation) {
    TPrinter* printer = Printer();
    const TPrinterOrientation saved = printer->GetOrientation();
    printer->SetOrientation(AOrientation);
    try {
        Print();
    } catch (...) {
        printer->SetOrientation(saved);
        throw;
    }
    printer->SetOrientation(saved);
}
