// A series in a form stream: its published properties and those of its X
// and Y lists, marks and marker, what it stores beside them ("DataSources",
// "Identifier", "Style"), its chart as the place it is stored in, its
// function stored inside it, and the sources named in the stream taken up
// once loading ends. The points themselves are not stored: a series is
// filled by the program or from its sources.
#include "chart/control/ChartClasses.h"
#include "chart/functions/TeEngineFunction.h"
#include "chart/messages/TeeConst.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/series/TeEngineSeriesPointer.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

constexpr int StyleMembers = tssHideDataSource + 1;

int StyleBits(TChartSeriesStyle Style) {
    int bits = 0;
    for (int i = 0; i < StyleMembers; ++i)
        if (Style.Contains(static_cast<TChartSeriesStyleMember>(i))) bits |= 1 << i;
    return bits;
}

// Bits past the last member are no style of this library and are dropped.
TChartSeriesStyle StyleOfBits(int Bits) {
    TChartSeriesStyle style;
    for (int i = 0; i < StyleMembers; ++i)
        if (Bits & (1 << i)) style << static_cast<TChartSeriesStyleMember>(i);
    return style;
}

// Whether Series takes points from Source, directly or through others.
bool DependsOn(const TChartSeries* Series, const TChartSeries* Source) {
    std::vector<const TChartSeries*> pending{Series}, seen;
    while (!pending.empty()) {
        const TChartSeries* s = pending.back();
        pending.pop_back();
        if (std::find(seen.begin(), seen.end(), s) != seen.end()) continue;
        seen.push_back(s);
        for (TComponent* c : s->GetDataSources()) {
            if (c == Source) return true;
            if (auto* sourceSeries = dynamic_cast<const TChartSeries*>(c)) pending.push_back(sourceSeries);
        }
    }
    return false;
}

// A font that is still what a new font is.
bool IsNewFont(TFont* AFont) {
    const TFont fresh;
    return AFont->GetName() == fresh.GetName() && AFont->GetHeight() == fresh.GetHeight() &&
           AFont->GetColor() == fresh.GetColor() && AFont->GetStyle() == fresh.GetStyle() &&
           AFont->GetPitch() == fresh.GetPitch();
}

}  // namespace

void RegisterSeriesBaseClasses() {
    TPublishedClassRegistrar<TChartValueList, void>("TChartValueList", [](auto& p) {
        // The date-time flag and the order have no one default: series types
        // start their lists differently.
        p.Boolean("DateTime", &TChartValueList::GetDateTime, &TChartValueList::SetDateTime)
            .String("Name", &TChartValueList::GetName, &TChartValueList::SetName)
            .Float("Multiplier", &TChartValueList::GetMultiplier, &TChartValueList::SetMultiplier)
            .StoredWhen([](TChartValueList* l) { return l->GetMultiplier() != 1; })
            .Enumeration("Order", &TChartValueList::GetOrder, &TChartValueList::SetOrder,
                         {"loNone", "loAscending", "loDescending"})
            .String("ValueSource", &TChartValueList::GetValueSource, &TChartValueList::SetValueSource);
    });
    TPublishedClassRegistrar<TSeriesMarks, void>("TSeriesMarks", [](auto& p) {
        using M = TSeriesMarks;
        // Series types start with marks of their own length and visibility.
        p.Object("Arrow", &M::GetArrow)
            .Integer("ArrowLength", &M::GetArrowLength, &M::SetArrowLength)
            .Integer("BackColor", &M::GetBackColor, &M::SetBackColor, 0x80FFFF)
            .Boolean("Clip", &M::GetClip, &M::SetClip, false)
            .Object("Font", &M::GetFont)
            .StoredWhen([](M* m) { return !IsNewFont(m->GetFont()); })
            .Object("Frame", &M::GetFrame)
            .Enumeration("Style", &M::GetStyle, &M::SetStyle,
                         {"smsValue", "smsPercent", "smsLabel", "smsLabelPercent", "smsLabelValue", "smsLegend",
                          "smsPercentTotal", "smsLabelPercentTotal", "smsXValue"},
                         smsLabel)
            .Boolean("Transparent", &M::GetTransparent, &M::SetTransparent, false)
            .Boolean("Visible", &M::GetVisible, &M::SetVisible);
    });
    TPublishedClassRegistrar<TSeriesPointer, void>("TSeriesPointer", [](auto& p) {
        using P = TSeriesPointer;
        // Series types start with markers shown or hidden, flat or deep.
        p.Object("Brush", &P::GetBrush)
            .Boolean("Dark3D", &P::GetDark3D, &P::SetDark3D, true)
            .Boolean("Draw3D", &P::GetDraw3D, &P::SetDraw3D)
            .Integer("HorizSize", &P::GetHorizSize, &P::SetHorizSize, 4)
            .Boolean("InflateMargins", &P::GetInflateMargins, &P::SetInflateMargins, true)
            .Object("Pen", &P::GetPen)
            .Enumeration("Style", &P::GetStyle, &P::SetStyle,
                         {"psRectangle", "psCircle", "psTriangle", "psDownTriangle", "psCross", "psDiagCross",
                          "psStar", "psDiamond", "psSmallDot"},
                         psRectangle)
            .Integer("VertSize", &P::GetVertSize, &P::SetVertSize, 4)
            .Boolean("Visible", &P::GetVisible, &P::SetVisible);
    });
    TPublishedClassRegistrar<TChartSeries, TComponent>("TChartSeries", [](auto& p) {
        p.Boolean("Active", &TChartSeries::GetActive, &TChartSeries::SetActive, true)
            .Integer("SeriesColor", &TChartSeries::GetSeriesColor, &TChartSeries::SetSeriesColor)
            .Boolean("ColorEachPoint", &TChartSeries::GetColorEachPoint, &TChartSeries::SetColorEachPoint, false)
            .String("ColorSource", &TChartSeries::GetColorSource, &TChartSeries::SetColorSource)
            .Integer("Cursor", &TChartSeries::GetCursor, &TChartSeries::SetCursor, 0)
            // More than one source goes into "DataSources" instead.
            .Component("DataSource", &TChartSeries::GetDataSource, &TChartSeries::SetDataSource)
            .StoredWhen([](TChartSeries* s) { return s->GetDataSources().size() == 1; })
            .Object("Marks", &TChartSeries::GetMarks)
            .String("XLabelsSource", &TChartSeries::GetXLabelsSource, &TChartSeries::SetLabelsSource)
            .String("PercentFormat", &TChartSeries::GetPercentFormat, &TChartSeries::SetPercentFormat)
            .StoredWhen([](TChartSeries* s) { return s->GetPercentFormat() != TeeMsgText(TeeMsg_DefPercentFormat); })
            .Boolean("ShowInLegend", &TChartSeries::GetShowInLegend, &TChartSeries::SetShowInLegend, true)
            .String("Title", &TChartSeries::GetTitle, &TChartSeries::SetTitle)
            .String("ValueFormat", &TChartSeries::GetValueFormat, &TChartSeries::SetValueFormat)
            .StoredWhen([](TChartSeries* s) { return s->GetValueFormat() != TeeMsgText(TeeMsg_DefValueFormat); })
            .Object("XValues", &TChartSeries::GetXValues)
            .Object("YValues", &TChartSeries::GetYValues)
            .Enumeration("HorizAxis", &TChartSeries::GetHorizAxis, &TChartSeries::SetHorizAxis,
                         {"aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis"}, aBottomAxis)
            .Enumeration("VertAxis", &TChartSeries::GetVertAxis, &TChartSeries::SetVertAxis,
                         {"aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis"}, aLeftAxis);
    });
}

TComponent* TChartSeries::GetParentComponent() const { return parentChart_; }

void TChartSeries::SetParentComponent(TComponent* Value) {
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(Value)) SetParentChart(chart);
}

void TChartSeries::GetChildren(const TGetChildProc& Proc, TComponent*) {
    if (function_) Proc(function_);
}

void TChartSeries::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    Filer->DefineProperty(
        "DataSources",
        [this](TReader* Reader) {
            pendingSources_.clear();
            Reader->ReadListBegin();
            while (!Reader->EndOfList()) pendingSources_.push_back(Reader->ReadString());
            Reader->ReadListEnd();
        },
        [this](TWriter* Writer) {
            Writer->WriteListBegin();
            for (TComponent* c : dataSources_) Writer->WriteString(c->GetName());
            Writer->WriteListEnd();
        },
        dataSources_.size() > 1);
    Filer->DefineProperty(
        "Identifier", [this](TReader* Reader) { identifier_ = Reader->ReadString(); },
        [this](TWriter* Writer) { Writer->WriteString(identifier_); }, !identifier_.IsEmpty());
    Filer->DefineProperty(
        "Style", [this](TReader* Reader) { style_ = StyleOfBits(Reader->ReadInteger()); },
        [this](TWriter* Writer) { Writer->WriteInteger(StyleBits(style_)); }, !style_.Empty());
}

void TChartSeries::Loaded() {
    TComponent::Loaded();
    if (!pendingSources_.empty()) {
        DropDataSources();
        TComponent* owner = GetOwner();
        for (const AnsiString& name : pendingSources_) {
            TComponent* source = owner ? owner->FindComponent(name) : nullptr;
            // A name that finds nothing is skipped, and so is one that would
            // make changes go round for ever: this series itself, a source
            // named twice, or one that feeds on this series.
            if (!source || source == this) continue;
            if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end()) continue;
            if (auto* s = dynamic_cast<TChartSeries*>(source); s && DependsOn(s, this)) continue;
            InternalAddDataSource(source);
        }
    }
    pendingSources_ = {};
    CheckDataSource();
}
