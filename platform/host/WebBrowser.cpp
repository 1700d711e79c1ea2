#include "platform/host/WebBrowser.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QUrl>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

#include "platform/host/HostCall.h"
#include "platform/host/WebEngineView.h"
#include "platform/host/WindowSurfaceWidget.h"

// Qt's own modules set the context every other one shares with through these.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

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

// The engine draws in OpenGL contexts of its own that share their textures
// with the windows' contexts: all of them must share with one context made
// before them. Qt makes it with the application object when asked
// (Qt::AA_ShareOpenGLContexts), which maps and starts the OpenGL stack at
// every start-up; the windows here draw without OpenGL until the first web
// view, so making it just before that view serves as well.
void ShareOpenGLContexts() {
    if (QOpenGLContext::globalShareContext()) return;
    // As the application object makes it; where there is no OpenGL it stays
    // invalid and the engine draws without.
    auto* context = new QOpenGLContext;  // lives as long as the application object, never freed
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
    // Widgets read the attribute to keep their drawing across a change of
    // window. Qt warns that it belongs before the application object, which
    // holds for the context it stands for, made above.
    static QtMessageHandler passOn = nullptr;
    passOn = qInstallMessageHandler([](QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
        if (Type == QtWarningMsg && Text.contains("AA_ShareOpenGLContexts")) return;
        if (passOn) passOn(Type, Context, Text);
    });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(passOn);
}

// The engine's module, loaded once, on first use; it stays until the end.
TNewWebEngineView WebEngineModule() {
    static TNewWebEngineView entry = nullptr;
    if (entry) return entry;
    ShareOpenGLContexts();
    void* module = dlopen(VELMORA_WEB_ENGINE_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) throw EWebBrowserError(AnsiString("The web engine could not be loaded: ") + dlerror());
    entry = reinterpret_cast<TNewWebEngineView>(dlsym(module, "VelmoraNewWebEngineView"));
    if (!entry) throw EWebBrowserError(AnsiString("The web engine module has no entry: ") + VELMORA_WEB_ENGINE_MODULE);
    return entry;
}

AnsiString FromQt(const QString& Text) { return AnsiString(Text.toUtf8().toStdString()); }

}  // namespace

struct TCppWebBrowser::Engine {
    TWebEngineView* View = nullptr;
    bool Busy = false;
    int SignalDepth = 0;  // inside one of the view's signals: it must not be deleted now
};

TCppWebBrowser::TCppWebBrowser(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

TCppWebBrowser::~TCppWebBrowser() {
    if (!engine_) return;
    TWebEngineView* view = engine_->View;
    view->OnLoadStarted = nullptr;
    view->OnLoadFinished = nullptr;
    QWidget* widget = view->Widget();
    QObject::disconnect(qApp, nullptr, widget, nullptr);
    if (engine_->SignalDepth > 0) {
        // Out of the surface, which goes with the control now.
        widget->hide();
        widget->setParent(nullptr);
        widget->deleteLater();
    } else {
        delete view;
    }
    delete engine_;
}

TCppWebBrowser::Engine& TCppWebBrowser::Started() {
    if (engine_) return *engine_;
    PrepareWebEngine();
    TNewWebEngineView newView = WebEngineModule();
    engine_ = new Engine;
    TWebEngineView* view = engine_->View = newView(Surface());
    QWidget* widget = view->Widget();
    widget->setGeometry(0, 0, GetWidth(), GetHeight());
    widget->show();
    // The view's signals come from the host's loop: they run as host calls.
    view->OnLoadStarted = [this] {
        engine_->Busy = true;
        RunEvent([this] {
            if (OnDownloadBegin) OnDownloadBegin(this);
        });
    };
    view->OnLoadFinished = [this] {
        engine_->Busy = false;
        RunEvent([this] {
            if (OnNavigateComplete2) OnNavigateComplete2(this, GetLocationURL());
        });
    };
    // The page takes the keys once clicked; the control then has the focus.
    QObject::connect(qApp, &QApplication::focusChanged, widget, [this, widget](QWidget*, QWidget* now) {
        if (!now || (now != widget && !widget->isAncestorOf(now)) || Focused() || !CanFocus()) return;
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
    Started().View->Load(url);
}

void TCppWebBrowser::GoBack() {
    if (engine_ && engine_->View->CanGoBack()) engine_->View->Back();
}

void TCppWebBrowser::GoForward() {
    if (engine_ && engine_->View->CanGoForward()) engine_->View->Forward();
}

void TCppWebBrowser::Stop() {
    if (engine_) engine_->View->Stop();
}

void TCppWebBrowser::Refresh() {
    if (engine_) engine_->View->Reload();
}

AnsiString TCppWebBrowser::GetLocationName() const { return engine_ ? FromQt(engine_->View->Title()) : ""; }

AnsiString TCppWebBrowser::GetLocationURL() const {
    return engine_ ? FromQt(engine_->View->Url().toString()) : "";
}

bool TCppWebBrowser::GetBusy() const { return engine_ && engine_->Busy; }

// The host's focus follows the control's: keys go to the page only while it has it.
void TCppWebBrowser::DoEnter() {
    TWinControl::DoEnter();
    if (engine_) engine_->View->Widget()->setFocus();
}

void TCppWebBrowser::DoExit() {
    TWinControl::DoExit();
    if (engine_ && engine_->View->Widget()->hasFocus()) engine_->View->Widget()->clearFocus();
}

void TCppWebBrowser::BoundsChanged() {
    TWinControl::BoundsChanged();
    if (engine_) engine_->View->Widget()->setGeometry(0, 0, GetWidth(), GetHeight());
}
