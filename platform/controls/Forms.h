#pragma once
// Forms, the application object and the screen.
//
// Creating a form: a form builds its controls in its constructor, and C++
// has no hook after the most-derived constructor. So forms are made with
//     Application->CreateForm<TMainForm>(&MainForm);   // sets the pointer first
//     auto* f = TForm::Create<TAboutBox>(Owner);
// which run the constructor and then OnCreate. A form made by a plain `new`
// works too; its OnCreate then runs when it is first shown.
// Freeing a form: its owner, Release (after the current event), Free, or
// caFree from OnClose fire OnDestroy before the destructors run; a plain
// `delete` cannot, and skips OnDestroy.
//
// A form's bounds are those of its client area: the host's window frame is
// not counted, so Width equals ClientWidth.

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/controls/Automation.h"
#include "platform/controls/Controls.h"

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;

// Which way a scroll bar lies.
enum TScrollBarKind { sbHorizontal, sbVertical };

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7;

class TCustomForm : public TCustomControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // Runs the constructor, then OnCreate.
    template <class T, class... Args>
    static T* Create(TComponent* AOwner, Args&&... args) {
        T* form = new T(AOwner, std::forward<Args>(args)...);
        form->AfterConstruction();
        return form;
    }
    // Fires OnCreate once; CreateForm and Create call it.
    void AfterConstruction();
    // Fires OnDestroy once; owners call it before they delete the form.
    void BeforeDestruction() override;

    const AnsiString& GetCaption() const { return GetText(); }
    void SetCaption(const AnsiString& Value) { SetText(Value); }
    TPosition GetPosition() const { return position_; }
    void SetPosition(TPosition Value) { position_ = Value; }
    TFormBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons GetBorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons Value);
    // False for a form whose frame the program draws itself: the host then
    // draws none, and the aligned children keep clear of FrameInsets (the
    // widths of the drawn frame on each side). A form no bigger than its
    // frame (rolled up to its caption) has no room for them: they keep their
    // places, out of sight below, until it grows again.
    bool GetHostFrame() const { return hostFrame_; }
    void SetHostFrame(bool Value);
    const TRect& GetFrameInsets() const { return frameInsets_; }
    void SetFrameInsets(const TRect& Value);
    // False for a window that shows without taking the activation (a popup
    // menu): the active form and its focused control stay as they are.
    bool GetActivateOnShow() const { return activateOnShow_; }
    void SetActivateOnShow(bool Value);
    // Shows the window minimised, as the window system's minimise button.
    void Minimize();
    bool GetKeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool Value) { keyPreview_ = Value; }
    TWinControl* GetActiveControl() const { return activeControl_; }
    // Moves the focus there when the form is active, else remembers it.
    void SetActiveControl(TWinControl* Control);
    bool GetActive() const;
    TModalResult GetModalResult() const { return modalResult_; }
    // A non-zero value ends ShowModal (after OnCloseQuery and OnClose).
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool GetModal() const { return modal_; }

    // Asks OnCloseQuery, then OnClose; hides, frees or minimises as it says.
    // Closing the main form ends the application's message loop.
    void Close();
    virtual bool CloseQuery();
    // Shows the form, disables the others and runs a message loop until
    // ModalResult is set; closing the window gives mrCancel.
    virtual TModalResult ShowModal();
    // Frees the form once the current event has been handled.
    void Release();
    void Free();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;
    TNotifyEvent OnPaint;

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    virtual void DoClose(TCloseAction& Action);
    void VisibleChanged() override;
    void BoundsChanged() override;
    void AdjustClientRect(TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    // What ShowModal reports to the automation hooks, and how an answer's
    // Result is applied; a form that is a message box of its own overrides.
    virtual void DescribeForAutomation(TAutomationRequest& Request);
    virtual void TakeAutomationResult(int Result);

private:
    friend class TScreen;
    friend class TWinControl;
    friend struct ControlRouting;
    void SetFocusedControl(TWinControl* Control);
    void Activated();
    void Deactivated();
    void PlaceOnScreen();
    void ApplyWindowFlags();
    // The surface of the form this one belongs above when shown now.
    WindowSurface* OwnerSurface() const;
    void CloseModal();
    void RunModalLoop(TAutomationRequest* Request);

    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = TBorderIcons{biSystemMenu, biMinimize, biMaximize};
    bool keyPreview_ = false;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    bool placed_ = false;
    bool hostFrame_ = true;
    bool activateOnShow_ = true;
    TRect frameInsets_;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// The form a control sits on, nullptr when none.
TCustomForm* GetParentForm(TControl* Control);

// Keys on their way to any form are offered first to the key hooks (a menu
// bar takes Alt, F10 and its access keys there). A hook that returns true
// takes the key (and the characters it types): no control sees it. Down is
// false for a release. Owner names the hook for its removal.
using TKeyHook = std::function<bool(TCustomForm* Form, Word Key, TShiftState Shift, bool Down)>;
void AddKeyHook(const void* Owner, TKeyHook Hook);
void RemoveKeyHook(const void* Owner);

// ---- Screen ----------------------------------------------------------------
struct TCursorHandle;
using HCURSOR = TCursorHandle*;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;
    int GetWidth() const;
    int GetHeight() const;
    // 96 under the headless platform.
    int GetPixelsPerInch() const;
    // A cursor for the whole program (crHourGlass during a long operation);
    // crDefault gives each control its own again.
    TCursor GetCursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    // The cursor registry: the standard cursors and those the program adds
    // under numbers of its own. An unknown number gives the default cursor;
    // registering nullptr removes a number the program added.
    HCURSOR GetCursors(int Index) const;
    void SetCursors(int Index, HCURSOR Handle);
    int GetFormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* GetForms(int Index) const;  // EListError out of range
    TCustomForm* GetActiveForm() const { return activeForm_; }
    // The form that a window shown now belongs above: the top modal form,
    // else the active form, else the main form; a visible one other than
    // Shown, nullptr when there is none. The main form belongs above none.
    TCustomForm* OwnerFormFor(const TCustomForm* Shown) const;

private:
    friend class TCustomForm;
    friend struct ControlRouting;
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);
    void ActivateNextForm(TCustomForm* Leaving);
    void PushModal(TCustomForm* Form);
    void PopModal(TCustomForm* Form);

    std::vector<TCustomForm*> forms_;
    std::vector<TCustomForm*> recentlyActive_;  // most recent last
    std::vector<TCustomForm*> modal_;
    TCustomForm* activeForm_ = nullptr;
    TCursor cursor_ = crDefault;
    struct Registry;
    Registry* cursors_;

public:
    // The top modal form, nullptr when none: input elsewhere is ignored.
    TCustomForm* ModalForm() const { return modal_.empty() ? nullptr : modal_.back(); }
};

extern TScreen* Screen;

// ---- Application -------------------------------------------------------------
enum : unsigned { MB_OK = 0x00, MB_OKCANCEL = 0x01, MB_ABORTRETRYIGNORE = 0x02, MB_YESNOCANCEL = 0x03,
                  MB_YESNO = 0x04, MB_RETRYCANCEL = 0x05, MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10,
                  MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30,
                  MB_ICONASTERISK = 0x40, MB_ICONINFORMATION = 0x40, MB_DEFBUTTON1 = 0x000,
                  MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200 };
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };
enum : int { HELP_CONTEXT = 1, HELP_QUIT = 2, HELP_CONTENTS = 3, HELP_FINDER = 11 };

using TExceptionEvent = TClosure<void(TObject* Sender, Exception* E)>;
// Shows a message box and returns the button pressed (IDOK...).
using TMessageBoxEvent = TClosure<int(const AnsiString& Text, const AnsiString& Caption, unsigned Flags)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Starts the host (Host.h) when the main routine has not.
    void Initialize();
    // The program's name; the caption of message and exception boxes.
    AnsiString GetTitle() const;
    void SetTitle(const AnsiString& Value) { title_ = Value; }
    // Makes a form owned by the application, stores it in *Reference, then
    // runs its OnCreate. The first form made this way is the main form.
    template <class T>
    void CreateForm(T** Reference) {
        T* instance = new T(this);
        *Reference = instance;
        if constexpr (std::is_base_of_v<TCustomForm, T>) {
            instance->AfterConstruction();
            if (!mainForm_) mainForm_ = instance;
        }
    }
    TCustomForm* GetMainForm() const { return mainForm_; }
    bool GetShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool Value) { showMainForm_ = Value; }
    // Shows the main form and handles events until Terminate (closing the
    // main form terminates).
    void Run();
    // Handles the events waiting now and returns.
    void ProcessMessages();
    // Waits for an event and handles it.
    void HandleMessage();
    void Terminate() { terminated_ = true; }
    bool GetTerminated() const { return terminated_; }

    // Inside a catch block: OnException, or the default exception box, for
    // anything but EAbort.
    void HandleException(TObject* Sender);
    // The default exception box: the message with a final period.
    void ShowException(Exception* E);
    TExceptionEvent OnException;

    // A modal box of our own drawing; returns the button (IDOK...). An
    // empty Caption is the title.
    int MessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags = MB_OK);
    // When bound, shows every box MessageBox shows (the default exception
    // box and the help's messages among them) in place of the plain one, so
    // that a skinned program has no unskinned message.
    TMessageBoxEvent OnMessageBox;

    const AnsiString& GetHelpFile() const { return helpFile_; }
    void SetHelpFile(const AnsiString& Value) { helpFile_ = Value; }
    // HELP_FINDER and HELP_CONTENTS open the help file with the system's
    // handler; a missing file is reported in a message box. False when
    // nothing was opened.
    bool HelpCommand(int Command, int Data);

private:
    friend class TCustomForm;
    friend void ResetApplicationState();
    TCustomForm* mainForm_ = nullptr;
    AnsiString title_;
    AnsiString helpFile_;
    bool terminated_ = false;
    bool showMainForm_ = true;
};

extern TApplication* Application;
