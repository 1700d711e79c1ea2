#include "Canvas3DTestSupport.h"

TCanvasOnBitmap::TCanvasOnBitmap(int Width, int Height)
    : bitmap(WhiteBitmap(Width, Height)), options(nullptr, [this](TObject*) { ++repaints; }) {
    canvas.SetUseBuffer(false);
    canvas.SetCanvas(bitmap->GetCanvas());
}

void TCanvasOnBitmap::Begin(bool Is3D, int MaxDepth) {
    canvas.InitWindow(bitmap->GetCanvas(), &options, clWhite, Is3D, Whole());
    canvas.Projection(MaxDepth, Whole(), Whole());
}
