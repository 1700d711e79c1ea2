#include "platform/host/WebBrowser.h"

#include <QApplication>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/host/HostCall.h"
#include "platform/host/WindowSurfaceWidget.h"

namespace {

// Before the engine's first use: it reads these when it starts.
void PrepareWebEngine() {
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    // The engine's sandbox refuses to run as root.
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    // Nothing on the network beyond the pages asked for.
    std::string flags = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS") ? std::getenv("QTWEBENGINE_CHROMIUM_FLAGS") : "";
    flags += " --disable-background-networking --disable-component-update --disable-domain-reliability"
             " --disable-sync --no-pings --dns-prefetch-disable --no-first-run --disable-breakpad";
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
}

AnsiString FromQt(const QString& Text) { return AnsiString(Text.toUtf8().toStdString()); }

}  // namespace

struct TCppWebBrowser::Engine {
    QWebEngineView* View = nullptr;
    bool Busy = false;
    int SignalDepth = 0;  // inside one of the view's signals: it must not be deleted now
};

TCppWebBrowser::TCppWebBrowser(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

TCppWebBrowser::~TCppWebBrowser() {
    if (!engine_) return;
    QWebEngineView* view = engine_->View;
    QObject::disconnect(view, nullptr, nullptr, nullptr);
    QObject::disconnect(qApp, nullptr, view, nullptr);
    if (engine_->SignalDepth > 0) {
        // Out of the surface, which goes with the control now.
        view->hide();
        view->setParent(nullptr);
        view->deleteLater();
    } else {
        delete view;
    }
    delete engine_;
}

TCppWebBrowser::Engine& TCppWebBrowser::Started() {
    if (engine_) return *engine_;
    PrepareWebEngine();
    engine_ = new Engine;
    QWebEngineView* view = engine_->View = new QWebEngineView(Surface());
    view->setGeometry(0, 0, GetWidth(), GetHeight());
    view->show();
    // The view's signals come from the host's loop: they run as host calls.
    QObject::connect(view, &QWebEngineView::loadStarted, [this] {
        engine_->Busy = true;
        RunEvent([this] {
            if (OnDownloadBegin) OnDownloadBegin(this);
        });
    });
    QObject::connect(view, &QWebEngineView::loadFinished, [this](bool) {
        engine_->Busy = false;
        RunEvent([this] {
            if (OnNavigateComplete2) OnNavigateComplete2(this, GetLocationURL());
        });
    });
    // The page takes the keys once clicked; the control then has the focus.
    QObject::connect(qApp, &QApplication::focusChanged, view, [this, view](QWidget*, QWidget* now) {
        if (!now || (now != view && !view->isAncestorOf(now)) || Focused() || !CanFocus()) return;
        HostCall(this, [this] { SetFocus(); });
    });
    return *engine_;
}

// A handler may free the browser: the view then goes once its signal is over.
void TCppWebBrowser::RunEvent(const std::function<void()>& Fire) {
    std::weak_ptr<char> alive = AliveToken();
    ++engine_->SignalDepth;
    HostCall(this, Fire);
    if (!alive.expired()) --engine_->SignalDepth;
}

void TCppWebBrowser::Navigate(const AnsiString& URL) {
    QUrl url = QUrl::fromUserInput(QString::fromUtf8(URL.c_str()));
    if (!url.isValid() || url.isEmpty()) throw EWebBrowserError("\"" + URL + "\" is not a web address");
    Started().View->load(url);
}

void TCppWebBrowser::GoBack() {
    if (engine_ && engine_->View->history()->canGoBack()) engine_->View->back();
}

void TCppWebBrowser::GoForward() {
    if (engine_ && engine_->View->history()->canGoForward()) engine_->View->forward();
}

void TCppWebBrowser::Stop() {
    if (engine_) engine_->View->stop();
}

void TCppWebBrowser::Refresh() {
    if (engine_) engine_->View->reload();
}

AnsiString TCppWebBrowser::GetLocationName() const { return engine_ ? FromQt(engine_->View->title()) : ""; }

AnsiString TCppWebBrowser::GetLocationURL() const {
    return engine_ ? FromQt(engine_->View->url().toString()) : "";
}

bool TCppWebBrowser::GetBusy() const { return engine_ && engine_->Busy; }

// The host's focus follows the control's: keys go to the page only while it has it.
void TCppWebBrowser::DoEnter() {
    TWinControl::DoEnter();
    if (engine_) engine_->View->setFocus();
}

void TCppWebBrowser::DoExit() {
    TWinControl::DoExit();
    if (engine_ && engine_->View->hasFocus()) engine_->View->clearFocus();
}

void TCppWebBrowser::BoundsChanged() {
    TWinControl::BoundsChanged();
    if (engine_) engine_->View->setGeometry(0, 0, GetWidth(), GetHeight());
}
