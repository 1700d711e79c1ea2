// Drawing, pinning and hit-testing the marks of a series.
#include "chart/series/TeEngineSeriesMarks.h"

#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"

bool TeeCheckMarkArrowColor = true;

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition* Source) {
    ArrowFrom = Source->ArrowFrom;
    ArrowTo = Source->ArrowTo;
    LeftTop = Source->LeftTop;
    Height = Source->Height;
    Width = Source->Width;
}

// ---- Positions ----------------------------------------------------------------

TSeriesMarkPosition* TSeriesMarksPositions::GetPosition(int Index) const {
    const auto found = items_.find(Index);
    return found == items_.end() ? nullptr : found->second;
}

TSeriesMarkPosition* TSeriesMarksPositions::Ensure(int Index) {
    TSeriesMarkPosition*& slot = items_[Index];
    if (!slot) slot = new TSeriesMarkPosition;
    return slot;
}

void TSeriesMarksPositions::SetPosition(int Index, const TSeriesMarkPosition* APosition) {
    if (Index < 0) return;
    TSeriesMarkPosition* p = Ensure(Index);
    p->Custom = true;
    p->Assign(APosition);
}

void TSeriesMarksPositions::Automatic(int Index) {
    if (TSeriesMarkPosition* p = GetPosition(Index)) p->Custom = false;
}

bool TSeriesMarksPositions::AnyPinned() const {
    for (const auto& item : items_)
        if (item.second->Custom) return true;
    return false;
}

void TSeriesMarksPositions::Clear() {
    for (auto& item : items_) delete item.second;
    items_.clear();
}

// ---- Marks ------------------------------------------------------------------------

TSeriesMarks::TSeriesMarks(TChartSeries* AOwner)
    : series_(AOwner),
      arrow_(new TChartArrowPen(TNotifyEvent(this, &TSeriesMarks::Changed))),
      frame_(new TChartPen(TNotifyEvent(this, &TSeriesMarks::Changed))),
      font_(new TFont) {
    font_->OnChange = TNotifyEvent(this, &TSeriesMarks::Changed);
}

TSeriesMarks::~TSeriesMarks() {
    delete font_;
    delete frame_;
    delete arrow_;
}

void TSeriesMarks::Changed(TObject*) { series_->Repaint(); }

void TSeriesMarks::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TSeriesMarks*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    arrow_->Assign(source->arrow_);
    arrowLength_ = source->arrowLength_;
    backColor_ = source->backColor_;
    transparent_ = source->transparent_;
    clip_ = source->clip_;
    frame_->Assign(source->frame_);
    font_->Assign(source->font_);
    style_ = source->style_;
    visible_ = source->visible_;
    series_->Repaint();
}

void TSeriesMarks::SetProperty(bool& Variable, bool Value) {
    if (TeeStoreChanged(Variable, Value)) series_->Repaint();
}

void TSeriesMarks::SetArrowLength(int Value) {
    if (TeeStoreChanged(arrowLength_, Value)) series_->Repaint();
}

void TSeriesMarks::SetBackColor(TColor Value) {
    if (TeeStoreChanged(backColor_, Value)) series_->Repaint();
}

void TSeriesMarks::SetTransparent(bool Value) { SetProperty(transparent_, Value); }
void TSeriesMarks::SetClip(bool Value) { SetProperty(clip_, Value); }
void TSeriesMarks::SetVisible(bool Value) { SetProperty(visible_, Value); }

void TSeriesMarks::SetStyle(TSeriesMarksStyle Value) {
    if (TeeStoreChanged(style_, Value)) series_->Repaint();
}

void TSeriesMarks::UsePosition(int Index, TSeriesMarkPosition& APosition) {
    if (Index < 0) return;
    TSeriesMarkPosition* record = positions_.Ensure(Index);
    if (record->Custom)
        APosition.Assign(record);
    else
        record->Assign(&APosition);
}

void TSeriesMarks::Draw(int Index, TColor AColor, const AnsiString& St, TSeriesMarkPosition& APosition) {
    TCustomAxisPanel* chart = series_->GetParentChart();
    if (!chart) return;
    UsePosition(Index, APosition);
    TCanvas3D* canvas = chart->GetCanvas();
    const bool is3D = chart->GetView3D();
    if (arrow_->GetVisible()) {
        canvas->AssignVisiblePen(arrow_);
        canvas->GetBrush()->SetStyle(bsClear);
        const TColor pen = canvas->GetPen()->GetColor();
        if (TeeCheckMarkArrowColor && (pen == AColor || pen == chart->GetColor()))
            canvas->GetPen()->SetColor(chart->GetColor() == clBlack ? clWhite : clBlack);
        if (is3D) {
            canvas->MoveTo3D(APosition.ArrowFrom.x, APosition.ArrowFrom.y, ZPosition);
            canvas->LineTo3D(APosition.ArrowTo.x, APosition.ArrowTo.y, ZPosition);
        } else {
            canvas->Line(APosition.ArrowFrom.x, APosition.ArrowFrom.y, APosition.ArrowTo.x, APosition.ArrowTo.y);
        }
    }
    const bool text3D = canvas->GetSupports3DText();
    TSeriesMarkPosition box;
    box.Assign(&APosition);
    const TRect seen = SeenBounds(canvas, is3D, APosition);
    box.LeftTop = TPoint(seen.Left, seen.Top);
    if (frame_->GetVisible() || !transparent_) {
        canvas->GetBrush()->SetColor(backColor_);
        canvas->GetBrush()->SetStyle(transparent_ ? bsClear : bsSolid);
        canvas->AssignVisiblePen(frame_);
        if (is3D && text3D)
            canvas->RectangleWithZ(box.Bounds(), ZPosition + 1);
        else
            canvas->DoRectangle(box.Bounds());
        if (frame_->GetVisible()) box.LeftTop.y += frame_->GetWidth();
    }
    DrawText(canvas, box, St);
}

TRect TSeriesMarks::SeenBounds(TCanvas3D* Canvas, bool Is3D, const TSeriesMarkPosition& APosition) const {
    TRect r = APosition.Bounds();
    if (Is3D && !Canvas->GetSupports3DText()) {
        // The box goes where the anchor is seen, keeping its offset from it.
        const TPoint seen = Canvas->Calculate3DPosition(APosition.ArrowTo.x, APosition.ArrowTo.y, ZPosition);
        OffsetRect(r, seen.x - APosition.ArrowTo.x, seen.y - APosition.ArrowTo.y);
    }
    return r;
}

void TSeriesMarks::DrawText(TCanvas3D* Canvas, const TSeriesMarkPosition& APosition, const AnsiString& St) {
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->SetTextAlign(TA_CENTER | TA_TOP);
    const int x = APosition.LeftTop.x + APosition.Width / 2;
    const bool text3D = Canvas->GetSupports3DText();
    const int lineHeight = Canvas->FontHeight();
    int y = APosition.LeftTop.y;
    auto drawLine = [&](const AnsiString& Line) {
        if (text3D)
            Canvas->TextOut3D(x, y, ZPosition, Line);
        else
            Canvas->TextOut(x, y, Line);
        y += lineHeight;
    };
    const std::string& text = St.str();
    std::size_t start = 0;
    for (std::size_t sep = text.find(TeeLineSeparator); sep != std::string::npos;
         sep = text.find(TeeLineSeparator, start)) {
        drawLine(AnsiString(text.substr(start, sep - start)));
        start = sep + 1;
    }
    if (start < text.size()) drawLine(AnsiString(text.substr(start, 255)));
    Canvas->SetTextAlign(TA_LEFT | TA_TOP);
}

int TSeriesMarks::Clicked(int X, int Y) {
    if (TCustomAxisPanel* chart = series_->GetParentChart()) chart->GetCanvas()->Calculate2DPosition(X, Y, ZPosition);
    const TPoint p(X, Y);
    for (const auto& [index, record] : positions_.items_)
        if (PtInRect(record->Bounds(), p)) return index;
    return -1;
}
