#pragma once
// The window every chart is drawn on. TCustomTeePanel owns the 3-D drawing
// surface, the view settings, the margins and the zoom and panning drags,
// and turns a repaint of the window into one call of InternalDraw.
// TCustomTeePanelExtended adds the background (picture, gradient) and the
// zoom settings; TDraw3D leaves its drawing to an OnPaint handler.

#include "chart/utils/TeeProcs.h"
#include "chart/canvas/TeCanvas.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/gdi/Metafile.h"
#include "platform/host/Printers.h"

class TCustomTeePanel;

// A drag of the mouse in client pixels: the zoom rubber band or a pan.
class TZoomPanningRecord {
public:
    // Both corners at the point, and active.
    void Activate(int X, int Y);
    // Orders the corners so that X0 <= X1 and Y0 <= Y1.
    void Check();

    bool Active = false;
    int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

// The panel's background gradient; a changed value repaints the owner.
class TCustomTeeGradient : public TPersistent {
public:
    explicit TCustomTeeGradient(TCustomTeePanel* AOwner);
    void Assign(TPersistent* Source) override;
    TCustomTeePanel* GetOwner() const { return owner_; }
    TGradientDirection GetDirection() const { return direction_; }
    void SetDirection(TGradientDirection Value);
    TColor GetEndColor() const { return endColor_; }
    void SetEndColor(TColor Value);
    TColor GetStartColor() const { return startColor_; }
    void SetStartColor(TColor Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);

private:
    void Changed();
    TCustomTeePanel* owner_;
    TGradientDirection direction_ = gdTopBottom;
    TColor endColor_ = clYellow;
    TColor startColor_ = clWhite;
    bool visible_ = false;
};

class TChartGradient : public TCustomTeeGradient {
public:
    using TCustomTeeGradient::TCustomTeeGradient;
};

// A chart element with a font of its own (titles, legend); the font starts
// as the default chart font and its changes repaint the owner.
class TChartFontObject : public TPersistent {
public:
    explicit TChartFontObject(TCustomTeePanel* AOwner);
    ~TChartFontObject() override;
    void Assign(TPersistent* Source) override;
    TCustomTeePanel* GetParentChart() const { return owner_; }
    TFont* GetFont() const { return font_; }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    // Forms store the font only when it is not the default one.
    virtual bool IsFontStored() const { return !IsDefaultFont(font_); }
    void Repaint();

private:
    TCustomTeePanel* owner_;
    TFont* font_;
};

class TCustomTeePanel : public TCustomPanel {
public:
    explicit TCustomTeePanel(TComponent* AOwner);
    ~TCustomTeePanel() override;
    void Assign(TPersistent* Source) override;
    void Loaded() override;
    // Nothing while AutoRepaint is off; else the stored picture is dropped
    // and the window asked to paint.
    void Invalidate() override;
    void Dispatch(TMessage& Message) override;

    // Draws the whole panel into UserRect of UserCanvas.
    virtual void Draw(TCanvas* UserCanvas, const TRect& UserRect);
    virtual void CanvasChanged(TObject* Sender);
    virtual void DrawPanelBevels(const TRect& Rect);
    // AFont takes the canvas font's resolution, then the canvas its values.
    virtual void FontCanvas(TFont* AFont);
    virtual TRect GetRectangle() { return GetClientRect(); }

    // The drawing surface; the control's own canvas is ControlCanvas.
    TCanvas3D* GetCanvas() const { return canvas_; }
    TCanvas* GetControlCanvas() const { return controlCanvas_; }
    // Takes NewCanvas (which the panel then owns) in place of the current
    // surface, with the current surface's settings; nullptr is ignored.
    void SetInternalCanvas(TCanvas3D* NewCanvas);

    bool GetAutoRepaint() const { return autoRepaint_; }
    void SetAutoRepaint(bool Value) { autoRepaint_ = Value; }
    bool GetBufferedDisplay() const { return canvas_->GetUseBuffer(); }
    void SetBufferedDisplay(bool Value) { canvas_->SetUseBuffer(Value); }
    bool GetMonochrome() const { return canvas_->GetMonochrome(); }
    void SetMonochrome(bool Value) { canvas_->SetMonochrome(Value); }
    int GetChart3DPercent() const { return chart3DPercent_; }
    // 1..100, else ChartException.
    void SetChart3DPercent(int Value);
    bool GetApplyZOrder() const { return applyZOrder_; }
    void SetApplyZOrder(bool Value) { SetBooleanProperty(applyZOrder_, Value); }
    bool GetView3D() const { return view3D_; }
    void SetView3D(bool Value) { SetBooleanProperty(view3D_, Value); }
    TView3DOptions* GetView3DOptions() const { return view3DOptions_; }
    void SetView3DOptions(TView3DOptions* Value) { view3DOptions_->Assign(Value); }
    // Margins in percent of the panel; index 0 left, 1 top, 2 right, 3 bottom.
    int GetMargin(int Index) const;
    void SetMargin(int Index, int Value);
    int GetMarginLeft() const { return GetMargin(0); }
    void SetMarginLeft(int Value) { SetMargin(0, Value); }
    int GetMarginTop() const { return GetMargin(1); }
    void SetMarginTop(int Value) { SetMargin(1, Value); }
    int GetMarginRight() const { return GetMargin(2); }
    void SetMarginRight(int Value) { SetMargin(2, Value); }
    int GetMarginBottom() const { return GetMargin(3); }
    void SetMarginBottom(int Value) { SetMargin(3, Value); }
    bool GetPrinting() const { return printing_; }
    void SetPrinting(bool Value) { printing_ = Value; }
    bool GetPrintProportional() const { return printProportional_; }
    void SetPrintProportional(bool Value) { SetBooleanProperty(printProportional_, Value); }
    int GetPrintResolution() const { return printResolution_; }
    void SetPrintResolution(int Value) { SetIntegerProperty(printResolution_, Value); }
    // Left, top, right and bottom print margins in percent of the page.
    TRect PrintMargins;

    const TRect& GetChartBounds() const { return chartBounds_; }
    const TRect& GetChartRect() const { return chartRect_; }
    void SetChartRect(const TRect& Value) { chartRect_ = Value; }
    int GetChartWidth() const { return chartWidth_; }
    int GetChartHeight() const { return chartHeight_; }
    int GetChartXCenter() const { return chartXCenter_; }
    int GetChartYCenter() const { return chartYCenter_; }
    int GetWidth3D() const { return width3D_; }
    void SetWidth3D(int Value) { width3D_ = Value; }
    int GetHeight3D() const { return height3D_; }
    void SetHeight3D(int Value) { height3D_ = Value; }
    TCursor GetSavedCursor() const { return savedCursor_; }
    void SetSavedCursor(TCursor Value) { savedCursor_ = Value; }
    TZoomPanningRecord* GetZoom() const { return zoom_; }
    TZoomPanningRecord* GetPanning() const { return panning_; }

    // Brush for a pattern in AColor over ABackColor; a pattern in the back
    // colour itself is drawn in black (or white over black).
    void SetBrushCanvas(TColor AColor, TBrushStyle AStyle, TColor ABackColor);
    bool IsScreenHighColor();
    // Whether clipping may be used on the current target.
    bool CanClip();
    // The widest line of S (split at TeeLineSeparator) and the line count.
    int MultiLineTextWidth(const AnsiString& S, int& NumLines);
    // Keeps ChartRect inside ChartBounds and not empty, and derives its
    // width, height and centre.
    void ReCalcWidthHeight();
    // The zoom rubber band in not-xor: drawn twice it is gone again.
    void DrawZoomRectangle();
    // The mouse position in client coordinates.
    TPoint GetCursorPos() const;
    // A dashed or dotted one-pixel pen becomes a cosmetic one on printers.
    void CheckPenWidth(TPen* APen);

    // ---- Images, clipboard and printing: all through Draw.
    // A new bitmap (the caller frees it) with the chart drawn into Rect;
    // filled with ABackColor first unless that is white.
    TBitmap* TeeCreateBitmap(TColor ABackColor, const TRect& Rect);
    // A new metafile (the caller frees it) with the chart of Rect.
    TMetafile* TeeCreateMetafile(bool Enhanced, const TRect& Rect);
    // Draws the chart unbuffered onto any canvas, as for a metafile.
    void DrawToMetaCanvas(TCanvas* ACanvas, const TRect& Rect);
    void SaveToBitmapFile(const AnsiString& FileName);
    void SaveToMetafile(const AnsiString& FileName);
    void SaveToMetafileEnh(const AnsiString& FileName);
    void SaveToMetafileRect(bool Enhanced, const AnsiString& FileName, const TRect& Rect);
    void CopyToClipboardBitmap();
    void CopyToClipboardMetafile(bool Enhanced);
    // One printer document with the chart in ChartPrintRect.
    void Print();
    void PrintPortrait() { PrintOrientation(poPortrait); }
    void PrintLandscape() { PrintOrientation(poLandscape); }
    // Prints with the printer turned to AOrientation, then turns it back.
    void PrintOrientation(TPrinterOrientation AOrientation);
    // One printer document with the chart in R (printer pixels).
    void PrintRect(const TRect& R);
    // The chart into R of the printer's page of a document already begun.
    void PrintPartial(const TRect& R);
    // The chart into R of any printer canvas; the canvas's mapping and clip
    // are as they were afterwards.
    void PrintPartialCanvas(TCanvas* PrintCanvas, const TRect& R);
    // The printer's page less PrintMargins (made proportional first when
    // PrintProportional).
    TRect ChartPrintRect();
    // Margins that keep the panel's aspect on the printer's page.
    TRect CalcProportionalMargins();
    // The logical size the chart is drawn at (WinWidth, WinHeight) for the
    // printer rectangle R (ViewWidth, ViewHeight); R is scaled to it.
    void CalcMetaBounds(TRect& R, const TRect& AChartRect, int& WinWidth, int& WinHeight, int& ViewWidth,
                        int& ViewHeight);

    // Store a changed value and repaint; equal values change nothing.
    void SetBooleanProperty(bool& Variable, bool Value);
    void SetIntegerProperty(int& Variable, int Value);
    void SetLongintProperty(int& Variable, int Value);
    void SetColorProperty(TColor& Variable, TColor Value);
    void SetDoubleProperty(double& Variable, double Value);
    void SetStringProperty(AnsiString& Variable, const AnsiString& Value);

protected:
    void Paint() override;
    // Draws the chart into Rect of the canvas (ChartBounds).
    virtual void InternalDraw(const TRect& Rect) = 0;

private:
    void WMEraseBkgnd(TMessage& Message);
    void WMGetDlgCode(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void RepaintRequest(TObject*) { Invalidate(); }

    int chart3DPercent_ = 15;
    bool applyZOrder_ = true;
    TRect chartBounds_;
    int chartWidth_ = 0, chartHeight_ = 0;
    int chartXCenter_ = 0, chartYCenter_ = 0;
    TCanvas* controlCanvas_ = nullptr;
    int height3D_ = 0;
    int margins_[4] = {3, 4, 3, 4};
    TCursor savedCursor_ = crDefault;
    TZoomPanningRecord* panning_ = nullptr;
    bool printing_ = false;
    bool printProportional_ = true;
    int printResolution_ = 0;
    bool view3D_ = true;
    TView3DOptions* view3DOptions_ = nullptr;
    int width3D_ = 0;
    TZoomPanningRecord* zoom_ = nullptr;
    TCanvas3D* canvas_ = nullptr;
    bool autoRepaint_ = false;
    TRect chartRect_;
};

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum TTeeBackImageMode { pbmStretch, pbmTile, pbmCenter };

class TCustomTeePanelExtended : public TCustomTeePanel {
public:
    explicit TCustomTeePanelExtended(TComponent* AOwner);
    ~TCustomTeePanelExtended() override;
    void Assign(TPersistent* Source) override;

    // The background: gradient or colour, picture, bevels.
    virtual void PanelPaint(const TRect& Rect);
    virtual void FillPanelRect(const TRect& Rect);
    virtual void DrawImage(const TRect& Rect);
    // The back picture at depth Z in the BackImageMode.
    void DrawBitmap(const TRect& Rect, int Z);
    // Fires OnUndoZoom, repaints and clears Zoomed.
    virtual void UndoZoom();

    int GetAnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int Value) { SetIntegerProperty(animatedZoomSteps_, Value); }
    bool GetAnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool Value) { SetBooleanProperty(animatedZoom_, Value); }
    bool GetAllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool Value) { SetBooleanProperty(allowZoom_, Value); }
    TPanningMode GetAllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode Value);
    TPicture* GetBackImage() const { return backImage_; }
    void SetBackImage(TPicture* Value) { backImage_->Assign(Value); }
    TTeeBackImageMode GetBackImageMode() const { return backImageMode_; }
    void SetBackImageMode(TTeeBackImageMode Value);
    TChartGradient* GetGradient() const { return gradient_; }
    void SetGradient(TChartGradient* Value) { gradient_->Assign(Value); }
    bool GetZoomed() const { return zoomed_; }
    void SetZoomed(bool Value) { zoomed_ = Value; }

    TNotifyEvent OnAfterDraw;
    TNotifyEvent OnScroll;
    TNotifyEvent OnUndoZoom;
    TNotifyEvent OnZoom;

private:
    int animatedZoomSteps_ = 8;
    bool animatedZoom_ = false;
    bool allowZoom_ = true;
    TPanningMode allowPanning_ = pmBoth;
    TPicture* backImage_;
    TTeeBackImageMode backImageMode_ = pbmStretch;
    TChartGradient* gradient_;
    bool zoomed_ = false;
};

using TDraw3DPaintEvent = TClosure<void(TObject* Sender, const TRect& ARect)>;

// A free 3-D drawing panel: the background, then OnPaint with the depth
// set to 100 pixels, then OnAfterDraw.
class TDraw3D : public TCustomTeePanelExtended {
public:
    explicit TDraw3D(TComponent* AOwner) : TCustomTeePanelExtended(AOwner) {}
    TDraw3DPaintEvent OnPaint;

protected:
    void InternalDraw(const TRect& Rect) override;
};
