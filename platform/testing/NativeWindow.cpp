// The native window id behind a form's host surface.
#include "platform/testing/NativeWindow.h"

#include "platform/host/WindowSurfaceWidget.h"

unsigned long NativeWindowId(TCustomForm* Form) {
    auto* surface = static_cast<WindowSurface*>(Form->GetHandle());
    return static_cast<unsigned long>(surface->internalWinId());
}
