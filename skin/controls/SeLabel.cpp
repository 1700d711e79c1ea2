#include "skin/controls/SeLabel.h"

#include <algorithm>
#include <string>

#include "skin/controls/SeShared.h"

std::vector<AnsiString> WrapLines(TCanvas* Canvas, const AnsiString& Text, int Width, bool WordWrap) {
    std::vector<AnsiString> lines;
    std::string all = Text.c_str();
    std::size_t start = 0;
    while (true) {
        std::size_t end = all.find('\n', start);
        std::string paragraph = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        std::string line;
        std::size_t pos = 0;
        while (WordWrap && pos < paragraph.size()) {
            std::size_t next = paragraph.find(' ', pos + 1);
            std::string word = paragraph.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
            std::string tried = line + word;
            if (!line.empty() && Canvas->TextWidth(tried.c_str()) > Width) {
                lines.emplace_back(line.c_str());
                line = word.substr(word.find_first_not_of(' ') == std::string::npos ? word.size()
                                                                                      : word.find_first_not_of(' '));
            } else {
                line = tried;
            }
            pos = next == std::string::npos ? paragraph.size() : next;
        }
        lines.emplace_back((WordWrap ? line : paragraph).c_str());
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

TSeCustomLabel::TSeCustomLabel(TComponent* AOwner) : TSeGraphicControl(AOwner) {
    SetTransparent(true);
    SetPerformance(kspNoBuffer);
    SetColor(clBtnFace);
    AdjustBounds();
}

void TSeCustomLabel::SetCaption(const AnsiString& Value) {
    if (Value == GetCaption()) return;
    SetText(Value);  // the text change fits the size and repaints
}

void TSeCustomLabel::SetAutoSize(bool Value) {
    if (Value == autoSize_) return;
    autoSize_ = Value;
    AdjustBounds();
}

void TSeCustomLabel::SetAlignment(TAlignment Value) {
    if (Value == alignment_) return;
    alignment_ = Value;
    Invalidate();
}

void TSeCustomLabel::SetWordWrap(bool Value) {
    if (Value == wordWrap_) return;
    wordWrap_ = Value;
    AdjustBounds();
    Invalidate();
}

std::vector<AnsiString> TSeCustomLabel::Lines(TCanvas* Canvas) const {
    return WrapLines(Canvas, GetCaption(), GetWidth(), wordWrap_);
}

void TSeCustomLabel::AdjustBounds() {
    if (!autoSize_) return;
    TBitmap scratch;
    TCanvas* canvas = scratch.GetCanvas();
    canvas->SetFont(GetFont());
    std::vector<AnsiString> lines = Lines(canvas);
    int width = 0;
    for (const AnsiString& line : lines) width = std::max(width, canvas->TextWidth(line));
    if (wordWrap_) width = GetWidth();
    int height = static_cast<int>(lines.size()) * canvas->TextHeight("Wg");
    // A right-aligned label grows to the left.
    int left = alignment_ == taRightJustify ? GetLeft() + GetWidth() - width : GetLeft();
    SetBounds(left, GetTop(), width, height);
}

void TSeCustomLabel::PaintControl(TCanvas* Canvas, const TRect& R) {
    Canvas->SetFont(GetFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    int lineHeight = Canvas->TextHeight("Wg");
    int y = R.Top;
    for (const AnsiString& line : Lines(Canvas)) {
        int x = AlignedTextX(R, Canvas->TextWidth(line), alignment_);
        if (GetEnabled()) Canvas->TextOut(x, y, line);
        else DrawGrayText(Canvas, x, y, line);
        y += lineHeight;
    }
}

void TSeCustomLabel::Dispatch(TMessage& Message) {
    TSeGraphicControl::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
}

void TSeCustomLabel::MouseEnter() {
    if (OnClick && GetCursor() == crDefault) {
        handShown_ = true;
        SetCursor(crHandPoint);
    }
    TSeGraphicControl::MouseEnter();
}

void TSeCustomLabel::MouseLeave() {
    if (handShown_) {
        handShown_ = false;
        SetCursor(crDefault);
    }
    TSeGraphicControl::MouseLeave();
}
