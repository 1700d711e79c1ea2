#include "skin/engine/KsSkinHint.h"

#include <algorithm>

#include "skin/controls/SeLabel.h"

TSeSkinObject* TSeSkinHintWindow::FindSkinObject() const {
    TSeSkinEngine* engine = TSeSkinEngine::Current();
    return engine ? engine->FindObject(skinObject_) : nullptr;
}

void TSeSkinHintWindow::SetSkinObject(const AnsiString& Value) {
    if (skinObject_ == Value) return;
    skinObject_ = Value;
    Invalidate();
}

TRect TSeSkinHintWindow::CalcHintRect(int MaxWidth, const AnsiString& Hint) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeHintWindow::CalcHintRect(MaxWidth, Hint);
    TBitmap measure;
    measure.SetSize(1, 1);
    TCanvas* canvas = measure.GetCanvas();
    canvas->SetFont(object->GetFont());
    int width = 0;
    std::vector<AnsiString> lines = WrapLines(canvas, Hint, MaxWidth, true);
    for (const AnsiString& line : lines) width = std::max(width, canvas->TextWidth(line));
    const TRect& m = object->GetMargins();
    const int height = static_cast<int>(lines.size()) * canvas->TextHeight("Ag");
    return Rect(0, 0, width + m.Left + m.Right + 2, height + m.Top + m.Bottom + 2);
}

void TSeSkinHintWindow::Paint() {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeHintWindow::Paint();
    TCanvas* canvas = GetCanvas();
    const TRect r = GetClientRect();
    object->Draw(canvas, r, kssNormal);
    canvas->SetFont(object->GetFont());
    const int lineHeight = canvas->TextHeight("Ag");
    // DrawText keeps the margins inside the rectangle it gets; one line a step lower each time.
    TRect line = r;
    InflateRect(line, -1, -1);
    for (const AnsiString& text : WrapLines(canvas, GetCaption(), object->ContentRect(line).Width(), true)) {
        object->DrawText(canvas, line, text, kssNormal, ksaLeft | ksaTop);
        line.Top += lineHeight;
    }
}
