#pragma once
// A chart painted whole into a white bitmap of its own size, for tests that
// read what it drew.

#include <memory>

#include "chart/panel/TeePanel.h"
#include "platform/gdi/Graphics.h"

inline std::unique_ptr<TBitmap> PaintOnWhite(TCustomTeePanel* Chart) {
    auto picture = std::make_unique<TBitmap>();
    const TRect whole(0, 0, Chart->GetWidth(), Chart->GetHeight());
    picture->SetSize(whole.Right, whole.Bottom);
    picture->GetCanvas()->GetBrush()->SetColor(clWhite);
    picture->GetCanvas()->FillRect(whole);
    Chart->Draw(picture->GetCanvas(), whole);
    return picture;
}
