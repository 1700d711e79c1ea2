// The title above the plot and the foot below it: lines of text in a
// block that takes its height from the chart rectangle.
#include <algorithm>

#include "chart/control/Chart.h"
#include "chart/utils/TeeProcs.h"

int TeeTitleFootDistance = 5;

TChartTitle::TChartTitle(TCustomChart* AOwner) : TChartFontObject(AOwner), chart_(AOwner) {
    const TNotifyEvent changed(static_cast<TCustomTeePanel*>(chart_), &TCustomTeePanel::CanvasChanged);
    GetFont()->SetColor(clBlue);
    brush_ = new TChartBrush(changed);
    frame_ = new TChartHiddenPen(changed);
    text_ = new TStringList();
    text_->OnChange = TNotifyEvent(this, &TChartTitle::TextChanged);
}

TChartTitle::~TChartTitle() {
    delete brush_;
    delete frame_;
    delete text_;
}

void TChartTitle::TextChanged(TObject*) { chart_->CanvasChanged(this); }

void TChartTitle::Assign(TPersistent* Source) {
    if (auto* title = dynamic_cast<TChartTitle*>(Source)) {
        adjustFrame_ = title->adjustFrame_;
        alignment_ = title->alignment_;
        brush_->Assign(title->brush_);
        color_ = title->color_;
        frame_->Assign(title->frame_);
        text_->Assign(title->text_);
        visible_ = title->visible_;
    }
    TChartFontObject::Assign(Source);
}

void TChartTitle::SetAdjustFrame(bool Value) { chart_->SetBooleanProperty(adjustFrame_, Value); }
void TChartTitle::SetColor(TColor Value) { chart_->SetColorProperty(color_, Value); }
void TChartTitle::SetVisible(bool Value) { chart_->SetBooleanProperty(visible_, Value); }

void TChartTitle::SetAlignment(TAlignment Value) {
    if (TeeStoreChanged(alignment_, Value)) Repaint();
}

bool TChartTitle::Clicked(int X, int Y) const { return visible_ && PtInRect(titleRect_, TPoint(X, Y)); }

bool TChartTitle::IsFontStored() const {
    const TFont* f = GetFont();
    return f->GetName() != GetDefaultFontName() || f->GetSize() != GetDefaultFontSize() || f->GetColor() != clBlue ||
           f->GetStyle() != TFontStyles();
}

// A plain brush of a colour of its own becomes the title's colour.
void TChartTitle::PrepareBackground(TCanvas3D* Canvas) {
    TBrush* brush = Canvas->GetBrush();
    if (color_ == DefaultPointColor) {
        if (brush_->GetStyle() != bsSolid) {
            brush->Assign(brush_);
            Canvas->SetBackMode(cbmTransparent);
        } else if (brush_->GetColor() == DefaultPointColor) {
            brush->SetStyle(bsClear);
        } else {
            SetColor(brush_->GetColor());
            brush->SetStyle(bsSolid);
            brush->SetColor(color_);
        }
    } else if (brush_->GetStyle() != bsSolid) {
        brush->Assign(brush_);
        Canvas->SetBackMode(cbmOpaque);
        Canvas->SetBackColor(color_);
    } else {
        brush->SetStyle(bsSolid);
        brush->SetColor(color_);
    }
}

void TChartTitle::Draw(bool OnTop) {
    TCanvas3D* canvas = chart_->GetCanvas();
    chart_->FontCanvas(GetFont());
    const int h = canvas->FontHeight();
    PrepareBackground(canvas);
    const bool framed = frame_->GetVisible() && frame_->GetColor() != DefaultPointColor;
    const int fw = framed ? frame_->GetWidth() : 0;
    const int lines = text_->GetCount();
    const TRect chartRect = chart_->GetChartRect();
    int left = chartRect.Left + fw, right = chartRect.Right - fw;
    int top = 0, bottom = 0, edge = 0;
    if (OnTop) {
        top = chartRect.Top + fw;
        edge = top - 5;
        titleRect_ = TRect(left, top, right, top + h * lines);
    } else {
        bottom = chartRect.Bottom - fw;
        edge = bottom + 5;
        titleRect_ = TRect(left, bottom - h * lines, right, bottom);
    }
    if (framed)
        canvas->AssignVisiblePen(frame_);
    else
        canvas->GetPen()->SetStyle(psClear);
    InflateRect(titleRect_, fw, fw);
    const int wWidth = canvas->TextWidth("W");
    if (framed || canvas->GetBrush()->GetStyle() != bsClear) {
        if (adjustFrame_) {
            int widest = 0;
            for (int i = 0; i < lines; ++i) widest = std::max(widest, canvas->TextWidth(text_->GetStrings(i)));
            const int width = widest + wWidth;
            if (alignment_ == taLeftJustify) {
                titleRect_.Right = titleRect_.Left + width;
            } else if (alignment_ == taRightJustify) {
                titleRect_.Left = titleRect_.Right - width;
            } else {
                const int centre = (titleRect_.Left + titleRect_.Right) / 2;
                titleRect_.Left = centre - width / 2;
                titleRect_.Right = centre + width / 2;
            }
        }
        canvas->DoRectangle(titleRect_);
    }
    canvas->SetBackMode(cbmTransparent);
    const bool rotating = canvas->GetSupportsFullRotation();
    for (int n = 0; n < lines; ++n) {
        // The title writes downwards from its first line, the foot upwards
        // from its last.
        const AnsiString line = text_->GetStrings(OnTop ? n : lines - 1 - n);
        int y;
        if (OnTop) {
            y = top;
            edge = top + h;
            top = edge;
        } else {
            y = bottom - h;
            edge = y;
            bottom = y;
        }
        const int tw = canvas->TextWidth(line);
        int x;
        if (alignment_ == taLeftJustify)
            x = left + wWidth / 2;
        else if (alignment_ == taRightJustify)
            x = right - tw - wWidth / 2;
        else
            x = (left + right) / 2 - tw / 2;
        if (rotating)
            canvas->TextOut3D(x, y, 0, line);
        else
            canvas->TextOut(x, y, line);
    }
    TRect r = chart_->GetChartRect();
    if (OnTop)
        r.Top = edge + fw + TeeTitleFootDistance;
    else
        r.Bottom = edge - fw - TeeTitleFootDistance;
    chart_->SetChartRect(r);
    chart_->ReCalcWidthHeight();
}
