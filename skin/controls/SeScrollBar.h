#pragma once
// The custom-drawn scroll bar, which the list box, the grid and the other
// scrolling controls embed as their own scroll bars.
//
// Arrows step by SmallChange, clicks in the track page by LargeChange; both
// repeat while the button is held (after 300 ms, then every 100 ms). The
// thumb follows the mouse when dragged. The wheel steps by SmallChange per
// notch. Position stays within Min .. Max - PageSize + 1 (Max without a
// page).

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "skin/controls/SeControl.h"

enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
// ScrollPos may be changed by the handler: the bar moves there.
using TScrollEvent = TClosure<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TSeCustomScrollBar : public TSeCustomControl {
public:
    explicit TSeCustomScrollBar(TComponent* AOwner);

    TScrollBarKind GetKind() const { return kind_; }
    void SetKind(TScrollBarKind Value);
    int GetMin() const { return min_; }
    void SetMin(int Value) { SetParams(position_, Value, max_); }
    int GetMax() const { return max_; }
    void SetMax(int Value) { SetParams(position_, min_, Value); }
    int GetPosition() const { return position_; }
    void SetPosition(int Value) { SetParams(Value, min_, max_); }
    // EInvalidOperation when AMax < AMin; the position is kept inside.
    void SetParams(int APosition, int AMin, int AMax);
    // 0: no page, the thumb is square.
    int GetPageSize() const { return pageSize_; }
    void SetPageSize(int Value);
    int GetSmallChange() const { return smallChange_; }
    void SetSmallChange(int Value) { smallChange_ = Value; }
    int GetLargeChange() const { return largeChange_; }
    void SetLargeChange(int Value) { largeChange_ = Value; }

    // The part of the bar at a client point, and the rectangles of the parts.
    enum TPart { spNone, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };
    TPart PartAt(int X, int Y) const;
    TRect PartRect(TPart Part) const;

    // Fired on every change of Position.
    TNotifyEvent OnChange;
    // Fired for every scrolling action of the user, before the move.
    TScrollEvent OnScroll;

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    // Runs OnScroll, then moves to the position it leaves.
    virtual void Scroll(TScrollCode ScrollCode, int ScrollPos);

private:
    int MaxPosition() const { return std::max(min_, pageSize_ > 0 ? max_ - pageSize_ + 1 : max_); }
    // Along the bar: its length, the thickness (arrow size), the thumb's length and start.
    int Length() const { return kind_ == sbHorizontal ? GetWidth() : GetHeight(); }
    int ArrowSize() const;
    int ThumbLength() const;
    int ThumbStart() const;
    int Along(int X, int Y) const { return kind_ == sbHorizontal ? X : Y; }
    // The press's action on its part; false once paging has reached the mouse.
    bool Step();
    void RepeatTimer(TObject* Sender);

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
    int smallChange_ = 1, largeChange_ = 1;
    TTimer* repeat_;
    TPart pressedPart_ = spNone;
    TPoint mouse_;      // the last mouse position while pressed
    int dragOffset_ = 0;  // where in the thumb it was grabbed
};
