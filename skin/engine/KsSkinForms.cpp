#include "skin/engine/KsSkinForms.h"

#include <algorithm>

#include "platform/host/TrayIcon.h"

namespace {

enum : int { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8, kCaption = 16 };
// How far from a corner a border press sizes both ways.
constexpr int kCornerGrip = 12;
// Caption buttons from the right edge leftwards.
constexpr TSeBorderIcon kRightButtons[] = {kbiClose, kbiMaximize, kbiMinimize, kbiRollUp, kbiTray};

const TSeSkin& ClassicSkin() {
    static const std::unique_ptr<TSeSkin> skin = [] {
        auto s = std::make_unique<TSeSkin>();
        s->LoadFromText(ClassicSkinText());
        return s;
    }();
    return *skin;
}

const char* GlyphName(TSeBorderIcon Icon) {
    switch (Icon) {
    case kbiClose: return "Close";
    case kbiSystemMenu: return "SysMenu";
    case kbiMinimize: return "Minimize";
    case kbiMaximize: return "Maximize";
    case kbiRollUp: return "RollUp";
    case kbiTray: return "Tray";
    }
    return "";
}

TSeSystemGlyph GlyphOf(TSeBorderIcon Icon, bool Maximized) {
    switch (Icon) {
    case kbiClose: return ksgClose;
    case kbiSystemMenu: return ksgSysMenu;
    case kbiMinimize: return ksgMinimize;
    case kbiMaximize: return Maximized ? ksgRestore : ksgMaximize;
    case kbiRollUp: return ksgRollUp;
    case kbiTray: return ksgTray;
    }
    return ksgClose;
}

}  // namespace

TSeSkinForm::TSeSkinForm(TComponent* AOwner) : TComponent(AOwner), form_(dynamic_cast<TCustomForm*>(AOwner)) {
    if (!form_) throw EComponentError("A skin form must be owned by the form it frames");
    oldWndProc_ = form_->WindowProc;
    form_->WindowProc = TWndMethod(this, &TSeSkinForm::FormWndProc);
    ApplyFrame();
}

TSeSkinForm::~TSeSkinForm() {
    if (engine_) engine_->RemoveFreeNotification(this);
    // While the form itself is being freed there is nothing to give back.
    if (form_->GetComponentState().Contains(csDestroying)) return;
    // Nor is the form left rolled up or hidden with no way back.
    SetRolledUp(false);
    RestoreFromTray();
    form_->WindowProc = oldWndProc_;
    form_->SetFrameInsets(TRect());
    form_->SetHostFrame(true);
}

void TSeSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != engine_) return;
    engine_ = nullptr;
    if (!form_->GetComponentState().Contains(csDestroying)) ApplyFrame();
}

void TSeSkinForm::SetBorderIcons(TSeBorderIcons Value) {
    if (borderIcons_ == Value) return;
    borderIcons_ = Value;
    hot_ = pressed_ = -1;
    form_->Invalidate();
}

void TSeSkinForm::SetSkinEngine(TSeSkinEngine* Value) {
    if (engine_ == Value) return;
    if (engine_) engine_->RemoveFreeNotification(this);
    engine_ = Value;
    if (engine_) engine_->FreeNotification(this);
    ApplyFrame();
}

void TSeSkinForm::SetSkinObject(const AnsiString& Value) {
    if (skinObject_ == Value) return;
    skinObject_ = Value;
    ApplyFrame();
}

// ---- looks and metrics ---------------------------------------------------------

TSeFormObject* TSeSkinForm::FormObject() const {
    TSeSkinEngine* engine = engine_ ? engine_ : TSeSkinEngine::Current();
    if (engine)
        if (auto* o = dynamic_cast<TSeFormObject*>(engine->FindObject(skinObject_))) return o;
    return dynamic_cast<TSeFormObject*>(ClassicSkin().FindObject("Form"));
}

// "<Form>.<Icon>" when the skin has it, else the skin's "<Form>.Button".
TSeSystemButtonObject* TSeSkinForm::ButtonObject(TSeBorderIcon Icon) const {
    TSeSkinEngine* engine = engine_ ? engine_ : TSeSkinEngine::Current();
    if (engine && engine->FindObject(skinObject_)) {
        if (auto* o = dynamic_cast<TSeSystemButtonObject*>(engine->FindObject(skinObject_ + "." + GlyphName(Icon))))
            return o;
        if (auto* o = dynamic_cast<TSeSystemButtonObject*>(engine->FindObject(skinObject_ + ".Button"))) return o;
    }
    return dynamic_cast<TSeSystemButtonObject*>(ClassicSkin().FindObject("Form.Button"));
}

TSeSkinForm::Metrics TSeSkinForm::GetMetrics() const {
    TSeFormObject* o = FormObject();
    return {o->GetCaptionHeight(), o->GetBorderWidth(), o->GetButtonSize()};
}

void TSeSkinForm::ApplyFrame() {
    Metrics m = GetMetrics();
    // The window's own background follows the skin, so that the controls on
    // it sit on the skin's colour rather than the classic grey.
    TSeSkinEngine* engine = engine_ ? engine_ : TSeSkinEngine::Current();
    if (TSeSkinObject* client = engine ? engine->FindObject(skinObject_ + ".Client") : nullptr) {
        if (client->GetLook(kssNormal).Face != clNone) form_->SetColor(client->GetLook(kssNormal).Face);
    }
    form_->SetHostFrame(false);
    form_->SetFrameInsets(Rect(m.Border, m.Border + m.Caption, m.Border, m.Border));
    if (rolledUp_) form_->SetHeight(m.Border + m.Caption);
    form_->Invalidate();
}

TRect TSeSkinForm::GetCaptionRect() const {
    Metrics m = GetMetrics();
    return Rect(m.Border, m.Border, form_->GetWidth() - m.Border, m.Border + m.Caption);
}

TRect TSeSkinForm::GetButtonRect(TSeBorderIcon Icon) const {
    if (!borderIcons_.Contains(Icon)) return TRect();
    Metrics m = GetMetrics();
    TRect caption = GetCaptionRect();
    int top = caption.Top + (m.Caption - m.Button) / 2;
    if (Icon == kbiSystemMenu) return Bounds(caption.Left + 2, top, m.Button, m.Button);
    int right = caption.Right - 2;
    for (TSeBorderIcon i : kRightButtons) {
        if (!borderIcons_.Contains(i)) continue;
        if (i == Icon) return Rect(right - m.Button, top, right, top + m.Button);
        right -= m.Button + 2;
    }
    return TRect();
}

int TSeSkinForm::ButtonAt(TPoint P) const {
    for (int i = kbiClose; i <= kbiTray; ++i)
        if (GetButtonRect(static_cast<TSeBorderIcon>(i)).Contains(P)) return i;
    return -1;
}

int TSeSkinForm::ZoneAt(TPoint P) const {
    Metrics m = GetMetrics();
    int w = form_->GetWidth(), h = form_->GetHeight();
    if (P.x < 0 || P.y < 0 || P.x >= w || P.y >= h) return 0;
    bool left = P.x < m.Border, right = P.x >= w - m.Border, top = P.y < m.Border, bottom = P.y >= h - m.Border;
    if (!left && !right && !top && !bottom) return GetCaptionRect().Contains(P) ? kCaption : 0;
    if (maximized_) return kCaption;
    int zone = (left ? kLeft : 0) | (right ? kRight : 0) | (top ? kTop : 0) | (bottom ? kBottom : 0);
    // Near a corner the border sizes both ways.
    if (top || bottom) zone |= P.x < kCornerGrip ? kLeft : P.x >= w - kCornerGrip ? kRight : 0;
    if (left || right) zone |= P.y < kCornerGrip ? kTop : P.y >= h - kCornerGrip ? kBottom : 0;
    // Rolled up, only the width changes; the rest of the strip moves it.
    if (rolledUp_) zone = (zone & (kLeft | kRight)) ? zone & (kLeft | kRight) : kCaption;
    return zone;
}

// ---- messages --------------------------------------------------------------------

void TSeSkinForm::FormWndProc(TMessage& Message) {
    TPoint p(MousePosX(Message.LParam), MousePosY(Message.LParam));
    switch (Message.Msg) {
    case WM_PAINT: {
        std::weak_ptr<char> alive = form_->AliveToken();
        oldWndProc_(Message);
        if (!alive.expired()) PaintFrame();
        return;
    }
    case WM_LBUTTONDBLCLK:
        // A double click on the caption rolls the form up and down again.
        if (ButtonAt(p) < 0 && ZoneAt(p) == kCaption && (rolledUp_ || borderIcons_.Contains(kbiRollUp))) {
            SetRolledUp(!rolledUp_);
            return;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (ButtonAt(p) < 0 && ZoneAt(p) == 0) break;
        MouseDown(p);
        return;
    case WM_MOUSEMOVE:
        if (dragZone_ == 0 && pressed_ < 0 && ButtonAt(p) < 0 && ZoneAt(p) == 0) {
            SetHot(-1);
            break;
        }
        MouseMove(p);
        return;
    case WM_LBUTTONUP:
        if (dragZone_ == 0 && pressed_ < 0) break;
        MouseUp(p);
        return;
    case CM_MOUSELEAVE: SetHot(-1); break;
    case WMSkinChange: ApplyFrame(); break;
    case CM_TEXTCHANGED:
    case CM_ACTIVATE:
    case CM_DEACTIVATE: form_->Invalidate(); break;
    default: break;
    }
    oldWndProc_(Message);
}

void TSeSkinForm::MouseDown(TPoint P) {
    form_->SetMouseCapture(true);
    int button = ButtonAt(P);
    if (button >= 0) {
        pressed_ = hot_ = button;
        form_->Invalidate();
        return;
    }
    dragZone_ = ZoneAt(P);
    dragStart_ = form_->ClientToScreen(P);
    dragBounds_ = form_->GetBoundsRect();
}

void TSeSkinForm::MouseMove(TPoint P) {
    if (pressed_ >= 0) {
        SetHot(ButtonAt(P) == pressed_ ? pressed_ : -1);
        return;
    }
    if (dragZone_ == 0) {
        SetHot(ButtonAt(P));
        int zone = ZoneAt(P);
        bool we = zone & (kLeft | kRight), ns = zone & (kTop | kBottom);
        bool nwse = ((zone & kLeft) && (zone & kTop)) || ((zone & kRight) && (zone & kBottom));
        form_->SetCursor(we && ns ? (nwse ? crSizeNWSE : crSizeNESW) : we ? crSizeWE : ns ? crSizeNS : crDefault);
        return;
    }
    TPoint screen = form_->ClientToScreen(P);
    int dx = screen.x - dragStart_.x, dy = screen.y - dragStart_.y;
    TRect r = dragBounds_;
    if (dragZone_ == kCaption) {
        OffsetRect(r, dx, dy);
    } else {
        Metrics m = GetMetrics();
        int minWidth = 2 * m.Border + 4 * m.Button, minHeight = 2 * m.Border + m.Caption;
        if (dragZone_ & kLeft) r.Left = std::min(r.Left + dx, r.Right - minWidth);
        if (dragZone_ & kRight) r.Right = std::max(r.Right + dx, r.Left + minWidth);
        if (dragZone_ & kTop) r.Top = std::min(r.Top + dy, r.Bottom - minHeight);
        if (dragZone_ & kBottom) r.Bottom = std::max(r.Bottom + dy, r.Top + minHeight);
    }
    form_->SetBoundsRect(r);
}

void TSeSkinForm::MouseUp(TPoint P) {
    form_->SetMouseCapture(false);
    dragZone_ = 0;
    int pressed = pressed_;
    pressed_ = -1;
    form_->Invalidate();
    // Last: closing may free the form and this component with it.
    if (pressed >= 0 && ButtonAt(P) == pressed) Press(static_cast<TSeBorderIcon>(pressed));
}

void TSeSkinForm::SetHot(int Value) {
    if (hot_ == Value) return;
    hot_ = Value;
    form_->Invalidate();
}

void TSeSkinForm::Press(TSeBorderIcon Icon) {
    hot_ = -1;
    switch (Icon) {
    case kbiClose: form_->Close(); break;
    case kbiMinimize: form_->Minimize(); break;
    case kbiMaximize: SetMaximized(!maximized_); break;
    case kbiRollUp: SetRolledUp(!rolledUp_); break;
    case kbiTray: HideToTray(); break;
    case kbiSystemMenu: break;
    }
}

// ---- window states ------------------------------------------------------------

void TSeSkinForm::SetMaximized(bool Value) {
    if (maximized_ == Value) return;
    if (Value) {
        if (rolledUp_) SetRolledUp(false);
        restoreBounds_ = form_->GetBoundsRect();
        maximized_ = true;
        form_->SetBounds(0, 0, Screen->GetWidth(), Screen->GetHeight());
    } else {
        maximized_ = false;
        form_->SetBoundsRect(restoreBounds_);
    }
    form_->Invalidate();
}

// The strip is the caption bar and the frame's top edge; the form then has
// no client area, and its aligned controls wait below, out of sight.
void TSeSkinForm::SetRolledUp(bool Value) {
    if (rolledUp_ == Value) return;
    rolledUp_ = Value;
    if (Value) {
        unrolledHeight_ = form_->GetHeight();
        form_->SetHeight(GetCaptionRect().Bottom);
    } else {
        form_->SetHeight(unrolledHeight_);
    }
    form_->Invalidate();
}

void TSeSkinForm::HideToTray() {
    if (inTray_) return;
    if (!TTrayIcon::Available()) {
        form_->Minimize();
        return;
    }
    if (!trayIcon_) {
        trayIcon_ = std::make_unique<TTrayIcon>();
        trayIcon_->OnRestore = [this] { RestoreFromTray(); };
        trayIcon_->OnExit = [this] { ExitFromTray(); };
    }
    trayIcon_->SetHint(form_->GetCaption());
    trayIcon_->SetVisible(true);
    inTray_ = true;
    form_->Hide();
}

void TSeSkinForm::RestoreFromTray() {
    if (!inTray_) return;
    inTray_ = false;
    trayIcon_->SetVisible(false);
    form_->Show();
}

void TSeSkinForm::ExitFromTray() {
    RestoreFromTray();
    form_->Close();
}

// ---- painting -----------------------------------------------------------------

void TSeSkinForm::PaintFrame() {
    TCanvas* canvas = form_->GetCanvas();
    TSeFormObject* look = FormObject();
    TSeState state = form_->GetActive() ? kssNormal : kssDisabled;
    look->Draw(canvas, Rect(0, 0, form_->GetWidth(), form_->GetHeight()), state);

    TRect text = GetCaptionRect();
    text.Left += 4;
    if (borderIcons_.Contains(kbiSystemMenu)) text.Left = GetButtonRect(kbiSystemMenu).Right + 4;
    for (TSeBorderIcon i : kRightButtons)
        if (borderIcons_.Contains(i)) text.Right = std::min(text.Right, GetButtonRect(i).Left - 4);
    look->DrawText(canvas, text, form_->GetCaption(), state, ksaLeft | ksaVCenter);

    for (int i = kbiClose; i <= kbiTray; ++i) {
        auto icon = static_cast<TSeBorderIcon>(i);
        if (!borderIcons_.Contains(icon)) continue;
        TSeState s = pressed_ == i && hot_ == i ? kssPressed : hot_ == i ? kssHot : kssNormal;
        if (state == kssDisabled && s == kssNormal) s = kssDisabled;
        ButtonObject(icon)->DrawGlyphed(canvas, GetButtonRect(icon), s, GlyphOf(icon, maximized_));
    }
    if (auto* control = dynamic_cast<TControlCanvas*>(canvas)) control->FreeHandle();
}
