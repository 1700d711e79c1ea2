// Painting of windowed controls into their backing bitmaps, of graphic
// controls onto their parent's, and canvases drawn on outside a paint.
#include <algorithm>
#include <unordered_map>

#include "platform/gdi/BitmapPixels.h"
#include "platform/host/HostCall.h"
#include "platform/host/WindowSurface.h"

namespace {

std::vector<TControlCanvas*> openCanvases;

// A graphic control draws on a copy of the parent's pixels under it, which
// goes back once it is done: its origin is its top left corner and nothing
// it draws lands outside its bounds.
void LiftRegion(TBitmap* parent, const TRect& bounds, TBitmap* region) {
    region->SetSize(bounds.Width(), bounds.Height());
    CopyBitmapPixels(parent, bounds.Left, bounds.Top, region, 0, 0, bounds.Width(), bounds.Height());
}

void PutRegion(TBitmap* region, TBitmap* parent, const TRect& bounds) {
    CopyBitmapPixels(region, 0, 0, parent, bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

}  // namespace

void ReleaseControlCanvases() {
    auto open = openCanvases;
    for (TControlCanvas* canvas : open) canvas->FreeHandle();
}

namespace {

// Controls waiting for a paint, and whether the pass that paints them is queued.
std::vector<std::pair<TWinControl*, std::weak_ptr<char>>> waiting;
// Where each control stands in waiting, for a quick look-up.
std::unordered_map<TWinControl*, std::size_t> waitingIndex;
bool passQueued = false;

// Paints every control that asked for it and is on screen; the others wait
// until they are shown.
void PaintWaitingControls() {
    passQueued = false;
    auto list = std::move(waiting);
    waiting.clear();
    waitingIndex.clear();
    for (auto& [control, alive] : list)
        if (!alive.expired() && ControlRouting::NeedsPaint(control) && control->GetShowing()) control->Update();
}

void RequestPaint(TWinControl* Control) {
    // A control asking again before the pass (a grid filling its cells) costs
    // nothing; a new control at the address of a freed one takes its place.
    auto [known, added] = waitingIndex.try_emplace(Control, waiting.size());
    if (added) waiting.emplace_back(Control, Control->AliveToken());
    else if (waiting[known->second].second.expired()) waiting[known->second].second = Control->AliveToken();
    if (passQueued) return;
    passQueued = true;
    PostHostPaintCall([] { PaintWaitingControls(); });
}

}  // namespace

void TWinControl::Invalidate() {
    needsPaint_ = true;
    RequestPaint(this);
}

void TWinControl::Repaint() {
    needsPaint_ = true;
    Update();
}

// A paint runs as the host's events do: what it raises goes to the default
// handler. The host widget then shows the new bitmap at once.
void TWinControl::Update() {
    if (!needsPaint_ || !GetShowing()) return;
    std::weak_ptr<char> alive = AliveToken();
    HostCall(this, [this] { Perform(WM_PAINT, 0, 0); });
    if (!alive.expired()) BlitSurface(surface_);
}

void TWinControl::PaintHandler() {
    if (painting_) return;
    ReleaseControlCanvases();
    needsPaint_ = false;
    TRect client = GetClientRect();
    if (buffer_->GetWidth() != client.Width() || buffer_->GetHeight() != client.Height())
        buffer_->SetSize(client.Width(), client.Height());
    if (client.IsEmpty()) return;
    std::weak_ptr<char> alive = AliveToken();
    painting_ = true;
    try {
        HDC dc = buffer_->GetDC();
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        if (!alive.expired()) PaintWindow(dc);
        if (!alive.expired()) PaintControls();
    } catch (...) {
        if (!alive.expired()) painting_ = false;
        throw;
    }
    if (alive.expired()) return;
    painting_ = false;
    auto children = controls_;
    for (TControl* c : children)
        if (auto* w = dynamic_cast<TWinControl*>(c);
            w && std::find(controls_.begin(), controls_.end(), c) != controls_.end())
            w->ParentPainted();
}

void TWinControl::EraseBackground(HDC DC) {
    (void)DC;
    FillBitmapPixels(buffer_, ColorToRGB(GetColor()));
}

void TWinControl::PaintWindow(HDC DC) { (void)DC; }

void TWinControl::PaintControls() {
    std::weak_ptr<char> alive = AliveToken();
    auto children = controls_;
    for (TControl* c : children) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->GetVisible() || std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
        TRect visible;
        if (!IntersectRect(visible, g->GetBoundsRect(), GetClientRect())) continue;
        TRect bounds = g->GetBoundsRect();
        TBitmap* region = g->canvas_->Region();
        LiftRegion(buffer_, bounds, region);
        std::weak_ptr<char> child = g->AliveToken();
        g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(region->GetDC()), 0);
        if (alive.expired()) return;
        if (!child.expired()) PutRegion(region, buffer_, bounds);
    }
}

// ---- TControlCanvas ----------------------------------------------------------

TControlCanvas::TControlCanvas() = default;

TControlCanvas::~TControlCanvas() {
    openCanvases.erase(std::remove(openCanvases.begin(), openCanvases.end(), this), openCanvases.end());
    SetHandle(nullptr);
    delete region_;
}

void TControlCanvas::SetControl(TControl* AControl) {
    FreeHandle();
    control_ = AControl;
}

TBitmap* TControlCanvas::Region() {
    if (!region_) region_ = new TBitmap;
    return region_;
}

void TControlCanvas::CreateHandle() {
    if (!control_) return;
    if (auto* w = dynamic_cast<TWinControl*>(control_)) {
        SetHandle(w->buffer_->GetDC());
    } else {
        TWinControl* parent = control_->GetParent();
        if (!parent) throw EInvalidOperation("Control '" + control_->GetName() + "' has no parent window");
        regionBounds_ = control_->GetBoundsRect();
        LiftRegion(parent->buffer_, regionBounds_, Region());
        SetHandle(region_->GetDC());
    }
    outsidePaint_ = true;
    openCanvases.push_back(this);
}

void TControlCanvas::FreeHandle() {
    if (!outsidePaint_) return;
    outsidePaint_ = false;
    openCanvases.erase(std::remove(openCanvases.begin(), openCanvases.end(), this), openCanvases.end());
    SetHandle(nullptr);
    if (!control_) return;
    if (auto* w = dynamic_cast<TWinControl*>(control_)) {
        ScheduleBlit(w->surface_);
    } else if (TWinControl* parent = control_->GetParent()) {
        PutRegion(region_, parent->buffer_, regionBounds_);
        ScheduleBlit(parent->surface_);
    }
}

// ---- Graphic and custom controls -------------------------------------------------

namespace {
// Points Canvas at DC for the length of one Paint.
template <class PaintFn>
void PaintOn(TCanvas* canvas, HDC dc, PaintFn paint) {
    canvas->SetHandle(dc);
    try {
        paint();
    } catch (...) {
        canvas->SetHandle(nullptr);
        throw;
    }
    canvas->SetHandle(nullptr);
}
}  // namespace

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(new TControlCanvas) {
    canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() { delete canvas_; }

TCanvas* TGraphicControl::GetCanvas() const { return canvas_; }

void TGraphicControl::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_PAINT && Message.WParam) {
        PaintOn(canvas_, reinterpret_cast<HDC>(Message.WParam), [this] { Paint(); });
        return;
    }
    TControl::Dispatch(Message);
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(new TControlCanvas) {
    canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() { delete canvas_; }

TCanvas* TCustomControl::GetCanvas() const { return canvas_; }

void TCustomControl::PaintWindow(HDC DC) {
    PaintOn(canvas_, DC, [this] { Paint(); });
}
