// Charts and their series in a form stream: a form with a chart and series
// written and read back into a new form, linked series finding their
// sources again (one through "DataSource", several through "DataSources"),
// "Identifier" and "Style", and streams that would link a series to
// itself or round in a loop.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/runtime/StreamBytes.h"
#include "ChartTestSupport.h"
#include "chart/FormStreamSupport.h"
#include "chart/messages/TeeExceptions.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

const TPublishedClassRegistrar<TTestChart, TCustomAxisPanel> testChartClass("TTestChart", [](auto&) {});

using Bytes = TFormBytes;

constexpr auto Str = ShortStringBytes;

void Append(Bytes& to, std::initializer_list<Bytes> parts) {
    for (const Bytes& p : parts) to.insert(to.end(), p.begin(), p.end());
}

// A form holding Chart1 with plain series named Names; Extra (properties
// of the last series, already encoded) goes into the last one.
Bytes FormWithSeries(std::initializer_list<std::string> Names, const Bytes& Extra) {
    Bytes b = {'T', 'P', 'F', '0'};
    Append(b, {Str("TForm"), Str("Form1"), {0}, Str("TTestChart"), Str("Chart1"), {0}});
    std::size_t i = 0;
    for (const std::string& name : Names) {
        Append(b, {Str("TChartSeries"), Str(name)});
        if (++i == Names.size()) Append(b, {Extra});
        Append(b, {{0, 0}});
    }
    Append(b, {{0, 0}});
    return b;
}

Bytes SourceList(std::initializer_list<std::string> Names) {
    Bytes b = Str("DataSources");
    b.push_back(vaList);
    for (const std::string& n : Names) Append(b, {{vaString}, Str(n)});
    b.push_back(vaNull);
    return b;
}

TChartSeries* SeriesOf(TComponent* Form, const char* Name) { return dynamic_cast<TChartSeries*>(Form->FindComponent(Name)); }

struct SeriesStreaming : ::testing::Test, TChartOnForm {};

TEST_F(SeriesStreaming, AChartWithItsSeriesReadsBackIntoANewFormEqual) {
    form->SetName("Form1");
    chart->SetName("Chart1");
    chart->SetView3D(false);
    chart->SetChart3DPercent(30);
    chart->SetMarginLeft(7);
    chart->SetMaxPointsPerPage(10);
    chart->SetBounds(5, 6, 300, 200);
    TChartSeries* a = NewSeries();
    a->SetName("Prices");
    a->SetTitle("Close");
    a->SetSeriesColor(clRed);
    a->SetActive(false);
    a->SetShowInLegend(false);
    a->SetValueFormat("0.00");
    a->SetHorizAxis(aTopAxis);
    a->SetVertAxis(aRightAxis);
    a->SetCursor(crHandPoint);
    a->SetColorSource("Colours");
    a->SetLabelsSource("Dates");
    a->GetXValues()->SetDateTime(true);
    a->GetYValues()->SetMultiplier(2.5);
    a->GetYValues()->SetOrder(loDescending);
    a->SetIdentifier("price line");
    a->SetStyle({tssIsTemplate, tssDenyDelete});
    for (double v : {1.0, 2.0}) a->Add(v, "label", clBlue);
    TChartSeries* b = NewSeries();
    b->SetName("Volume");
    b->SetColorEachPoint(true);

    const Bytes bytes = WriteForm(form);
    auto copy = ReadForm(bytes);

    auto* chart2 = dynamic_cast<TTestChart*>(copy->FindComponent("Chart1"));
    ASSERT_NE(chart2, nullptr);
    EXPECT_EQ(chart2->GetParent(), copy.get());
    EXPECT_FALSE(chart2->GetView3D());
    EXPECT_EQ(chart2->GetChart3DPercent(), 30);
    EXPECT_EQ(chart2->GetMarginLeft(), 7);
    EXPECT_EQ(chart2->GetMarginTop(), 4);
    EXPECT_EQ(chart2->GetMaxPointsPerPage(), 10);
    EXPECT_EQ(chart2->GetBoundsRect(), Bounds(5, 6, 300, 200));
    ASSERT_EQ(chart2->SeriesCount(), 2);
    TChartSeries* a2 = chart2->GetSeries(0);
    TChartSeries* b2 = chart2->GetSeries(1);
    EXPECT_EQ(a2->GetName(), "Prices");
    EXPECT_EQ(a2->GetOwner(), copy.get());
    EXPECT_EQ(a2->GetTitle(), "Close");
    EXPECT_EQ(a2->GetSeriesColor(), clRed);
    EXPECT_FALSE(a2->GetActive());
    EXPECT_FALSE(a2->GetShowInLegend());
    EXPECT_EQ(a2->GetValueFormat(), "0.00");
    EXPECT_EQ(a2->GetPercentFormat(), a->GetPercentFormat());
    EXPECT_EQ(a2->GetHorizAxis(), aTopAxis);
    EXPECT_EQ(a2->GetHorizontalAxis(), chart2->GetTopAxis());
    EXPECT_EQ(a2->GetVerticalAxis(), chart2->GetRightAxis());
    EXPECT_EQ(a2->GetCursor(), crHandPoint);
    EXPECT_EQ(a2->GetColorSource(), "Colours");
    EXPECT_EQ(a2->GetXLabelsSource(), "Dates");
    EXPECT_TRUE(a2->GetXValues()->GetDateTime());
    EXPECT_EQ(a2->GetXValues()->GetOrder(), loAscending);
    EXPECT_EQ(a2->GetYValues()->GetMultiplier(), 2.5);
    EXPECT_EQ(a2->GetYValues()->GetOrder(), loDescending);
    EXPECT_EQ(a2->GetIdentifier(), "price line");
    EXPECT_EQ(a2->GetStyle(), (TChartSeriesStyle{tssIsTemplate, tssDenyDelete}));
    // Points are the program's to fill, not the form's.
    EXPECT_EQ(a2->Count(), 0);
    EXPECT_EQ(b2->GetName(), "Volume");
    EXPECT_TRUE(b2->GetColorEachPoint());
    EXPECT_EQ(b2->GetSeriesColor(), b->GetSeriesColor());
    EXPECT_TRUE(b2->GetIdentifier().IsEmpty());
    EXPECT_TRUE(b2->GetStyle().Empty());

    // A form starts hidden; the one written was on screen.
    copy->Show();
    EXPECT_EQ(WriteForm(copy.get()), bytes) << Parting(WriteForm(copy.get()), bytes);
    // What a new series has is not written.
    EXPECT_FALSE(Holds(bytes, "PercentFormat"));
    EXPECT_TRUE(Holds(bytes, "Identifier"));
    TChartSeries* plain = NewSeries();
    plain->SetName("Plain");
    delete a;
    delete b;
    const Bytes plainBytes = WriteForm(form);
    for (const char* absent : {"Identifier", "Style", "DataSource", "ValueFormat", "Active", "Multiplier"})
        EXPECT_FALSE(Holds(plainBytes, absent)) << absent;
}

TEST_F(SeriesStreaming, ALinkedSeriesFindsItsSourceAgainEvenOneStoredAfterIt) {
    chart->SetName("Chart1");
    TChartSeries* linked = NewSeries();
    linked->SetName("Average");
    TChartSeries* source = NewSeries();
    source->SetName("Prices");
    source->Add(10);
    linked->SetDataSource(source);

    const Bytes bytes = WriteForm(form);
    EXPECT_TRUE(Holds(bytes, "DataSource"));
    EXPECT_FALSE(Holds(bytes, "DataSources"));
    auto copy = ReadForm(bytes);
    TChartSeries* linked2 = SeriesOf(copy.get(), "Average");
    TChartSeries* source2 = SeriesOf(copy.get(), "Prices");
    ASSERT_TRUE(linked2 && source2);
    EXPECT_EQ(linked2->GetDataSources(), std::vector<TComponent*>{source2});
    EXPECT_EQ(source2->GetLinkedSeries(), std::vector<TChartSeries*>{linked2});
    source2->Add(7, "a", clGreen);
    ASSERT_EQ(linked2->Count(), 1);
    EXPECT_EQ(linked2->GetyValue(0), 7);
    EXPECT_EQ(linked2->GetXLabel(0), "a");
    // A form starts hidden; the one written was on screen.
    copy->Show();
    EXPECT_EQ(WriteForm(copy.get()), bytes) << Parting(WriteForm(copy.get()), bytes);
}

TEST_F(SeriesStreaming, SeveralSourcesAreStoredByNameAndTakenUpWhenLoadingEnds) {
    // Names that find nothing, the series itself and a repeated name are skipped.
    const Bytes bytes = FormWithSeries({"A", "B", "Linked"}, SourceList({"A", "Missing", "B", "Linked", "A"}));
    auto copy = ReadForm(bytes);
    TChartSeries* a = SeriesOf(copy.get(), "A");
    TChartSeries* b = SeriesOf(copy.get(), "B");
    TChartSeries* linked = SeriesOf(copy.get(), "Linked");
    ASSERT_TRUE(a && b && linked);
    EXPECT_EQ(linked->GetDataSources(), (std::vector<TComponent*>{a, b}));
    EXPECT_EQ(a->GetLinkedSeries(), std::vector<TChartSeries*>{linked});
    EXPECT_EQ(b->GetLinkedSeries(), std::vector<TChartSeries*>{linked});
    a->Add(1);
    b->Add(2);
    EXPECT_EQ(linked->Count(), 2);

    const Bytes again = WriteForm(copy.get());
    EXPECT_TRUE(Holds(again, "DataSources"));
    auto third = ReadForm(again);
    EXPECT_EQ(SeriesOf(third.get(), "Linked")->GetDataSources(),
              (std::vector<TComponent*>{SeriesOf(third.get(), "A"), SeriesOf(third.get(), "B")}));
}

TEST_F(SeriesStreaming, StreamedSourcesThatWouldLoopAreLeftOut) {
    // A lists B and B lists A: whichever loads second cannot take the other.
    Bytes b = {'T', 'P', 'F', '0'};
    Append(b, {Str("TForm"), Str("Form1"), {0}, Str("TTestChart"), Str("Chart1"), {0}});
    Append(b, {Str("TChartSeries"), Str("A"), SourceList({"B", "C"}), {0, 0}});
    Append(b, {Str("TChartSeries"), Str("B"), SourceList({"A", "C"}), {0, 0}});
    Append(b, {Str("TChartSeries"), Str("C"), {0, 0}, {0, 0, 0, 0}});
    auto copy = ReadForm(b);
    TChartSeries* a = SeriesOf(copy.get(), "A");
    TChartSeries* bb = SeriesOf(copy.get(), "B");
    TChartSeries* c = SeriesOf(copy.get(), "C");
    EXPECT_EQ(a->GetDataSources(), (std::vector<TComponent*>{bb, c}));
    EXPECT_EQ(bb->GetDataSources(), std::vector<TComponent*>{c});
    c->Add(5);
    a->Clear();
    EXPECT_EQ(a->Count(), 0);
    EXPECT_EQ(bb->Count(), 1);
}

TEST_F(SeriesStreaming, AStreamThatBreaksTheChartsRulesIsRefusedAndLeavesNothing) {
    struct Case {
        const char* what;
        Bytes stream;
        const char* message;
    };
    Bytes self = Str("DataSource");
    Append(self, {{vaIdent}, Str("S")});
    Bytes percent = {'T', 'P', 'F', '0'};
    Append(percent, {Str("TForm"), Str("Form1"), {0}, Str("TTestChart"), Str("C"), Str("Chart3DPercent"),
                     {vaInt8, 0, 0, 0, 0}});
    Bytes offChart = {'T', 'P', 'F', '0'};
    Append(offChart, {Str("TForm"), Str("Form1"), {0}, Str("TChartSeries"), Str("S"), Str("DataSource"), {vaIdent},
                      Str("Form1"), {0, 0, 0}});
    Bytes abstract = {'T', 'P', 'F', '0'};
    Append(abstract, {Str("TForm"), Str("Form1"), {0}, Str("TCustomAxisPanel"), Str("C"), {0, 0, 0}});
    const Case cases[] = {
        {"its own source", FormWithSeries({"S"}, self), "No valid DataSource: S"},
        {"a source off any chart", offChart, "No ParentChart to validate DataSource"},
        {"a chart of no concrete class", abstract, "Class TCustomAxisPanel cannot be made from a stream"},
        {"a setting the chart refuses", percent, "3D effect percent must be between 1 and 100"},
    };
    for (const Case& c : cases) {
        auto form2 = std::make_unique<TForm>(nullptr);
        TMemoryStream stream;
        stream.SetBytes(c.stream);
        try {
            TReader(&stream).ReadRootComponent(form2.get());
            ADD_FAILURE() << c.what << ": read without error";
        } catch (const Exception& e) {
            EXPECT_NE(e.GetMessage().Pos(c.message), 0) << c.what << ": " << e.GetMessage().c_str();
        }
        EXPECT_EQ(form2->GetComponentCount(), 0) << c.what;
    }
}

TEST_F(SeriesStreaming, AReadChartPaintsItsSeries) {
    chart->SetName("Chart1");
    TChartSeries* s = NewSeries();
    s->SetName("Line");
    auto copy = ReadForm(WriteForm(form));
    copy->SetBounds(0, 0, 420, 270);
    copy->Show();
    auto* chart2 = dynamic_cast<TTestChart*>(copy->FindComponent("Chart1"));
    SeriesOf(copy.get(), "Line")->Add(3);
    Application->ProcessMessages();
    EXPECT_GT(chart2->paints, 0);
    EXPECT_NE(std::find(chart2->log.begin(), chart2->log.end(), "CalcAxisRect"), chart2->log.end());
}

}  // namespace
