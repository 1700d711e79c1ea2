#pragma once
// The roots of the custom-drawn controls: TSeCustomControl (windowed) and
// TSeGraphicControl (windowless) share one paint road, TSeControlBase:
//
//   buffer   kspDoubleBuffer paints into the control's own TSeBitmap,
//            kspSharedBuffer into the one buffer of the process,
//            kspNoBuffer straight onto the control's canvas;
//   PaintBackground  the parent's picture under the control when
//            Transparent, else Color;
//   PaintBorder      the frame; narrows the rectangle to the face;
//   PaintControl     the face;
//   then the buffer is copied onto the control's canvas.
//
// A skinned wrapper overrides the three paint steps and draws its skin
// object there; a concrete control overrides PaintControl (and PaintBorder
// when it has a frame). Steps read GetDrawState() for hot, pressed and
// disabled. Mouse enter/leave, press/release, enabling and WMSkinChange
// repaint the control.

#include "platform/controls/Controls.h"
#include "skin/controls/SeBitmap.h"
#include "skin/controls/SeConst.h"

enum TSePerformance { kspNoBuffer, kspSharedBuffer, kspDoubleBuffer };

// The one shared buffer of the process lives while a control holds it
// (AcquireSharedBuffer ... ReleaseSharedBuffer pairs). SharedBuffer gives it
// at least 500 pixels wider and higher than the screen and never smaller
// than AWidth x AHeight; nullptr when no control holds it.
void AcquireSharedBuffer();
void ReleaseSharedBuffer();
TSeBitmap* SharedBuffer(int AWidth = 0, int AHeight = 0);

template <class Base>
class TSeControlBase : public Base {
public:
    explicit TSeControlBase(TComponent* AOwner) : Base(AOwner) {}
    ~TSeControlBase() override {
        if (performance_ == kspSharedBuffer) ReleaseSharedBuffer();
        delete own_;
    }

    TSePerformance GetPerformance() const { return performance_; }
    void SetPerformance(TSePerformance Value) {
        if (Value == performance_) return;
        if (performance_ == kspSharedBuffer) ReleaseSharedBuffer();
        delete own_;
        own_ = nullptr;
        performance_ = Value;
        if (performance_ == kspSharedBuffer) AcquireSharedBuffer();
        this->Invalidate();
    }
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool Value) {
        transparent_ = Value;
        this->Invalidate();
    }
    bool GetHot() const { return hot_; }
    bool GetPressed() const { return pressed_; }
    // The state the steps draw: disabled, pressed (while the mouse is over
    // the pressed control), hot, else normal.
    virtual TSeState GetDrawState() const {
        if (!this->GetEnabled()) return kssDisabled;
        if (pressed_ && hot_) return kssPressed;
        return hot_ ? kssHot : kssNormal;
    }

protected:
    virtual void PaintBackground(TCanvas* Canvas, const TRect& Rect) {
        if (transparent_) {
            DrawParentImage(Canvas, Rect);
            return;
        }
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(this->GetColor());
        Canvas->FillRect(Rect);
    }
    virtual void PaintBorder(TCanvas* Canvas, TRect& Rect) { (void)Canvas, (void)Rect; }
    virtual void PaintControl(TCanvas* Canvas, const TRect& Rect) { (void)Canvas, (void)Rect; }
    // Puts the parent's picture under the control onto Canvas (which is the
    // control's canvas or the buffer, origin at the control's top left).
    virtual void DrawParentImage(TCanvas* Canvas, const TRect& Rect) = 0;

    void Paint() override {
        TCanvas* target = this->GetCanvas();
        TRect all = Rect(0, 0, this->GetWidth(), this->GetHeight());
        if (performance_ == kspNoBuffer || all.IsEmpty()) {
            PaintLayers(target, all);
            return;
        }
        TSeBitmap* buffer = performance_ == kspSharedBuffer ? SharedBuffer(all.Right, all.Bottom) : own_;
        if (!buffer) buffer = own_ = new TSeBitmap;
        if (buffer == own_ && (own_->GetWidth() != all.Right || own_->GetHeight() != all.Bottom))
            own_->SetSize(all.Right, all.Bottom);
        TCanvas* canvas = buffer->GetCanvas();
        canvas->SetFont(this->GetFont());
        PaintLayers(canvas, all);
        target->CopyRect(all, canvas, all);
    }

    void MouseEnter() override {
        hot_ = true;
        this->Invalidate();
        Base::MouseEnter();
    }
    void MouseLeave() override {
        hot_ = false;
        this->Invalidate();
        Base::MouseLeave();
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        if (Button == mbLeft && this->GetEnabled()) {
            pressed_ = hot_ = true;
            this->Invalidate();
        }
        Base::MouseDown(Button, Shift, X, Y);
    }
    void MouseMove(TShiftState Shift, int X, int Y) override {
        // While pressed the mouse is captured: hot says whether it is still over the control.
        bool inside = X >= 0 && Y >= 0 && X < this->GetWidth() && Y < this->GetHeight();
        if (pressed_ && inside != hot_) {
            hot_ = inside;
            this->Invalidate();
        }
        Base::MouseMove(Shift, X, Y);
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        if (Button == mbLeft && pressed_) {
            pressed_ = false;
            this->Invalidate();
        }
        Base::MouseUp(Button, Shift, X, Y);
    }
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WMSkinChange) this->Invalidate();
        // A release may never reach a disabled control: it is not pressed any more.
        if (Message.Msg == CM_ENABLEDCHANGED && !this->GetEnabled()) pressed_ = false;
        Base::WndProc(Message);
    }

private:
    void PaintLayers(TCanvas* Canvas, const TRect& Rect) {
        PaintBackground(Canvas, Rect);
        TRect face = Rect;
        PaintBorder(Canvas, face);
        PaintControl(Canvas, face);
    }

    TSePerformance performance_ = kspDoubleBuffer;
    TSeBitmap* own_ = nullptr;
    bool transparent_ = false;
    bool hot_ = false;
    bool pressed_ = false;
};

// The root of the windowed custom-drawn controls. When transparent it shows
// its parent's picture (with the parent's graphic controls) and repaints
// whenever the parent repaints.
class TSeCustomControl : public TSeControlBase<TCustomControl> {
public:
    explicit TSeCustomControl(TComponent* AOwner);

protected:
    void DrawParentImage(TCanvas* Canvas, const TRect& Rect) override;
    void ParentPainted() override;
};

// The root of the windowless custom-drawn controls; a transparent one draws
// over what its parent and the controls beneath it painted.
class TSeGraphicControl : public TSeControlBase<TGraphicControl> {
public:
    explicit TSeGraphicControl(TComponent* AOwner);

protected:
    void DrawParentImage(TCanvas* Canvas, const TRect& Rect) override;
};
