// The preview's sheet: the paper laid out for the printer's page, the chart
// drawn where the print margins put it, the margin lines, the drags that
// move them, and printing.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "chart/preview/TeePrevi.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

namespace {

// Cursor per zone, in the zones' order.
constexpr TCursor kZoneCursors[] = {crDefault,  crHSplit,   crVSplit,   crHSplit,   crVSplit,
                                    crTeeHand,  crSizeNWSE, crSizeNESW, crSizeNESW, crSizeNWSE};

// Within PaperRect, its right and bottom edges excluded.
bool OnPaper(const TRect& Paper, int X, int Y) {
    return X >= Paper.Left && X < Paper.Right && Y >= Paper.Top && Y < Paper.Bottom;
}

// Sets the panel's Printing for the life of the scope, then puts it back.
class TPrintingScope {
public:
    explicit TPrintingScope(TCustomTeePanel* Panel) : panel_(Panel), saved_(Panel->GetPrinting()) {
        Panel->SetPrinting(true);
    }
    ~TPrintingScope() { panel_->SetPrinting(saved_); }
    TPrintingScope(const TPrintingScope&) = delete;
    TPrintingScope& operator=(const TPrintingScope&) = delete;

private:
    TCustomTeePanel* panel_;
    bool saved_;
};

}  // namespace

TRect PreviewPaperRect(int PageWidth, int PageHeight, int ClientWidth, int ClientHeight) {
    if (PageWidth >= PageHeight) {
        const int w = ClientWidth - Round(ClientWidth * 10 / 100.0);
        const int h = PageWidth < 1 ? ClientHeight : MulDiv(w, PageHeight, PageWidth);
        const int left = Round(ClientWidth * 5 / 100.0), top = (ClientHeight - h) / 2;
        return TRect(left, top, left + w, top + h);
    }
    const int h = ClientHeight - Round(ClientHeight * 10 / 100.0);
    const int w = PageHeight < 1 ? ClientWidth : MulDiv(h, PageWidth, PageHeight);
    const int left = (ClientWidth - w) / 2, top = Round(ClientHeight * 5 / 100.0);
    return TRect(left, top, left + w, top + h);
}

TTeePreviewPage::TTeePreviewPage(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetControlStyle(GetControlStyle() >> csClickEvents >> csDoubleClicks);
}

void TTeePreviewPage::StoreChanged(bool& Field, bool Value) {
    if (TeeStoreChanged(Field, Value)) Invalidate();
}

void TTeePreviewPage::SetAsBitmap(bool Value) { StoreChanged(asBitmap_, Value); }
void TTeePreviewPage::SetShowImage(bool Value) { StoreChanged(showImage_, Value); }
void TTeePreviewPage::SetShowMargins(bool Value) { StoreChanged(showMargins_, Value); }

void TTeePreviewPage::SetPaperColor(TColor Value) {
    if (TeeStoreChanged(paperColor_, Value)) Invalidate();
}

void TTeePreviewPage::SetImage(TCustomTeePanel* Panel) {
    if (image_) image_->RemoveFreeNotification(this);
    image_ = Panel;
    if (image_) image_->FreeNotification(this);
    // A canvas that rotates freely cannot draw into a metafile.
    asBitmap_ = image_ && image_->GetCanvas()->GetSupportsFullRotation();
    Invalidate();
}

void TTeePreviewPage::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == image_) image_ = nullptr;
    TGraphicControl::Notification(AComponent, Operation);
}

void TTeePreviewPage::CalcPaperRect() {
    TPrinter* printer = Printer();
    paperRect_ = PreviewPaperRect(printer->GetPageWidth(), printer->GetPageHeight(), GetClientWidth(),
                                  GetClientHeight());
}

TRect TTeePreviewPage::CalcImagePrintMargins() const {
    if (!image_) return paperRect_;
    const TRect& p = paperRect_;
    const TRect& m = image_->PrintMargins;
    const int w = p.Width(), h = p.Height();
    return TRect(p.Left + MulDiv(m.Left, w, 100), p.Top + MulDiv(m.Top, h, 100), p.Right - MulDiv(m.Right, w, 100),
                 p.Bottom - MulDiv(m.Bottom, h, 100));
}

void TTeePreviewPage::Paint() {
    CalcPaperRect();
    imageRect_ = CalcImagePrintMargins();
    // Drawn off screen and shown at once.
    TBitmap picture;
    picture.SetSize(GetClientWidth(), GetClientHeight());
    TCanvas* canvas = picture.GetCanvas();
    DrawBack(canvas);
    DrawPaper(canvas);
    if (showMargins_) DrawMargins(canvas);
    DrawImage(canvas);
    GetCanvas()->Draw(0, 0, &picture);
}

void TTeePreviewPage::DrawBack(TCanvas* ACanvas) {
    ACanvas->GetBrush()->SetStyle(bsSolid);
    ACanvas->GetBrush()->SetColor(GetColor());
    ACanvas->FillRect(GetClientRect());
}

void TTeePreviewPage::DrawPaper(TCanvas* ACanvas) {
    const TRect& p = paperRect_;
    TPen* pen = ACanvas->GetPen();
    pen->SetColor(clBlack);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    ACanvas->GetBrush()->SetStyle(bsSolid);
    ACanvas->GetBrush()->SetColor(paperColor_);
    ACanvas->Rectangle(p);
    // The sheet's shadow below and to the right.
    ACanvas->GetBrush()->SetColor(clBlack);
    ACanvas->FillRect(TRect(p.Left + 5, p.Bottom, p.Right + 5, p.Bottom + 4));
    ACanvas->FillRect(TRect(p.Right, p.Top + 4, p.Right + 5, p.Bottom + 4));
}

void TTeePreviewPage::DrawMargins(TCanvas* ACanvas) {
    const TRect& p = paperRect_;
    const TRect& r = imageRect_;
    TPen* pen = ACanvas->GetPen();
    pen->SetColor(paperColor_ == clSilver || paperColor_ == clGray ? clWhite : clSilver);
    pen->SetStyle(psDot);
    pen->SetWidth(1);
    pen->SetMode(pmNotXor);
    ACanvas->GetBrush()->SetStyle(bsClear);
    ACanvas->GetBrush()->SetColor(paperColor_);
    ACanvas->MoveTo(r.Left - 1, p.Top);
    ACanvas->LineTo(r.Left - 1, p.Bottom);
    ACanvas->MoveTo(r.Right, p.Top);
    ACanvas->LineTo(r.Right, p.Bottom);
    ACanvas->MoveTo(p.Left, r.Top - 1);
    ACanvas->LineTo(p.Right, r.Top - 1);
    ACanvas->MoveTo(p.Left, r.Bottom);
    ACanvas->LineTo(p.Right, r.Bottom);
    ACanvas->GetBrush()->SetStyle(bsSolid);
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
}

void TTeePreviewPage::DrawImage(TCanvas* ACanvas) {
    if (!image_) return;
    TPrintingScope printing(image_);
    ClipCanvas(ACanvas, image_->CanClip() ? imageRect_ : paperRect_);
    struct TUnclip {
        TCanvas* canvas;
        ~TUnclip() { UnClipCanvas(canvas); }
    } unclip{ACanvas};
    if (!showImage_) return;
    if (asBitmap_) {
        std::unique_ptr<TBitmap> bitmap(GetPrintingBitmap());
        ACanvas->StretchDraw(imageRect_, bitmap.get());
        return;
    }
    TRect scaled = imageRect_;
    int winWidth = 0, winHeight = 0, viewWidth = 0, viewHeight = 0;
    image_->CalcMetaBounds(scaled, image_->GetRectangle(), winWidth, winHeight, viewWidth, viewHeight);
    std::unique_ptr<TMetafile> metafile(image_->TeeCreateMetafile(true, TRect(0, 0, winWidth, winHeight)));
    ACanvas->StretchDraw(imageRect_, metafile.get());
}

TBitmap* TTeePreviewPage::GetPrintingBitmap() {
    if (!image_) throw EInvalidOperation("The print preview has no chart");
    TPrintingScope printing(image_);
    TRect scaled(0, 0, imageRect_.Width(), imageRect_.Height());
    int winWidth = 0, winHeight = 0, viewWidth = 0, viewHeight = 0;
    image_->CalcMetaBounds(scaled, image_->GetRectangle(), winWidth, winHeight, viewWidth, viewHeight);
    return image_->TeeCreateBitmap(paperColor_, TRect(0, 0, winWidth, winHeight));
}

void TTeePreviewPage::Print() {
    if (!image_) return;
    struct TCursorBack {
        ~TCursorBack() { Screen->SetCursor(crDefault); }
    } cursorBack;
    Screen->SetCursor(crHourGlass);
    if (!asBitmap_) {
        image_->Print();
        return;
    }
    TPrinter* printer = Printer();
    const TRect target = image_->ChartPrintRect();
    printer->SetTitle(image_->GetName());
    printer->BeginDoc();
    try {
        std::unique_ptr<TBitmap> bitmap(GetPrintingBitmap());
        printer->GetCanvas()->StretchDraw(target, bitmap.get());
        printer->EndDoc();
    } catch (...) {
        // As the panel's own printing: no half-drawn document is left behind.
        printer->Abort();
        if (printer->GetPrinting()) printer->EndDoc();
        throw;
    }
}

TeePreviewZones TTeePreviewPage::WhereIsCursor(int X, int Y) const {
    const TRect& r = imageRect_;
    auto near = [](int distance) { return std::abs(distance) < 5; };
    const bool left = near(X - r.Left), right = near(X - r.Right), top = near(Y - r.Top), bottom = near(Y - r.Bottom);
    TeePreviewZones zone = teePrev_None;
    if (left && top) zone = teePrev_LeftTop;
    else if (left && bottom) zone = teePrev_LeftBottom;
    else if (right && top) zone = teePrev_RightTop;
    else if (right && bottom) zone = teePrev_RightBottom;
    else if (left) zone = teePrev_Left;
    else if (right) zone = teePrev_Right;
    else if (top) zone = teePrev_Top;
    else if (bottom) zone = teePrev_Bottom;
    else if (OnPaper(r, X, Y) && allowMove_) zone = teePrev_Image;
    if (!allowResize_ && zone != teePrev_Image) zone = teePrev_None;
    return zone;
}

void TTeePreviewPage::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    zone_ = WhereIsCursor(X, Y);
    if (zone_ != teePrev_Image) return;
    oldX_ = X;
    oldY_ = Y;
    oldRect_ = imageRect_;
}

void TTeePreviewPage::DragTo(int X, int Y) {
    TRect& r = imageRect_;
    const TRect& p = paperRect_;
    const bool left = p.Left <= X && X < r.Right, right = r.Left < X && X <= p.Right;
    const bool top = p.Top <= Y && Y < r.Bottom, bottom = r.Top < Y && Y <= p.Bottom;
    switch (zone_) {
    case teePrev_Left: if (left) r.Left = X; break;
    case teePrev_Top: if (top) r.Top = Y; break;
    case teePrev_Right: if (right) r.Right = X; break;
    case teePrev_Bottom: if (bottom) r.Bottom = Y; break;
    case teePrev_LeftTop: if (left && top) r.Left = X, r.Top = Y; break;
    case teePrev_RightTop: if (right && top) r.Right = X, r.Top = Y; break;
    case teePrev_LeftBottom: if (left && bottom) r.Left = X, r.Bottom = Y; break;
    case teePrev_RightBottom: if (right && bottom) r.Right = X, r.Bottom = Y; break;
    case teePrev_Image: {
        const int newLeft = std::max(p.Left, X - oldX_ + oldRect_.Left);
        const int newTop = std::max(p.Top, Y - oldY_ + oldRect_.Top);
        const int newRight = std::min(p.Right, oldRect_.Width() + newLeft);
        const int newBottom = std::min(p.Bottom, oldRect_.Height() + newTop);
        if (OnPaper(p, newLeft, newTop) && OnPaper(p, newRight, newBottom))
            r = TRect(newLeft, newTop, newRight, newBottom);
        break;
    }
    case teePrev_None: break;
    }
}

void TTeePreviewPage::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!OnPaper(paperRect_, X, Y)) return;
    if (zone_ == teePrev_None) {
        SetCursor(kZoneCursors[WhereIsCursor(X, Y)]);
        return;
    }
    if (!image_) return;
    if (!dragImage_) DrawMargins(GetCanvas());
    DragTo(X, Y);
    const TRect& p = paperRect_;
    const TRect& r = imageRect_;
    const int w = p.Width(), h = p.Height();
    image_->PrintMargins = TRect(MulDiv(r.Left - p.Left, 100, w), MulDiv(r.Top - p.Top, 100, h),
                                 MulDiv(p.Right - r.Right, 100, w), MulDiv(p.Bottom - r.Bottom, 100, h));
    if (OnChangeMargins) OnChangeMargins(this, true, image_->PrintMargins);
}

void TTeePreviewPage::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    zone_ = teePrev_None;
    Invalidate();
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}
