#include "skin/controls/SeHint.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "skin/controls/SeLabel.h"

namespace {

TSeHintManager* current = nullptr;
constexpr int MaxHintWidth = 300, PointerHeight = 20, HintMargin = 4;

// The control whose hint the pointer is over: the nearest one with a hint,
// counted only when it shows hints.
TControl* HintTarget(TControl* Over) {
    for (TControl* c = Over; c; c = c->GetParent())
        if (!c->GetHint().IsEmpty()) return c->GetShowHint() ? c : nullptr;
    return nullptr;
}

AnsiString ShortHint(const AnsiString& Hint) {
    int bar = Hint.Pos("|");
    return bar ? Hint.SubString(1, bar - 1) : Hint;
}

}  // namespace

// ---- TSeHintWindow ------------------------------------------------------------------

TSeHintWindow::TSeHintWindow(TComponent* AOwner) : THintWindow(AOwner) {
    GetFont()->SetName("Tahoma");
    GetFont()->SetSize(8);
}

TRect TSeHintWindow::CalcHintRect(int MaxWidth, const AnsiString& Hint) {
    TBitmap measure;
    measure.SetSize(1, 1);
    TCanvas* canvas = measure.GetCanvas();
    canvas->SetFont(GetFont());
    int width = 0;
    std::vector<AnsiString> lines = WrapLines(canvas, Hint, MaxWidth, true);
    for (const AnsiString& line : lines) width = std::max(width, canvas->TextWidth(line));
    const int height = static_cast<int>(lines.size()) * canvas->TextHeight("Ag");
    return Rect(0, 0, width + 2 * HintMargin, height + HintMargin);
}

void TSeHintWindow::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect r = GetClientRect();
    canvas->GetBrush()->SetColor(clInfoBk);
    canvas->FillRect(r);
    canvas->GetBrush()->SetColor(clBtnShadow);
    canvas->FrameRect(r);
    canvas->SetFont(GetFont());
    canvas->GetBrush()->SetStyle(bsClear);
    int y = HintMargin / 2;
    for (const AnsiString& line : WrapLines(canvas, GetCaption(), GetWidth() - 2 * HintMargin, true)) {
        canvas->TextOut(HintMargin, y, line);
        y += canvas->TextHeight("Ag");
    }
}

// ---- TSeHintManager ----------------------------------------------------------------

TSeHintManager::TSeHintManager(TComponent* AOwner) : TComponent(AOwner) {
    if (current) throw EComponentError("There is a hint manager already");
    current = this;
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->OnTimer = TNotifyEvent(this, &TSeHintManager::TimerFired);
    factory_ = [](TComponent* Owner) -> THintWindow* { return new TSeHintWindow(Owner); };
    watcher_ = AddMouseWatcher([this](TControl* Over, Cardinal Msg, const TPoint& Pos) { MouseInput(Over, Msg, Pos); });
}

TSeHintManager::~TSeHintManager() {
    RemoveMouseWatcher(watcher_);
    if (current == this) current = nullptr;
}

TSeHintManager* TSeHintManager::Current() { return current; }

void TSeHintManager::SetHintWindowFactory(std::function<THintWindow*(TComponent*)> Factory) {
    factory_ = std::move(Factory);
    delete window_;
    window_ = nullptr;
}

void TSeHintManager::CancelHint() {
    timer_->SetEnabled(false);
    if (window_) window_->ReleaseHint();
}

void TSeHintManager::Wait(int Milliseconds) {
    timer_->SetEnabled(false);
    timer_->SetInterval(static_cast<Cardinal>(std::max(1, Milliseconds)));
    timer_->SetEnabled(true);
}

void TSeHintManager::MouseInput(TControl* Over, Cardinal Msg, const TPoint& ScreenPos) {
    if (Msg != WM_MOUSEMOVE) {  // a press or release ends this control's hint
        CancelHint();
        done_ = true;
        return;
    }
    const bool moved = ScreenPos != lastPos_;
    lastPos_ = ScreenPos;
    TControl* target = HintTarget(Over);
    if (target != GetHintControl()) {
        CancelHint();
        candidate_ = target;
        candidateAlive_ = target ? target->AliveToken() : std::weak_ptr<char>();
        done_ = false;
        if (target) Wait(hintPause_);
        return;
    }
    // Resting means not moving: a move starts the pause again.
    if (target && moved && !done_ && !GetHintShowing()) Wait(hintPause_);
}

void TSeHintManager::TimerFired(TObject*) {
    timer_->SetEnabled(false);
    if (GetHintShowing()) {
        window_->ReleaseHint();
        done_ = true;
        return;
    }
    ShowNow();
}

void TSeHintManager::ShowNow() {
    TControl* control = GetHintControl();
    if (!control || !control->GetVisible() || done_) return;
    TCustomForm* form = GetParentForm(control);
    if (form && !form->GetVisible()) return;
    // Nothing of a window that a modal box has put out of reach.
    if (Screen->ModalForm() && form != Screen->ModalForm()) return;
    if (!window_) window_ = factory_(this);
    const AnsiString text = ShortHint(control->GetHint());
    TRect r = window_->CalcHintRect(MaxHintWidth, text);
    // Under the pointer, kept on the screen.
    int left = std::clamp(lastPos_.x, 0, std::max(0, Screen->GetWidth() - r.Width()));
    int top = lastPos_.y + PointerHeight;
    if (top + r.Height() > Screen->GetHeight()) top = std::max(0, lastPos_.y - r.Height());
    window_->ActivateHint(Bounds(left, top, r.Width(), r.Height()), text);
    Wait(hintHidePause_);
}
