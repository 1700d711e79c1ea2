#pragma once
// The tool bar and the control bar: containers that place their children
// themselves (children with Align alNone; aligned ones follow their Align).
//
// A tool bar puts its buttons and labels in one row, left to right in the
// order they were added, centred in its height; while AutoSize it fits its
// height to the tallest child, and its width to the row unless its parent
// stretches it (aligned top, bottom or client).
//
// A control bar puts its bands (a menu bar, tool bars...) in rows, each band
// after the one before and on a new row when the width runs out; while
// AutoSize its height follows its rows. It is aligned to the top by default:
//
//     auto* bands = new TSeCustomControlBar(form);
//     bands->SetParent(form);
//     auto* tools = new TSeCustomToolBar(form);
//     tools->SetParent(bands);            // laid out as the next band
//     auto* open = new TSeCustomSpeedButton(form);
//     open->SetParent(tools);             // the next button of the row

#include "skin/controls/SeControl.h"

class TSeCustomToolBar : public TSeCustomControl {
public:
    explicit TSeCustomToolBar(TComponent* AOwner);
    bool GetAutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    // Space before the first child and between children.
    static constexpr int kGap = 2;

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void AdjustClientRect(TRect& Rect) override;

private:
    bool autoSize_ = true;
};

class TSeCustomControlBar : public TSeCustomControl {
public:
    explicit TSeCustomControlBar(TComponent* AOwner);
    bool GetAutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    // Space around and between the bands.
    static constexpr int kGap = 2;

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void AdjustClientRect(TRect& Rect) override;

private:
    bool autoSize_ = true;
};
