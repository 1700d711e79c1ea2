#include "platform/host/HostCall.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <exception>
#include <utility>
#include <vector>

#include "platform/controls/Automation.h"
#include "platform/controls/Forms.h"

namespace {
std::exception_ptr pendingFailure;
// During a paint pass, the posted calls that do not paint wait here.
bool paintPass = false;
std::vector<std::function<void()>> heldCalls;
}  // namespace

void HostCall(TObject* Sender, const std::function<void()>& Body) {
    try {
        Body();
    } catch (...) {
        std::exception_ptr failure;
        try {
            try {
                throw;
            } catch (EAutomationError&) {
                throw;  // a test's forgotten answer: never shown, raised later
            } catch (...) {
                Application->HandleException(Sender);
            }
        } catch (...) {
            failure = std::current_exception();
        }
        if (failure && !pendingFailure) pendingFailure = failure;
    }
    ReleaseControlCanvases();
}

void PostHostCall(std::function<void()> Call) {
    QMetaObject::invokeMethod(
        qApp,
        [Call = std::move(Call)] {
            if (paintPass) heldCalls.push_back(Call);
            else Call();
        },
        Qt::QueuedConnection);
}

void PostHostPaintCall(std::function<void()> Call) {
    QMetaObject::invokeMethod(qApp, std::move(Call), Qt::QueuedConnection);
}

void RaisePendingHostFailure() {
    if (!pendingFailure) return;
    std::exception_ptr failure = pendingFailure;
    pendingFailure = nullptr;
    std::rethrow_exception(failure);
}

void ProcessHostEvents(bool Wait) {
    ReleaseControlCanvases();
    QCoreApplication::processEvents(Wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    RaisePendingHostFailure();
}

void ProcessHostPaintEvents() {
    ReleaseControlCanvases();
    paintPass = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                                    QEventLoop::X11ExcludeTimers);
    paintPass = false;
    // Back in the queue, in their order, for the next full pass.
    for (std::function<void()>& call : std::exchange(heldCalls, {})) PostHostCall(std::move(call));
    RaisePendingHostFailure();
}

bool HeadlessHost() {
    return QGuiApplication::platformName() == QLatin1String("offscreen") ||
           QGuiApplication::platformName() == QLatin1String("minimal");
}
