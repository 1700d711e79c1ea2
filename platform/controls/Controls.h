#pragma once
// Controls: TControl (a rectangle on its parent that takes mouse input and
// numbered messages), TWinControl (a control with a window surface of its own,
// children, keyboard focus), TGraphicControl (windowless, painted on its
// parent's surface) and TCustomControl (a windowed control with a Canvas).
//
// Painting: each windowed control keeps a persistent backing bitmap. A paint
// (after Invalidate, coalesced, or at once by Repaint/Refresh) erases it with
// Color, runs PaintWindow (Paint of a TCustomControl) into it, then paints the
// visible graphic children at their offsets, clipped to their bounds. The
// host window only shows that bitmap. A canvas drawn on outside a paint (a
// rubber band, say) draws on the same bitmap and the change is shown once
// the current input event or ProcessMessages ends.

#include <functional>
#include <memory>
#include <vector>

#include "platform/runtime/Components.h"
#include "platform/runtime/Events.h"
#include "platform/gdi/Graphics.h"
#include "platform/controls/Messages.h"

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                  crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22;
// The standard cursors' identifiers ("crArrow"...), ignoring case; false
// for a name or number that is not one of them.
bool IdentToCursor(const AnsiString& Ident, int& Cursor);
bool CursorToIdent(int Cursor, AnsiString& Ident);

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// csCaptureMouse: moves and the release go to the control that got the press;
// csClickEvents: a press and release inside give Click, a double click DblClick;
// csSetCaption: a new Name becomes the caption while the caption equals the old name;
// csDoubleClicks: the second press of a double click arrives as such (else as a plain press).
enum TControlStyleMember { csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks };
using TControlStyle = Set<TControlStyleMember>;

using TWndMethod = TClosure<void(TMessage& Message)>;
using TMouseWheelUpDownEvent = TClosure<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// The window surface of a windowed control; only platform code looks inside.
using HWND = void*;

class TWinControl;
class TControlCanvas;
class WindowSurface;
struct ControlRouting;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* GetParent() const { return parent_; }
    virtual void SetParent(TWinControl* AParent);
    // A form stream stores a control inside its parent.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    int GetLeft() const { return left_; }
    int GetTop() const { return top_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
    void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
    void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
    void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect GetBoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    TAlign GetAlign() const { return align_; }
    void SetAlign(TAlign Value);

    virtual TRect GetClientRect() const { return Rect(0, 0, width_, height_); }
    int GetClientWidth() const { return GetClientRect().Width(); }
    int GetClientHeight() const { return GetClientRect().Height(); }
    void SetClientWidth(int Value) { SetWidth(width_ - GetClientWidth() + Value); }
    void SetClientHeight(int Value) { SetHeight(height_ - GetClientHeight() + Value); }
    // Screen position of the client area's top left corner.
    virtual TPoint GetClientOrigin() const;
    TPoint ClientToScreen(const TPoint& Point) const;
    TPoint ScreenToClient(const TPoint& Point) const;

    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool Value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    bool GetParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    TFont* GetFont() const { return font_; }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    bool GetParentFont() const { return parentFont_; }
    void SetParentFont(bool Value);
    TCursor GetCursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    const AnsiString& GetHint() const { return hint_; }
    void SetHint(const AnsiString& Value) { hint_ = Value; }
    bool GetShowHint() const { return showHint_; }
    void SetShowHint(bool Value) { showHint_ = Value; }
    const AnsiString& GetCaption() const { return text_; }
    void SetCaption(const AnsiString& Value) { SetText(Value); }
    const AnsiString& GetText() const { return text_; }
    void SetText(const AnsiString& Value);
    void SetName(const AnsiString& NewName) override;
    TControlStyle GetControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }

    // Asks for a paint; several requests before the next paint give one.
    virtual void Invalidate();
    // Paints now (when the control is on screen).
    virtual void Repaint();
    void Refresh() { Repaint(); }
    // Runs a pending paint now.
    virtual void Update();

    // Moves and the release of every button go to this control while set.
    bool GetMouseCapture() const;
    void SetMouseCapture(bool Value);

    // Sends a numbered message through WindowProc and returns its Result.
    LRESULT Perform(Cardinal Msg, WPARAM WParam, LPARAM LParam);
    // Expires when the control is freed: code that runs handlers checks it
    // before touching the control again.
    std::weak_ptr<char> AliveToken() const { return alive_; }
    // The entry of every message; WndProc until someone hooks it.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& Message);
    // Runs the handler of a message this class knows, else DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Fires OnMouseWheel; when nobody took the turn, DoMouseWheelDown/Up.
    // MousePos is in screen coordinates.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Called after the bounds changed (the control is already moved).
    virtual void BoundsChanged();
    // Called after Visible changed.
    virtual void VisibleChanged();
    // Whether destruction has begun: events no longer fire.
    bool IsDestroying() const { return GetComponentState().Contains(csDestroying); }
    // Sets Visible without notifying anyone (a form starts hidden).
    void StoreVisible(bool Value) { visible_ = Value; }

    TControlStyle controlStyle_ = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};

private:
    friend class TWinControl;
    friend struct ControlRouting;
    void MouseMessage(TMessage& Message);
    void WheelMessage(TMessage& Message);
    void FontChanged();
    void ParentFontChanged();
    void ParentColorChanged();
    void RequestAlign();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    TFont* font_;
    bool parentFont_ = true;
    bool takingParentFont_ = false;
    TCursor cursor_ = crDefault;
    AnsiString hint_;
    bool showHint_ = false;
    AnsiString text_;
    bool clicked_ = false;  // pressed here with the left button; the release may click
    int wheelAccumulator_ = 0;
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

// Process-wide watchers of mouse input (hints and the like): told after the
// control under the mouse got each mouse message, with that control (nullptr
// once the mouse has left every window), the message and the screen position.
using TMouseWatcher = std::function<void(TControl* Over, Cardinal Msg, const TPoint& ScreenPos)>;
int AddMouseWatcher(TMouseWatcher Watcher);  // returns the id to remove it by
void RemoveMouseWatcher(int Id);

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    // The child controls of the stream's root, after what a root stores.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

    void SetParent(TWinControl* AParent) override;
    int GetControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* GetControls(int Index) const;  // EListError out of range
    // The topmost visible child whose bounds hold Pos (client coordinates):
    // graphic children, and windowed ones too when AllowWinControls.
    TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = false) const;
    // Sends Message to every child in turn until one sets a non-zero Result.
    void Broadcast(TMessage& Message);

    TPoint GetClientOrigin() const override;
    // True while the control is on screen (it and every parent shown).
    bool GetShowing() const;
    HWND GetHandle() const;
    bool HandleAllocated() const { return true; }

    void Invalidate() override;
    void Repaint() override;
    void Update() override;

    // Align rules run for the children: alTop, alBottom, alLeft, alRight, then
    // alClient. Between DisableAlign and EnableAlign realignment waits.
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    void Realign();

    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool Value) { tabStop_ = Value; }
    // Position among the parent's windowed children in tab order; -1 without parent.
    int GetTabOrder() const;
    void SetTabOrder(int Value);
    virtual bool CanFocus() const;
    bool Focused() const;
    // Raises EInvalidOperation when the control cannot take the focus.
    virtual void SetFocus();
    // Every windowed descendant in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // The control after (or before) CurControl in this one's tab order list.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    // Narrows the rectangle the aligned children share (a border, say).
    virtual void AdjustClientRect(TRect& Rect) { (void)Rect; }
    // Paints the control's own face into DC (the backing bitmap).
    virtual void PaintWindow(HDC DC);
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void DoEnter();
    virtual void DoExit();
    void BoundsChanged() override;
    void VisibleChanged() override;
    // Called after the parent painted itself: a control that shows the
    // parent's picture through itself repaints here.
    virtual void ParentPainted() {}
    // The host surface behind this control (platform code only).
    WindowSurface* Surface() const { return surface_; }

private:
    friend class TControl;
    friend class WindowSurface;
    friend struct ControlRouting;
    friend class TControlCanvas;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    void AlignControl(TControl* AControl);
    void PaintHandler();
    void PaintControls();
    void EraseBackground(HDC DC);
    void KeyMessage(TMessage& Message);
    void UpdateSurfaceVisibility();

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    WindowSurface* surface_;
    TBitmap* buffer_;
    int alignDisabled_ = 0;
    bool aligning_ = false;
    bool alignPending_ = false;
    bool tabStop_ = false;
    bool needsPaint_ = true;
    bool painting_ = false;
};

// A canvas on a control: a windowed control's backing bitmap, or the part of
// the parent's backing bitmap under a graphic control (origin at its top left,
// clipped to its bounds).
class TControlCanvas : public TCanvas {
public:
    TControlCanvas();
    ~TControlCanvas() override;
    TControl* GetControl() const { return control_; }
    void SetControl(TControl* AControl);
    // Gives up a handle taken outside a paint and shows what was drawn.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    friend class TWinControl;
    TBitmap* Region();

    TControl* control_ = nullptr;
    TBitmap* region_ = nullptr;  // a graphic control's part of the parent's bitmap
    TRect regionBounds_;
    bool outsidePaint_ = false;
};

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    TCanvas* GetCanvas() const;
    void Dispatch(TMessage& Message) override;

protected:
    virtual void Paint() {}

private:
    friend class TWinControl;
    TControlCanvas* canvas_;
};

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    TCanvas* GetCanvas() const;

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;

private:
    TControlCanvas* canvas_;
};

// The control that has the mouse captured, nullptr when none.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The shift state of the input event being handled (keys only).
TShiftState KeyboardShiftState();
// The mouse position in screen coordinates (headless: where the last mouse
// event happened). Always true.
bool GetCursorPos(TPoint* Point);
