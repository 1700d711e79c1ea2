#include "skin/engine/KsSkinObjects.h"

#include <cmath>
#include <map>
#include <sstream>
#include <string>

namespace {

const char* const kStateNames[kStateCount] = {"normal",   "hot",      "pressed",    "focused",
                                              "disabled", "checked", "checkedhot", "default"};

int BlendChannel(int a, int b, int step, int steps) { return a + (b - a) * step / steps; }

TColor Blend(TColor a, TColor b, int step, int steps) {
    if (steps <= 0) return a;
    return RGB(BlendChannel(GetRValue(a), GetRValue(b), step, steps),
               BlendChannel(GetGValue(a), GetGValue(b), step, steps),
               BlendChannel(GetBValue(a), GetBValue(b), step, steps));
}

// How far a row of a rounded box starts inside its rectangle.
int CornerInset(int radius, int row, int height) {
    int fromEdge = std::min(row, height - 1 - row);
    if (radius <= 0 || fromEdge >= radius) return 0;
    double dy = radius - fromEdge - 0.5;
    return radius - static_cast<int>(std::lround(std::sqrt(std::max(0.0, radius * radius - dy * dy))));
}

bool ParseInts(const AnsiString& Text, int* Out, int Count) {
    std::istringstream in(Text.str());
    for (int i = 0; i < Count; ++i) {
        std::string item;
        if (!(in >> item)) return false;
        if (i < Count - 1 && !item.empty() && item.back() == ',') item.pop_back();
        int v = AnsiString(item).ToIntDef(-1);
        if (v < 0 || v > 1000) return false;
        Out[i] = v;
    }
    std::string rest;
    return !(in >> rest);
}

bool ParseFace(const AnsiString& Text, TColor& Face, TColor& FaceEnd) {
    std::istringstream in(Text.str());
    std::string a, b, rest;
    in >> a >> b >> rest;
    if (!rest.empty()) return false;
    if (!ParseSkinColor(a, Face)) return false;
    FaceEnd = Face;
    return b.empty() || ParseSkinColor(b, FaceEnd);
}

template <class T>
TSeSkinObjectRegistry::Factory Maker() {
    return [] { return std::make_unique<T>(); };
}

std::map<std::string, TSeSkinObjectRegistry::Factory>& Kinds() {
    static std::map<std::string, TSeSkinObjectRegistry::Factory> kinds = {
        {"box", Maker<TSeSkinObject>()},
        {"button", Maker<TSeButtonObject>()},
        {"text", Maker<TSeTextObject>()},
        {"link", Maker<TSeLinkObject>()},
        {"sysbutton", Maker<TSeSystemButtonObject>()},
        {"form", Maker<TSeFormObject>()},
    };
    return kinds;
}

}  // namespace

bool ParseSkinColor(const AnsiString& Text, TColor& Color) {
    if (Text.LowerCase() == "none") {
        Color = clNone;
        return true;
    }
    if (Text.Length() != 7 || Text[1] != '#') return false;
    unsigned value = 0;
    for (int i = 2; i <= 7; ++i) {
        char c = Text[i];
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                : -1;
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    Color = RGB(static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF));
    return true;
}

// ---- TSeSkinObject ---------------------------------------------------------

TSeSkinObject::TSeSkinObject() : font_(new TFont) {
    font_->SetName("Tahoma");
    font_->SetHeight(-11);
}

TSeSkinObject::~TSeSkinObject() { delete font_; }

const TSeStateLook& TSeSkinObject::GetLook(TSeState State) const {
    return hasLook_[State] ? looks_[State] : looks_[kssNormal];
}

void TSeSkinObject::SetLook(TSeState State, const TSeStateLook& Look) {
    looks_[State] = Look;
    hasLook_[State] = true;
}

TRect TSeSkinObject::ContentRect(const TRect& R) const {
    return Rect(R.Left + margins_.Left, R.Top + margins_.Top, R.Right - margins_.Right, R.Bottom - margins_.Bottom);
}

bool TSeSkinObject::ReadParam(const AnsiString& Key, const AnsiString& Value) {
    int dot = Key.Pos(".");
    if (dot > 0) {
        AnsiString state = Key.SubString(1, dot - 1), part = Key.SubString(dot + 1, Key.Length());
        for (int s = 0; s < kStateCount; ++s) {
            if (state != kStateNames[s]) continue;
            TSeStateLook look = GetLook(static_cast<TSeState>(s));
            bool ok = part == "face"     ? ParseFace(Value, look.Face, look.FaceEnd)
                      : part == "border" ? ParseSkinColor(Value, look.Border)
                      : part == "text"   ? ParseSkinColor(Value, look.Text)
                                         : false;
            if (!ok) return false;
            SetLook(static_cast<TSeState>(s), look);
            return true;
        }
        return false;
    }
    if (Key == "radius") return ParseInts(Value, &radius_, 1);
    if (Key == "margins") {
        int m[4];
        if (!ParseInts(Value, m, 4)) return false;
        margins_ = Rect(m[0], m[1], m[2], m[3]);
        return true;
    }
    if (Key == "font") {
        if (Value.IsEmpty()) return false;
        font_->SetName(Value);
        return true;
    }
    if (Key == "fontsize") {
        int size;
        if (!ParseInts(Value, &size, 1) || size == 0) return false;
        font_->SetSize(size);
        return true;
    }
    if (Key == "bold") {
        if (Value != "yes" && Value != "no") return false;
        font_->SetStyle(Value == "yes" ? TFontStyles{fsBold} : TFontStyles());
        return true;
    }
    return false;
}

void TSeSkinObject::FillFace(TCanvas* Canvas, const TRect& R, const TSeStateLook& Look) const {
    if (Look.Face == clNone || R.IsEmpty()) return;
    int h = R.Height();
    TColor end = Look.FaceEnd == clNone ? Look.Face : Look.FaceEnd;
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    for (int row = 0; row < h; ++row) {
        int inset = CornerInset(radius_, row, h);
        Canvas->GetPen()->SetColor(Blend(Look.Face, end, row, h - 1));
        Canvas->MoveTo(R.Left + inset, R.Top + row);
        Canvas->LineTo(R.Right - inset, R.Top + row);
    }
}

void TSeSkinObject::DrawBorder(TCanvas* Canvas, const TRect& R, TColor Color) const {
    if (Color == clNone || R.IsEmpty()) return;
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetColor(Color);
    Canvas->GetBrush()->SetStyle(bsClear);
    if (radius_ > 0)
        Canvas->RoundRect(R.Left, R.Top, R.Right, R.Bottom, radius_ * 2, radius_ * 2);
    else
        Canvas->Rectangle(R);
    Canvas->GetBrush()->SetStyle(bsSolid);
}

void TSeSkinObject::Draw(TCanvas* Canvas, const TRect& R, TSeState State) {
    const TSeStateLook& look = GetLook(State);
    FillFace(Canvas, R, look);
    DrawBorder(Canvas, R, look.Border);
}

void TSeSkinObject::PrepareFont(TCanvas* Canvas, TSeState State) const {
    Canvas->GetFont()->Assign(font_);
    TColor text = GetLook(State).Text;
    Canvas->GetFont()->SetColor(text == clNone ? clBlack : text);
    Canvas->GetBrush()->SetStyle(bsClear);
}

void TSeSkinObject::DrawText(TCanvas* Canvas, const TRect& R, const AnsiString& Text, TSeState State,
                             unsigned Align) {
    if (Text.IsEmpty()) return;
    PrepareFont(Canvas, State);
    TRect box = ContentRect(R);
    TSize size = Canvas->TextExtent(Text);
    int x = box.Left, y = box.Top;
    if (Align & ksaRight) x = box.Right - size.cx;
    else if (Align & ksaCenter) x = box.Left + (box.Width() - size.cx) / 2;
    if (Align & ksaBottom) y = box.Bottom - size.cy;
    else if (Align & ksaVCenter) y = box.Top + (box.Height() - size.cy) / 2;
    Canvas->TextRect(box, x, y, Text);
    Canvas->GetBrush()->SetStyle(bsSolid);
}

// ---- kinds -------------------------------------------------------------------

void TSeTextObject::Draw(TCanvas* Canvas, const TRect& R, TSeState State) {
    (void)Canvas, (void)R, (void)State;
}

void TSeLinkObject::DrawText(TCanvas* Canvas, const TRect& R, const AnsiString& Text, TSeState State,
                             unsigned Align) {
    if (State != kssHot && State != kssPressed) {
        TSeSkinObject::DrawText(Canvas, R, Text, State, Align);
        return;
    }
    TFontStyles plain = GetFont()->GetStyle();
    TFontStyles underlined = plain;
    GetFont()->SetStyle(underlined << fsUnderline);
    TSeSkinObject::DrawText(Canvas, R, Text, State, Align);
    GetFont()->SetStyle(plain);
}

bool TSeSystemButtonObject::ReadParam(const AnsiString& Key, const AnsiString& Value) {
    if (Key == "glyphsize") return ParseInts(Value, &glyphSize_, 1);
    if (Key != "glyph") return TSeSkinObject::ReadParam(Key, Value);
    static const char* const names[] = {"close", "minimize", "maximize", "restore", "rollup", "tray", "sysmenu"};
    for (int i = 0; i < 7; ++i)
        if (Value == names[i]) {
            glyph_ = static_cast<TSeSystemGlyph>(i);
            return true;
        }
    return false;
}

void TSeSystemButtonObject::Draw(TCanvas* Canvas, const TRect& R, TSeState State) {
    DrawGlyphed(Canvas, R, State, glyph_);
}

void TSeSystemButtonObject::DrawGlyphed(TCanvas* Canvas, const TRect& R, TSeState State, TSeSystemGlyph Glyph) {
    TSeSkinObject::Draw(Canvas, R, State);
    TColor text = GetLook(State).Text;
    DrawGlyph(Canvas, R, text == clNone ? clBlack : text, Glyph);
}

void TSeSystemButtonObject::DrawGlyph(TCanvas* Canvas, const TRect& Box, TColor Color, TSeSystemGlyph Glyph) const {
    int s = std::min({glyphSize_, Box.Width() - 2, Box.Height() - 2});
    if (s <= 2) return;
    int l = Box.Left + (Box.Width() - s) / 2, t = Box.Top + (Box.Height() - s) / 2, r = l + s, b = t + s;
    TPen* pen = Canvas->GetPen();
    pen->SetColor(Color);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    auto line = [Canvas](int x1, int y1, int x2, int y2) {
        Canvas->MoveTo(x1, y1);
        Canvas->LineTo(x2, y2);
    };
    Canvas->GetBrush()->SetStyle(bsClear);
    switch (Glyph) {
    case ksgClose:
        line(l, t, r, b), line(l + 1, t, r, b - 1);
        line(r - 1, t, l - 1, b), line(r - 2, t, l - 1, b - 1);
        break;
    case ksgMinimize: line(l, b - 2, r, b - 2), line(l, b - 1, r, b - 1); break;
    case ksgMaximize: Canvas->Rectangle(l, t, r, b), line(l, t + 1, r, t + 1); break;
    case ksgRestore:
        Canvas->Rectangle(l, t + 3, r - 3, b);
        line(l + 3, t, r, t), line(r - 1, t, r - 1, b - 3);
        break;
    case ksgRollUp:
        for (int i = 0; i < s / 2; ++i) line(l + s / 2 - i, t + s / 4 + i, l + s / 2 + i + 1, t + s / 4 + i);
        break;
    case ksgTray: Canvas->Rectangle(l + s / 4, b - 3, r - s / 4, b); break;
    case ksgSysMenu:
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(Color);
        Canvas->FillRect(Rect(l + 1, t + 1, r - 1, b - 1));
        break;
    }
    Canvas->GetBrush()->SetStyle(bsSolid);
}

bool TSeFormObject::ReadParam(const AnsiString& Key, const AnsiString& Value) {
    if (Key == "captionheight") return ParseInts(Value, &captionHeight_, 1);
    if (Key == "borderwidth") return ParseInts(Value, &borderWidth_, 1);
    if (Key == "buttonsize") return ParseInts(Value, &buttonSize_, 1);
    return TSeSkinObject::ReadParam(Key, Value);
}

TRect TSeFormObject::CaptionRect(const TRect& R) const {
    return Rect(R.Left + borderWidth_, R.Top + borderWidth_, R.Right - borderWidth_,
                R.Top + borderWidth_ + captionHeight_);
}

TRect TSeFormObject::ClientRect(const TRect& R) const {
    return Rect(R.Left + borderWidth_, R.Top + borderWidth_ + captionHeight_, R.Right - borderWidth_,
                R.Bottom - borderWidth_);
}

// The border ring in the face's first colour, the caption bar in the
// gradient, and a 1-pixel outline in the border colour.
void TSeFormObject::Draw(TCanvas* Canvas, const TRect& R, TSeState State) {
    const TSeStateLook& look = GetLook(State);
    if (look.Face != clNone) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(look.Face);
        TRect client = ClientRect(R);
        Canvas->FillRect(Rect(R.Left, R.Top, R.Right, R.Top + borderWidth_));
        Canvas->FillRect(Rect(R.Left, client.Bottom, R.Right, R.Bottom));
        Canvas->FillRect(Rect(R.Left, R.Top, client.Left, R.Bottom));
        Canvas->FillRect(Rect(client.Right, R.Top, R.Right, R.Bottom));
        FillFace(Canvas, CaptionRect(R), look);
    }
    DrawBorder(Canvas, R, look.Border);
}

// ---- registry ----------------------------------------------------------------

void TSeSkinObjectRegistry::Register(const AnsiString& Kind, Factory Make) { Kinds()[Kind.LowerCase().str()] = Make; }

std::unique_ptr<TSeSkinObject> TSeSkinObjectRegistry::Create(const AnsiString& Kind) {
    auto known = Kinds().find(Kind.LowerCase().str());
    if (known == Kinds().end()) return nullptr;
    std::unique_ptr<TSeSkinObject> object = known->second();
    object->kind_ = Kind.LowerCase();
    return object;
}
