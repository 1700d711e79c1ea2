#pragma once
// Text of a skin object placed in an exact area: the object's margins are
// for whole controls, a caption beside a box or in a frame has its own place.

#include "skin/engine/KsSkinObjects.h"

inline void DrawSkinTextIn(TSeSkinObject* Object, TCanvas* Canvas, const TRect& Area, const AnsiString& Text,
                           TSeState State, unsigned Align) {
    const TRect& m = Object->GetMargins();
    Object->DrawText(Canvas, TRect(Area.Left - m.Left, Area.Top - m.Top, Area.Right + m.Right, Area.Bottom + m.Bottom),
                     Text, State, Align);
}

// The size of Text in the object's font.
inline TSize SkinTextExtent(TSeSkinObject* Object, TCanvas* Canvas, const AnsiString& Text) {
    Canvas->GetFont()->Assign(Object->GetFont());
    return Canvas->TextExtent(Text);
}
