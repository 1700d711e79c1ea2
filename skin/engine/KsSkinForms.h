#pragma once
// The drawn window frame: a component placed on a form that takes the
// host's frame away and draws its own through the "Form" skin object (or a
// classic look without a skin): caption bar with the caption text and the
// border icons, borders to size the window, a caption to move it by.
//
// Caption buttons: close closes the form, minimise minimises it, maximise
// fills the screen and restores, roll-up shrinks the form to its caption bar
// and back to its old height (as does a double click on the caption), tray
// hides the form behind an icon in the desktop's system tray (a click on the
// icon restores it, its menu offers Restore and Exit) or, where the desktop
// has no tray, minimises it; the system-menu icon is drawn and does nothing
// when clicked.

#include <memory>

#include "platform/controls/Forms.h"
#include "skin/engine/KsSkinEngine.h"

class TTrayIcon;

enum TSeBorderIcon { kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollUp, kbiTray };
using TSeBorderIcons = Set<TSeBorderIcon>;

class TSeSkinForm : public TComponent {
public:
    // AOwner is the form to frame; anything else raises EComponentError.
    explicit TSeSkinForm(TComponent* AOwner);
    ~TSeSkinForm() override;

    TCustomForm* GetForm() const { return form_; }
    TSeBorderIcons GetBorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TSeBorderIcons Value);
    // The form's caption.
    const AnsiString& GetCaption() const { return form_->GetCaption(); }
    void SetCaption(const AnsiString& Value) { form_->SetCaption(Value); }
    // The engine to draw with; the current engine when none is set.
    TSeSkinEngine* GetSkinEngine() const { return engine_; }
    void SetSkinEngine(TSeSkinEngine* Value);
    const AnsiString& GetSkinObject() const { return skinObject_; }
    void SetSkinObject(const AnsiString& Value);

    bool GetMaximized() const { return maximized_; }
    void SetMaximized(bool Value);
    // Rolled up, the form is its caption bar alone.
    bool GetRolledUp() const { return rolledUp_; }
    void SetRolledUp(bool Value);
    // Hidden behind the tray icon; where the desktop has no tray, HideToTray
    // minimises the form instead and it is not in the tray.
    bool GetInTray() const { return inTray_; }
    void HideToTray();
    void RestoreFromTray();

    // Where the frame's parts are, in the form's coordinates; an icon that
    // is not shown has an empty rectangle.
    TRect GetCaptionRect() const;
    TRect GetButtonRect(TSeBorderIcon Icon) const;
    // The caption button under the mouse, -1 when none.
    int GetHotButton() const { return hot_; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    struct Metrics {
        int Caption, Border, Button;
    };
    TSeFormObject* FormObject() const;
    TSeSystemButtonObject* ButtonObject(TSeBorderIcon Icon) const;
    Metrics GetMetrics() const;
    void ApplyFrame();
    void FormWndProc(TMessage& Message);
    void PaintFrame();
    // Edges (left 1, top 2, right 4, bottom 8) or the caption (16) at a point.
    int ZoneAt(TPoint P) const;
    int ButtonAt(TPoint P) const;
    void MouseDown(TPoint P);
    void MouseMove(TPoint P);
    void MouseUp(TPoint P);
    void SetHot(int Value);
    void Press(TSeBorderIcon Icon);
    // The tray menu's Exit: the form comes back and closes as its close
    // button would close it, asking first.
    void ExitFromTray();

    TCustomForm* form_;
    TWndMethod oldWndProc_;
    TSeBorderIcons borderIcons_ = TSeBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize};
    TSeSkinEngine* engine_ = nullptr;
    AnsiString skinObject_ = "Form";
    int hot_ = -1;
    int pressed_ = -1;
    int dragZone_ = 0;
    TPoint dragStart_;
    TRect dragBounds_;
    bool maximized_ = false;
    TRect restoreBounds_;
    bool rolledUp_ = false;
    int unrolledHeight_ = 0;
    bool inTray_ = false;
    std::unique_ptr<TTrayIcon> trayIcon_;
};
