#pragma once
// The web engine's page view as the host's web browser control sees it. The
// engine is a module of its own (libvelmora_webengine.so, made from
// WebEngineView.cpp) that the control loads with its first page: linked into
// the program, the engine and the OpenGL stack it sets up would be mapped,
// relocated and started with every run, Browser page opened or not. Only
// the module includes the engine's headers; the control reaches the view
// through this interface. For the host alone.

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

class TWebEngineView {
public:
    virtual ~TWebEngineView() = default;
    // The view itself, a child of the widget it was made in. Deleting the
    // widget (deleteLater included) deletes this object.
    virtual QWidget* Widget() = 0;
    virtual void Load(const QUrl& Url) = 0;
    virtual bool CanGoBack() const = 0;
    virtual bool CanGoForward() const = 0;
    virtual void Back() = 0;
    virtual void Forward() = 0;
    virtual void Stop() = 0;
    virtual void Reload() = 0;
    virtual QString Title() const = 0;
    virtual QUrl Url() const = 0;

    // A page starts to load; a load has finished (or failed).
    std::function<void()> OnLoadStarted;
    std::function<void()> OnLoadFinished;
};

// The module's entry: a new view, not shown yet, as a child of Parent.
extern "C" TWebEngineView* VelmoraNewWebEngineView(QWidget* Parent);
using TNewWebEngineView = TWebEngineView* (*)(QWidget* Parent);
