#pragma once
// Skinned string grid: the "StringGrid" object draws the frame, and its
// parts "Cell", "FixedCell" and "SelectedCell" the cells (face, text and
// the grid lines in their border colour). Without them the classic look.
// A grid given a font of its own (ParentFont false) writes its plain cells
// in that font; headings and the selection keep the skin's.

#include "skin/controls/SeGrids.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinStringGrid : public TSeSkinControl<TSeCustomStringGrid> {
public:
    explicit TSeSkinStringGrid(TComponent* AOwner) : TSeSkinControl(AOwner, "StringGrid") {}

protected:
    int BorderWidth() const override;
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PrepareCanvas(TCanvas* Canvas, TGridDrawState State) override;
    void DrawCellFace(TCanvas* Canvas, int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
    TColor LineColor(bool Fixed) const override;

private:
    TSeSkinObject* CellObject(TGridDrawState State) const;
    bool OwnFont(TGridDrawState State) const;
};
