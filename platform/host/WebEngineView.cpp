// The web engine module (see WebEngineView.h): built as a library of its
// own, never linked into a program, loaded by the web browser control.
#include "platform/host/WebEngineView.h"

#include <QQuickWindow>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace {

class TQtWebEngineView : public QWebEngineView, public TWebEngineView {
public:
    explicit TQtWebEngineView(QWidget* Parent) : QWebEngineView(Parent) {
        connect(this, &QWebEngineView::loadStarted, [this] {
            if (OnLoadStarted) OnLoadStarted();
        });
        connect(this, &QWebEngineView::loadFinished, [this](bool) {
            if (OnLoadFinished) OnLoadFinished();
        });
    }

    QWidget* Widget() override { return this; }
    void Load(const QUrl& Url) override { load(Url); }
    bool CanGoBack() const override { return history()->canGoBack(); }
    bool CanGoForward() const override { return history()->canGoForward(); }
    void Back() override { back(); }
    void Forward() override { forward(); }
    void Stop() override { stop(); }
    void Reload() override { reload(); }
    QString Title() const override { return title(); }
    QUrl Url() const override { return url(); }
};

}  // namespace

extern "C" TWebEngineView* VelmoraNewWebEngineView(QWidget* Parent) {
    // Linked into a program, the engine asks for its scene graph on OpenGL
    // before the application object exists; loaded later it leaves that to
    // us, so ask before its first view makes a scene graph.
    static const bool graphicsChosen = [] {
        const QSGRendererInterface::GraphicsApi api = QQuickWindow::graphicsApi();
        if (api != QSGRendererInterface::OpenGL && api != QSGRendererInterface::Vulkan &&
            api != QSGRendererInterface::Metal && api != QSGRendererInterface::Direct3D11)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
        return true;
    }();
    (void)graphicsChosen;
    return new TQtWebEngineView(Parent);
}
