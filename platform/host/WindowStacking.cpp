// Windows shown while a form is up kept in front of it: the owner link, the
// raise and the activation at each show.
#include "platform/host/WindowStacking.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Raises a host dialog each time it shows: the show event comes after its
// native window is made and before it is mapped. A modal dialog takes the
// activation itself once mapped. Its owner stays the one Qt names for a
// dialog without a parent, the program's leader window, which window
// managers read as all of the program's windows: named a form's window
// instead, a window manager handing the focus back to that form while the
// dialog runs left Qt waiting on the X server for good.
class FrontOnShow : public QObject {
public:
    explicit FrontOnShow(QWidget* Dialog) : QObject(Dialog) { Dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Show && Watched->isWidgetType() && static_cast<QWidget*>(Watched)->isWindow())
            static_cast<QWidget*>(Watched)->raise();
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
