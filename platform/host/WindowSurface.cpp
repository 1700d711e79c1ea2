// What the controls do with their host windows, said in the host's terms.
#include "platform/host/WindowSurface.h"

#include "platform/host/WindowStacking.h"
#include "platform/host/WindowSurfaceWidget.h"

WindowSurface* CreateSurface(TWinControl* Control) {
    auto* surface = new WindowSurface(Control);
    surface->hide();
    return surface;
}

void DetachSurface(WindowSurface* Surface) { Surface->Detach(); }

void SetSurfaceParent(WindowSurface* Surface, WindowSurface* Parent) { Surface->setParent(Parent); }

void SetSurfaceBounds(WindowSurface* Surface, int Left, int Top, int Width, int Height) {
    Surface->setGeometry(Left, Top, Width, Height);
}

void SetSurfaceVisible(WindowSurface* Surface, bool Visible) { Surface->setVisible(Visible); }

void ShowSurface(WindowSurface* Surface, WindowSurface* Owner) {
    // Window managers keep dialogs above the window they belong to, and Qt
    // names that window to them only for dialogs and their kin: an owned
    // plain window shows as a dialog. Popups pass the window manager by.
    Qt::WindowFlags flags = Surface->FrameFlags();
    if (Owner && (flags & Qt::WindowType_Mask) == Qt::Window && !(flags & Qt::X11BypassWindowManagerHint))
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
    if (Surface->windowFlags() != flags) Surface->setWindowFlags(flags);
    SetWindowOwner(Surface, Owner);
    Surface->show();
    BringToFront(Surface);
}

bool SurfaceVisible(const WindowSurface* Surface) { return Surface->isVisible(); }

TPoint SurfaceScreenOrigin(const WindowSurface* Surface) {
    QPoint origin = Surface->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

void BlitSurface(WindowSurface* Surface) { Surface->repaint(); }

void ScheduleBlit(WindowSurface* Surface) { Surface->update(); }

void ShowSurfaceCursor(WindowSurface* Surface, TCursor Cursor) { Surface->ShowCursor(Cursor); }

void SetSurfaceFrame(WindowSurface* Surface, TFormBorderStyle BorderStyle, TBorderIcons BorderIcons,
                     bool HostFrame, bool ActivateOnShow) {
    const bool menu = BorderIcons.Contains(biSystemMenu);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (BorderStyle) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    default:
        if (menu && BorderIcons.Contains(biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
        if (menu && BorderIcons.Contains(biMaximize)) flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    if (!HostFrame) flags = Qt::Window | Qt::FramelessWindowHint;
    if (menu && BorderStyle != bsNone && HostFrame) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (menu && BorderIcons.Contains(biHelp) && BorderStyle != bsNone && HostFrame)
        flags |= Qt::WindowContextHelpButtonHint;
    // A window that never takes the activation is a popup: the window
    // manager neither moves nor frames it, and it stays where it is put.
    if (!ActivateOnShow) flags |= Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint;
    Surface->SetFrameFlags(flags);
    Surface->setAttribute(Qt::WA_ShowWithoutActivating, !ActivateOnShow);
}

void FixSurfaceSize(WindowSurface* Surface, int Width, int Height) { Surface->setFixedSize(Width, Height); }

void UnfixSurfaceSize(WindowSurface* Surface) {
    Surface->setMinimumSize(0, 0);
    Surface->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void SetSurfaceTitle(WindowSurface* Surface, const AnsiString& Title) {
    Surface->setWindowTitle(QString::fromUtf8(Title.c_str()));
}

void MinimizeSurface(WindowSurface* Surface) { Surface->showMinimized(); }
