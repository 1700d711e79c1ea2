#pragma once
// Skinned tool bar and control bar: the "ToolBar" and "ControlBar" skin
// objects are their faces; the control bar's object also draws its frame.

#include "skin/controls/SeToolBars.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinToolBar : public TSeSkinControl<TSeCustomToolBar> {
public:
    explicit TSeSkinToolBar(TComponent* AOwner) : TSeSkinControl(AOwner, "ToolBar") {}

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};

class TSeSkinControlBar : public TSeSkinControl<TSeCustomControlBar> {
public:
    explicit TSeSkinControlBar(TComponent* AOwner) : TSeSkinControl(AOwner, "ControlBar") {}

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
};
