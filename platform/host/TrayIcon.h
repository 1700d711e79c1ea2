#pragma once
// The system tray icon that stands for a window sent to the tray: a click on
// it, or "Restore" in its menu, brings the window back; "Exit" in its menu
// closes it. No Qt here: the icon and its menu live in TrayIcon.cpp.
//
//     TTrayIcon icon;
//     icon.OnRestore = [form] { form->Show(); };
//     icon.SetHint("Velmora");
//     icon.SetVisible(true);

#include <functional>
#include <memory>

#include "platform/runtime/AnsiString.h"

class TTrayIcon {
public:
    TTrayIcon();
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // Whether the desktop shows tray icons. Where it does not, an icon would
    // be the only way back to a hidden window and nobody could see it.
    static bool Available();

    // The tool tip over the icon.
    void SetHint(const AnsiString& Value);
    void SetVisible(bool Value);

    // Run from the host's event loop, exceptions going to the application's
    // handler. Either may free the icon.
    std::function<void()> OnRestore;
    std::function<void()> OnExit;

private:
    struct Host;
    std::unique_ptr<Host> host_;
};

// Tests: a desktop with a tray (Available true) or without one, whatever the
// real desktop has (the headless platform has none), until EndFakeSystemTray.
// The test input (TestInput.h) finds the icon shown and clicks it.
void FakeSystemTray(bool Available);
void EndFakeSystemTray();
