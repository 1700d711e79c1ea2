#pragma once
// Hints. One manager per process watches the mouse; when the pointer rests
// (HintPause, 500 ms) over a control whose ShowHint is on and whose Hint is
// not empty, it shows the hint's first part (the text before any '|') in its
// hint window just under the pointer. Moving to another control, a click or
// HintHidePause (2500 ms) hides it; the same control shows it again only
// after the pointer has been elsewhere.
//
//     auto* hints = new TSeHintManager(Application);     // the one manager
//     hints->SetHintWindowClass<TSeSkinHintWindow>();     // skinned (KsSkinHint.h)

#include <functional>
#include <memory>

#include "platform/controls/ExtCtrls.h"
#include "platform/host/HintWindow.h"

// The classic hint window: the info colours, a thin frame, the text.
class TSeHintWindow : public THintWindow {
public:
    explicit TSeHintWindow(TComponent* AOwner);
    TRect CalcHintRect(int MaxWidth, const AnsiString& Hint) override;

protected:
    void Paint() override;
};

class TSeHintManager : public TComponent {
public:
    // EComponentError when a manager exists already.
    explicit TSeHintManager(TComponent* AOwner);
    ~TSeHintManager() override;
    // The manager, nullptr when none.
    static TSeHintManager* Current();

    int GetHintPause() const { return hintPause_; }
    void SetHintPause(int Value) { hintPause_ = Value; }
    int GetHintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int Value) { hintHidePause_ = Value; }
    // The class of the hint window, made when first needed; TSeHintWindow by default.
    template <class T>
    void SetHintWindowClass() {
        SetHintWindowFactory([](TComponent* Owner) -> THintWindow* { return new T(Owner); });
    }
    void SetHintWindowFactory(std::function<THintWindow*(TComponent* Owner)> Factory);

    // The window (nullptr before the first hint) and whether a hint shows.
    THintWindow* GetHintWindow() const { return window_; }
    bool GetHintShowing() const { return window_ && window_->GetVisible(); }
    // The control whose hint shows or is waiting to show; nullptr when none.
    TControl* GetHintControl() const { return candidateAlive_.expired() ? nullptr : candidate_; }
    // Hides the hint now.
    void CancelHint();

private:
    void MouseInput(TControl* Over, Cardinal Msg, const TPoint& ScreenPos);
    void TimerFired(TObject* Sender);
    void ShowNow();
    void Wait(int Milliseconds);

    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    int watcher_;
    TTimer* timer_;
    THintWindow* window_ = nullptr;
    std::function<THintWindow*(TComponent*)> factory_;
    TControl* candidate_ = nullptr;
    std::weak_ptr<char> candidateAlive_;
    TPoint lastPos_;
    bool done_ = false;  // this control's hint has had its turn
};
