#include <gtest/gtest.h>

#include <set>

#include "chart/messages/TeeExceptions.h"
#include "chart/utils/TeeProcs.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeProCo.h"

namespace {

// Restores the chart's texts after a test replaced some.
struct RestoreChartMessages {
    ~RestoreChartMessages() { RegisterChartMessages(); }
};

std::set<int> Ids(std::span<const TTeeMessageRecord> records) {
    std::set<int> ids;
    for (const TTeeMessageRecord& r : records) ids.insert(r.Id);
    return ids;
}

std::set<int> Range(int first, int last) {
    std::set<int> ids;
    for (int id = first; id <= last; ++id) ids.insert(id);
    return ids;
}

TEST(ChartMessages, EachUnitHoldsItsOwnNumbersOnceAndNoOthers) {
    EXPECT_EQ(std::size(TeeconstRecords), 152u);
    EXPECT_EQ(std::size(TeeprocoRecords), 61u);

    std::set<int> general = Range(65312, 65316), commands = Range(65472, 65484);
    general.merge(Range(65328, 65471));
    general.merge(Range(65485, 65487));
    commands.merge(Range(65488, 65535));
    EXPECT_EQ(Ids(TeeconstRecords), general);
    EXPECT_EQ(Ids(TeeprocoRecords), commands);

    std::set<std::string> names;
    for (const TTeeMessageRecord& r : TeeconstRecords) EXPECT_TRUE(names.insert(r.Name).second) << r.Name;
    for (const TTeeMessageRecord& r : TeeprocoRecords) {
        if (std::string(r.Name) == "TeeMsg_PeriodRange") continue;
        EXPECT_TRUE(names.insert(r.Name).second) << r.Name;
    }
    EXPECT_EQ(Teeconst::TeeMsg_PeriodRange.Id, 65342);
    EXPECT_EQ(Teeproco::TeeMsg_PeriodRange.Id, 65531);
}

TEST(ChartMessages, TextsAreInTheStringTableUnderTheirNumbers) {
    // Looked up by number, so a text filed under the wrong record shows here.
    EXPECT_EQ(LoadStr(65328), "Y");
    EXPECT_EQ(LoadStr(65365), "Arial");
    EXPECT_EQ(LoadStr(65382), "8");
    EXPECT_EQ(LoadStr(65384), "Add");
    EXPECT_EQ(LoadStr(65398), "Top Axis");
    EXPECT_EQ(LoadStr(65442), "##0.## %");
    EXPECT_EQ(LoadStr(65443), "#,##0.###");
    EXPECT_EQ(LoadStr(65455), "Fast Line");
    EXPECT_EQ(LoadStr(65471), "Bar Width Percent must be between 1 and 100");
    EXPECT_EQ(LoadStr(65487), "Legend Color Width must be between 0 and 100 %");
    EXPECT_EQ(LoadStr(65488), "Open");
    EXPECT_EQ(LoadStr(65519), "Date");
    EXPECT_EQ(LoadStr(65522), "Volume");

    EXPECT_EQ(TeeMsgText(TeeMsg_PieOther), "Other");
    EXPECT_EQ(TeeMsgText(TeeMsg_GalleryCandle), "Candle");
    // Records this program never shows have no text, and none is an error.
    EXPECT_EQ(TeeMsgText(TeeMsg_Version), "");
    EXPECT_EQ(TeeMsgText(TeeMsg_Reserved65439), "");
    EXPECT_EQ(TeeMsgText(TeeCommanMsg_Zoom), "");
}

TEST(ChartMessages, PlaceholdersAreFilledAfterTheLookup) {
    EXPECT_EQ(TeeMsgFormat(TeeMsg_Angle, TeeMsgText(TeeMsg_AxisTitle)),
              "Axis Title Angle must be between 0 and 359 degrees");
    EXPECT_EQ(TeeMsgFormat(TeeMsg_3dPercent, 1, 100), "3D effect percent must be between 1 and 100");
    EXPECT_EQ(TeeMsgFormat(TeeMsg_DefaultPercentOf, "25 %", "Sales"), "25 % of Sales");
}

TEST(ChartMessages, AReplacedTextIsReadAtItsNextUse) {
    RestoreChartMessages restore;
    SetResourceString(65443, "0.00");
    EXPECT_EQ(TeeMsgText(TeeMsg_DefValueFormat), "0.00");
    SetResourceString(TeeMsg_Angle.Id, "Winkel %s ungültig");
    try {
        TeeCheckAngle(400, "Rotation");
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.GetMessage(), "Winkel Rotation ungültig");
    }
    RemoveResourceString(65443);
    EXPECT_EQ(TeeMsgText(TeeMsg_DefValueFormat), "");

    RegisterChartMessages();
    EXPECT_EQ(TeeMsgText(TeeMsg_DefValueFormat), "#,##0.###");
}

}  // namespace
