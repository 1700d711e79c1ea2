#pragma once
// TTimer, the panel with its bevels, and the picture control.

#include "platform/runtime/Components.h"
#include "platform/controls/Controls.h"
#include "platform/runtime/Events.h"
#include "platform/gdi/Graphics.h"

// Fires OnTimer every Interval milliseconds of the tick clock (TickClock.h)
// while Enabled, from the host's event loop or from message processing.
// Timers due together fire in the order they fell due; a timer that fell
// behind fires once and keeps its beat.
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
    // The queue of armed timers (Timer.cpp).
    friend class TTimerQueue;
    struct Host;
    Host* host_;
    bool enabled_ = true;
    Cardinal interval_ = 1000;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Where text TextWidth wide starts in R when aligned so.
int AlignedTextX(const TRect& R, int TextWidth, TAlignment Alignment);
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// Draws Width nested one-pixel frames inside Rect: top and left edges in
// TopColor, bottom and right in BottomColor; Rect shrinks by Width.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// The frame of a panel in Rect: the outer bevel, BorderWidth pixels of
// Color, the inner bevel; Rect shrinks inside it by PanelFrameWidth.
void DrawPanelFrame(TCanvas* Canvas, TRect& Rect, TPanelBevel Outer, TPanelBevel Inner, int BevelWidth,
                    int BorderWidth, TColor Color);
int PanelFrameWidth(TPanelBevel Outer, TPanelBevel Inner, int BevelWidth, int BorderWidth);

// The frame settings every panel shares: an outer and an inner bevel, their
// width and a border between them. Aligned children stay inside the frame.
// Base is a windowed control class (the platform's or a custom-drawn one).
template <class Base>
class TPanelFrame : public Base {
public:
    explicit TPanelFrame(TComponent* AOwner) : Base(AOwner) {}
    TPanelBevel GetBevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel Value) { Store(bevelInner_, Value); }
    TPanelBevel GetBevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel Value) { Store(bevelOuter_, Value); }
    int GetBevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value) { Store(bevelWidth_, Value < 1 ? 1 : Value); }
    int GetBorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value) { Store(borderWidth_, Value < 0 ? 0 : Value); }
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value) {
        if (alignment_ == Value) return;
        alignment_ = Value;
        this->Invalidate();
    }

protected:
    void AdjustClientRect(TRect& Rect) override {
        int inset = PanelFrameWidth(bevelOuter_, bevelInner_, bevelWidth_, borderWidth_);
        InflateRect(Rect, -inset, -inset);
    }
    // Draws the frame; Rect shrinks to the face inside it.
    void DrawFrame(TCanvas* Canvas, TRect& Rect) {
        DrawPanelFrame(Canvas, Rect, bevelOuter_, bevelInner_, bevelWidth_, borderWidth_, this->GetColor());
    }

private:
    // A changed frame moves the aligned children as well as the picture.
    template <class T>
    void Store(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        this->Realign();
        this->Invalidate();
    }
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

// A plain container with its frame and a caption in the middle.
class TCustomPanel : public TPanelFrame<TCustomControl> {
public:
    explicit TCustomPanel(TComponent* AOwner);

protected:
    void Paint() override;
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
