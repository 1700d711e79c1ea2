// The hint window's host side: a tool-tip window that never takes activation.
#include "platform/host/HintWindow.h"

#include <algorithm>

#include "platform/host/WindowStacking.h"
#include "platform/host/WindowSurfaceWidget.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    StoreVisible(false);
    auto* surface = static_cast<WindowSurface*>(GetHandle());
    surface->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    surface->setAttribute(Qt::WA_ShowWithoutActivating);
    SetColor(clInfoBk);
    GetFont()->SetColor(clInfoText);
}

void THintWindow::ActivateHint(const TRect& Rect, const AnsiString& Hint) {
    SetCaption(Hint);
    SetBoundsRect(Rect);
    Show();
    Invalidate();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const AnsiString& Hint) {
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.GetCanvas()->SetFont(GetFont());
    TSize size = measure.GetCanvas()->TextExtent(Hint);
    return Rect(0, 0, std::min(size.cx, MaxWidth) + 8, size.cy + 4);
}

// A parentless window: the surface follows Visible itself, and shows in
// front of the windows made since it last showed.
void THintWindow::VisibleChanged() {
    auto* surface = static_cast<WindowSurface*>(GetHandle());
    surface->setVisible(GetVisible());
    if (GetVisible()) BringToFront(surface);
}
