#pragma once
// The progress bar: shows where Position stands between Min and Max as a
// filled part, smooth or in blocks, growing to the right (horizontal) or
// upwards (vertical). Use from a long operation on the GUI thread:
//
//     bar->SetMax(total);
//     for (...) bar->SetPosition(done);   // repaints and handles pending messages
//
// Min and Max in either order, or equal, show an empty bar.

#include <vector>

#include "skin/controls/SeControl.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TSeCustomProgressBar : public TSeCustomControl {
public:
    explicit TSeCustomProgressBar(TComponent* AOwner);
    int GetMin() const { return min_; }
    void SetMin(int Value);
    int GetMax() const { return max_; }
    void SetMax(int Value);
    int GetPosition() const { return position_; }
    // Stores the value; when the shown percentage changes it repaints and
    // lets the application handle pending messages, so the bar moves (and
    // the window answers) during a transfer.
    void SetPosition(int Value);
    TProgressBarOrientation GetOrientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation Value);
    // One filled bar instead of blocks.
    bool GetSmooth() const { return smooth_; }
    void SetSmooth(bool Value);
    // 0..100: how much of the bar is filled.
    int GetPercent() const;
    // The filled rectangles inside Face (one when smooth, else the blocks).
    std::vector<TRect> FilledParts(const TRect& Face) const;

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    TProgressBarOrientation orientation_ = pbHorizontal;
    bool smooth_ = false;
};
