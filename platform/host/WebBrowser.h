#pragma once
// TCppWebBrowser: a web page viewer placed on a form like any windowed
// control; the page fills the control.
//
//     auto* browser = new TCppWebBrowser(Form);
//     browser->SetParent(Panel);
//     browser->OnNavigateComplete2 = ...;   // the page has loaded (or failed to)
//     browser->Navigate("http://127.0.0.1:8080/l");
//
// The web engine behind it is heavy, so it is loaded (a module of its own,
// WebEngineView.h) and started with the first Navigate, which raises
// EWebBrowserError when it cannot be loaded; until then there is no page, no
// title and no address, and nothing of the engine or of OpenGL is in memory. Loading goes on
// while the message loop runs: OnDownloadBegin fires when a page starts to
// load (Busy from then on), OnNavigateComplete2 when it has finished, with
// the address reached, or failed (the engine then shows its error page).
// The engine fetches only what it is asked to load: no background
// networking, updates, pings or prefetching.

#include <functional>

#include "platform/controls/Controls.h"
#include "platform/runtime/Exceptions.h"

VELMORA_EXCEPTION(EWebBrowserError, Exception)

using TNavigateComplete2Event = TClosure<void(TObject* Sender, const AnsiString& URL)>;

class TCppWebBrowser : public TWinControl {
public:
    explicit TCppWebBrowser(TComponent* AOwner);
    ~TCppWebBrowser() override;

    // Loads URL; an address without a scheme is taken as a web address
    // ("127.0.0.1:8080/l"). Text that cannot be an address (empty text)
    // raises EWebBrowserError.
    void Navigate(const AnsiString& URL);
    // Through the pages visited; nothing happens when there is none that way.
    void GoBack();
    void GoForward();
    // Stops loading; the load then finishes as failed.
    void Stop();
    // Loads the page shown again (hides TControl::Refresh, which repaints).
    void Refresh();
    // The page's title (its address when it has none); empty before the
    // first navigation.
    AnsiString GetLocationName() const;
    AnsiString GetLocationURL() const;
    // A page is loading.
    bool GetBusy() const;

    TNotifyEvent OnDownloadBegin;
    TNavigateComplete2Event OnNavigateComplete2;

protected:
    void BoundsChanged() override;
    void DoEnter() override;
    void DoExit() override;

private:
    struct Engine;
    // Starts the engine on first use.
    Engine& Started();
    // Fires an event from one of the engine's signals.
    void RunEvent(const std::function<void()>& Fire);
    Engine* engine_ = nullptr;
};
