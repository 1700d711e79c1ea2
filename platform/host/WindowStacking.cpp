// Windows shown while a form is up kept in front of it: the owner link, the
// raise and the activation at each show.
#include "platform/host/WindowStacking.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "platform/controls/Forms.h"
#include "platform/host/WindowSurfaceWidget.h"

namespace {

// The surface of the form that a window shown now belongs above, nullptr
// when no form is up.
QWidget* FormWindowUp() {
    TCustomForm* form = Screen->OwnerFormFor(nullptr);
    return form ? static_cast<WindowSurface*>(form->GetHandle()) : nullptr;
}

// Links a host dialog to the form that is up each time it shows: the show
// event comes after its native window is made and before it is mapped.
class FrontOnShow : public QObject {
public:
    explicit FrontOnShow(QWidget* Dialog) : QObject(Dialog) { Dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Show && Watched->isWidgetType()) {
            auto* dialog = static_cast<QWidget*>(Watched);
            if (dialog->isWindow()) {
                SetWindowOwner(dialog, FormWindowUp());
                BringToFront(dialog);
            }
        }
        return false;
    }
};

}  // namespace

void SetWindowOwner(QWidget* Window, QWidget* Owner) {
    Window->winId();  // the native window, now: its link is read when it is mapped
    QWindow* window = Window->windowHandle();
    QWindow* owner = Owner ? Owner->window()->windowHandle() : nullptr;
    for (QWindow* above = owner; above; above = above->transientParent()) {
        if (above == window) {
            owner = nullptr;
            break;
        }
    }
    window->setTransientParent(owner);
}

void BringToFront(QWidget* Window) {
    Window->raise();
    if (!Window->testAttribute(Qt::WA_ShowWithoutActivating)) Window->activateWindow();
}

void KeepAboveForms(QWidget* Dialog) { new FrontOnShow(Dialog); }
