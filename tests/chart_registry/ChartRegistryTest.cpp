// A program of its own that names only the line series: every series and
// function type of the chart library is there all the same, in the
// gallery's order with its gallery counts, and each can be made by name
// from a form stream, whatever the linker would have dropped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/functions/TeEngineFunction.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/seriestypes/Series.h"
#include "platform/controls/Forms.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

struct Entry {
    const char* description;
    const char* page;
    int gallerySeries;
    const char* className;
};

const Entry entries[] = {
    {"Add", "Functions", 2, "TAddTeeFunction"},          {"Subtract", "Functions", 2, "TSubtractTeeFunction"},
    {"Multiply", "Functions", 2, "TMultiplyTeeFunction"}, {"Divide", "Functions", 2, "TDivideTeeFunction"},
    {"High", "Functions", 2, "THighTeeFunction"},        {"Low", "Functions", 2, "TLowTeeFunction"},
    {"Average", "Functions", 2, "TAverageTeeFunction"},  {"Line", "Standard", 2, "TLineSeries"},
    {"Bar", "Standard", 2, "TBarSeries"},                {"Horiz. Bar", "Standard", 2, "THorizBarSeries"},
    {"Area", "Standard", 2, "TAreaSeries"},              {"Point", "Standard", 2, "TPointSeries"},
    {"Pie", "Standard", 1, "TPieSeries"},                {"Fast Line", "Standard", 2, "TFastLineSeries"},
    {"Candle", "Extended", 1, "TCandleSeries"},          {"Volume", "Extended", 1, "TVolumeSeries"},
};

// A short string as a form stream holds it, appended to Bytes.
// (Appended: GCC 12 warns (-Wrestrict) on string sums at -O3.)
void AppendStr(std::string& Bytes, const std::string& S) {
    Bytes.push_back(static_cast<char>(S.size()));
    Bytes.append(S);
}

TEST(ChartRegistry, AProgramNamingOnlyTheLineSeriesHasEveryTypeInTheGalleryOrder) {
    TForm form(nullptr);
    // The one series type this program names.
    auto* line = new TLineSeries(&form);
    line->SetName("Line1");
    const TTeeSeriesTypes& types = TeeSeriesTypes();
    ASSERT_EQ(types.Count(), 16);
    for (int i = 0; i < 16; ++i) {
        const TTeeSeriesType* entry = types.GetSeriesType(i);
        const Entry& e = entries[i];
        EXPECT_EQ(entry->Description, e.description);
        EXPECT_EQ(entry->GalleryPage, e.page) << e.description;
        EXPECT_EQ(entry->NumGallerySeries, e.gallerySeries) << e.description;
        TComponent* made = entry->SeriesClass ? static_cast<TComponent*>(entry->SeriesClass->Create(&form))
                                              : entry->FunctionClass->Create(&form);
        const TPublishedClass* published = PublishedClassOf(made);
        EXPECT_EQ(published ? published->GetName() : AnsiString(), e.className);
        delete made;
    }
}

TEST(ChartRegistry, AFormStreamMakesEverySeriesTypeByName) {
    std::string bytes = "TPF0";
    AppendStr(bytes, "TForm");
    AppendStr(bytes, "Form1");
    bytes.push_back('\0');
    AppendStr(bytes, "TChart");
    AppendStr(bytes, "Chart1");
    bytes.push_back('\0');
    for (int i = 7; i < 16; ++i) {
        AppendStr(bytes, entries[i].className);
        std::string name = "S";
        name.append(std::to_string(i));
        AppendStr(bytes, name);
        bytes.append(2, '\0');
    }
    bytes.append(2, '\0');
    TForm form(nullptr);
    TMemoryStream stream;
    stream.SetBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    TReader(&stream).ReadRootComponent(&form);
    auto* chart = dynamic_cast<TCustomAxisPanel*>(form.FindComponent("Chart1"));
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(chart->SeriesCount(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(PublishedClassOf(chart->GetSeries(i))->GetName(), entries[7 + i].className);
}

}  // namespace
