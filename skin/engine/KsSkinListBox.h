#pragma once
// Skinned list box: the "ListBox" skin object draws the frame and face, the
// "ListBox.Item" part each item (the selected one in its checked look).
// Without either the classic look stands in.

#include "skin/controls/SeListBox.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinListBox : public TSeSkinControl<TSeCustomListBox> {
public:
    explicit TSeSkinListBox(TComponent* AOwner) : TSeSkinControl(AOwner, "ListBox") {}

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, bool Selected) override;
};
