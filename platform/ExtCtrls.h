#pragma once
// TTimer, the panel with its bevels, and the picture control.

#include "Components.h"
#include "Controls.h"
#include "Events.h"
#include "Graphics.h"

// Fires OnTimer every Interval milliseconds while Enabled.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool Value);
    // Milliseconds; 0 stops the timer.
    Cardinal GetInterval() const { return interval_; }
    void SetInterval(Cardinal Value);
    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    struct Host;
    Host* host_;
    bool enabled_ = true;
    Cardinal interval_ = 1000;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// Draws Width nested one-pixel frames inside Rect: top and left edges in
// TopColor, bottom and right in BottomColor; Rect shrinks by Width.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// The frame of a panel in Rect: the outer bevel, BorderWidth pixels of
// Color, the inner bevel; Rect shrinks inside it by PanelFrameWidth.
void DrawPanelFrame(TCanvas* Canvas, TRect& Rect, TPanelBevel Outer, TPanelBevel Inner, int BevelWidth,
                    int BorderWidth, TColor Color);
int PanelFrameWidth(TPanelBevel Outer, TPanelBevel Inner, int BevelWidth, int BorderWidth);

// A plain container with an outer and an inner bevel, a border between them
// and a caption in the middle. Aligned children stay inside the bevels.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner);
    TPanelBevel GetBevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel GetBevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel Value);
    int GetBevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);  // at least 1
    int GetBorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);  // at least 0
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;

private:
    void Changed();
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

// Shows a picture: at the top-left corner, centred, or stretched to fit.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    TPicture* GetPicture() const { return picture_; }
    void SetPicture(TPicture* Value) { picture_->Assign(Value); }
    bool GetStretch() const { return stretch_; }
    void SetStretch(bool Value);
    bool GetCenter() const { return center_; }
    void SetCenter(bool Value);

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    TPicture* picture_;
    bool stretch_ = false;
    bool center_ = false;
};
