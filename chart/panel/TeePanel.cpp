// The chart panel: construction, settings, messages and the helpers the
// chart elements draw with.
#include "chart/panel/TeePanel.h"

#include <algorithm>
#include <string>

#include "chart/messages/TeeExceptions.h"
#include "chart/messages/TeeConst.h"

TCustomTeePanel::TCustomTeePanel(TComponent* AOwner) : TCustomPanel(AOwner) {
    TControlStyle style = GetControlStyle();
    style >> csSetCaption;
    SetControlStyle(style);
    SetBounds(GetLeft(), GetTop(), 400, 250);
    controlCanvas_ = TCustomControl::GetCanvas();
    view3DOptions_ = new TView3DOptions(this, TNotifyEvent(this, &TCustomTeePanel::RepaintRequest));
    canvas_ = new TTeeCanvas3D;
    canvas_->SetCanvas(controlCanvas_);
    PrintMargins = TRect(15, 15, 15, 15);
    savedCursor_ = GetCursor();
    zoom_ = new TZoomPanningRecord;
    panning_ = new TZoomPanningRecord;
    // A panel being edited in a form editor keeps its window from erasing.
    if (TeeEraseBack && GetComponentState().Contains(csDesigning)) TeeEraseBack = false;
    TeeRegisterHandCursor();
    autoRepaint_ = true;
}

TCustomTeePanel::~TCustomTeePanel() {
    autoRepaint_ = false;
    delete canvas_;
    canvas_ = nullptr;
    delete view3DOptions_;
    delete zoom_;
    delete panning_;
}

void TCustomTeePanel::Loaded() {
    TCustomPanel::Loaded();
    savedCursor_ = GetCursor();
}

void TCustomTeePanel::Assign(TPersistent* Source) {
    auto* panel = dynamic_cast<TCustomTeePanel*>(Source);
    if (!panel) {
        TCustomPanel::Assign(Source);
        return;
    }
    SetBufferedDisplay(panel->GetBufferedDisplay());
    SetPrintProportional(panel->printProportional_);
    SetPrintResolution(panel->printResolution_);
    for (int i = 0; i < 4; ++i) SetMargin(i, panel->margins_[i]);
    SetMonochrome(panel->GetMonochrome());
    SetView3D(panel->view3D_);
    view3DOptions_->Assign(panel->view3DOptions_);
    SetChart3DPercent(panel->chart3DPercent_);
    SetColor(panel->GetColor());
}

void TCustomTeePanel::Invalidate() {
    if (!autoRepaint_) return;
    if (canvas_) canvas_->Invalidate();
    TCustomPanel::Invalidate();
}

void TCustomTeePanel::CanvasChanged(TObject*) { Invalidate(); }

void TCustomTeePanel::SetInternalCanvas(TCanvas3D* NewCanvas) {
    // Taking the current surface again must not free it.
    if (!NewCanvas || NewCanvas == canvas_) return;
    NewCanvas->SetCanvas(controlCanvas_);
    const bool oldAutoRepaint = autoRepaint_;
    autoRepaint_ = false;
    NewCanvas->Assign(canvas_);
    autoRepaint_ = oldAutoRepaint;
    delete canvas_;
    canvas_ = NewCanvas;
    CanvasChanged(this);
}

void TCustomTeePanel::SetChart3DPercent(int Value) {
    constexpr int minPercent = 1, maxPercent = 100;
    if (Value < minPercent || Value > maxPercent)
        throw ChartException(TeeMsgFormat(TeeMsg_3dPercent, minPercent, maxPercent));
    SetIntegerProperty(chart3DPercent_, Value);
}

// An index outside 0..3 names no margin: reading gives 0, writing nothing.
int TCustomTeePanel::GetMargin(int Index) const { return Index >= 0 && Index < 4 ? margins_[Index] : 0; }

void TCustomTeePanel::SetMargin(int Index, int Value) {
    if (Index >= 0 && Index < 4) SetIntegerProperty(margins_[Index], Value);
}

// ---- Property changes ----------------------------------------------------------------

void TCustomTeePanel::SetBooleanProperty(bool& Variable, bool Value) {
    if (TeeStoreChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetIntegerProperty(int& Variable, int Value) {
    if (TeeStoreChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetLongintProperty(int& Variable, int Value) {
    if (TeeStoreChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetColorProperty(TColor& Variable, TColor Value) {
    if (TeeStoreChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetDoubleProperty(double& Variable, double Value) {
    if (TeeStoreChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetStringProperty(AnsiString& Variable, const AnsiString& Value) {
    if (TeeStoreChanged(Variable, Value)) Invalidate();
}

// ---- Messages ------------------------------------------------------------------------

void TCustomTeePanel::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_GETDLGCODE: WMGetDlgCode(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    default: TCustomPanel::Dispatch(Message); break;
    }
}

// The chart covers its whole window, so erasing first would only flicker.
void TCustomTeePanel::WMEraseBkgnd(TMessage& Message) {
    if (TeeEraseBack) TCustomPanel::Dispatch(Message);
    Message.Result = 1;
}

void TCustomTeePanel::WMGetDlgCode(TMessage& Message) {
    TCustomPanel::Dispatch(Message);
    Message.Result |= DLGC_WANTARROWS;
}

void TCustomTeePanel::CMMouseLeave(TMessage& Message) {
    SetCursor(savedCursor_);
    panning_->Active = false;
    TCustomPanel::Dispatch(Message);
}

// ---- Helpers of the chart elements -------------------------------------------------------

void TCustomTeePanel::SetBrushCanvas(TColor AColor, TBrushStyle AStyle, TColor ABackColor) {
    TBrush* brush = canvas_->GetBrush();
    if (AStyle != bsSolid && AColor == ABackColor)
        brush->SetColor(ABackColor == clBlack ? clWhite : clBlack);
    else
        brush->SetColor(AColor);
    brush->SetStyle(AStyle);
    if (AStyle != bsSolid) {
        canvas_->SetBackMode(cbmOpaque);
        canvas_->SetBackColor(ABackColor);
    } else {
        canvas_->SetBackMode(cbmTransparent);
    }
}

bool TCustomTeePanel::IsScreenHighColor() {
    if (canvas_->GetSupportsFullRotation()) return true;
    HDC dc = canvas_->GetHandle();
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) >= 15;
}

bool TCustomTeePanel::CanClip() {
    if (canvas_->GetSupportsFullRotation()) return false;
    if (!printing_ && !canvas_->Metafiling) return true;
    return (printing_ && TeeClipWhenPrinting) || (canvas_->Metafiling && TeeClipWhenMetafiling);
}

int TCustomTeePanel::MultiLineTextWidth(const AnsiString& S, int& NumLines) {
    const std::string& text = S.str();
    int widest = 0;
    NumLines = 0;
    std::string::size_type start = 0;
    for (;;) {
        auto end = text.find(TeeLineSeparator, start);
        const bool last = end == std::string::npos;
        // A separator at the very end starts no further line.
        if (!last || start < text.size() || NumLines == 0) {
            widest = std::max(widest, canvas_->TextWidth(AnsiString(text.substr(start, last ? std::string::npos : end - start))));
            ++NumLines;
        }
        if (last) break;
        start = end + 1;
    }
    return widest;
}

void TCustomTeePanel::FontCanvas(TFont* AFont) {
    TFont* canvasFont = canvas_->GetFont();
    AFont->SetPixelsPerInch(canvasFont->GetPixelsPerInch());
    canvasFont->Assign(AFont);
}

void TCustomTeePanel::CheckPenWidth(TPen* APen) {
    if (printing_ && APen->GetStyle() != psSolid && APen->GetWidth() == 1) APen->SetWidth(0);
}

TPoint TCustomTeePanel::GetCursorPos() const {
    TPoint screen;
    ::GetCursorPos(&screen);
    return ScreenToClient(screen);
}
