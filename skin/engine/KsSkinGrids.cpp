#include "skin/engine/KsSkinGrids.h"

int TSeSkinStringGrid::BorderWidth() const { return FindSkinObject() ? 1 : TSeSkinControl::BorderWidth(); }

void TSeSkinStringGrid::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBorder(Canvas, Rect);
    object->Draw(Canvas, Rect, GetEnabled() ? kssNormal : kssDisabled);
    InflateRect(Rect, -1, -1);
}

TSeSkinObject* TSeSkinStringGrid::CellObject(TGridDrawState State) const {
    if (State.Contains(gdFixed)) return FindSkinObject("FixedCell");
    return FindSkinObject(Highlighted(State) ? "SelectedCell" : "Cell");
}

void TSeSkinStringGrid::PrepareCanvas(TCanvas* Canvas, TGridDrawState State) {
    TSeSkinObject* object = CellObject(State);
    if (!object) return TSeSkinControl::PrepareCanvas(Canvas, State);
    const TSeStateLook& look = object->GetLook(kssNormal);
    if (OwnFont(State)) {
        Canvas->SetFont(GetFont());
    } else {
        Canvas->SetFont(object->GetFont());
        if (look.Text != clNone) Canvas->GetFont()->SetColor(look.Text);
    }
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(look.Face != clNone ? look.Face : GetColor());
}

void TSeSkinStringGrid::DrawCellFace(TCanvas* Canvas, int ACol, int ARow, const TRect& Rect, TGridDrawState State) {
    TSeSkinObject* object = CellObject(State);
    if (!object) return TSeSkinControl::DrawCellFace(Canvas, ACol, ARow, Rect, State);
    Canvas->FillRect(Rect);
    // One pixel larger all round: the clip leaves the object's own border
    // out, the grid lines in its colour stand for it.
    TRect face = Rect;
    InflateRect(face, 1, 1);
    object->Draw(Canvas, face, kssNormal);
    if (!OwnFont(State)) return object->DrawText(Canvas, Rect, GetCells(ACol, ARow), kssNormal);
    AnsiString text = GetCells(ACol, ARow);
    TRect box = object->ContentRect(Rect);
    Canvas->SetFont(GetFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextRect(box, box.Left, box.Top + (box.Height() - Canvas->TextHeight(text)) / 2, text);
    Canvas->GetBrush()->SetStyle(bsSolid);
}

bool TSeSkinStringGrid::OwnFont(TGridDrawState State) const {
    return !GetParentFont() && !State.Contains(gdFixed) && !Highlighted(State);
}

TColor TSeSkinStringGrid::LineColor(bool Fixed) const {
    TSeSkinObject* object = CellObject(Fixed ? TGridDrawState{gdFixed} : TGridDrawState());
    if (!object || object->GetLook(kssNormal).Border == clNone) return TSeSkinControl::LineColor(Fixed);
    return object->GetLook(kssNormal).Border;
}
