#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/quotes/quotefile.h"
#include "app/quotes/quotewindow.h"
#include "platform/runtime/SeparatorGuard.h"
#include "support/TempDir.h"

namespace {

// The date choices' texts, oldest first.
std::vector<AnsiString> quoteDatesOldestFirst(const linkedList& quotes) {
    std::vector<AnsiString> dates;
    for (int i = 0; i <= quotes.Last(); ++i) dates.push_back(quoteDateOldestFirst(quotes, i));
    return dates;
}

const char* const xyzHeader = "0,2,2001,4,30,2003,XYZ";
const char* const xyzRows[] = {"30-May-03,12.50,12.80,12.40,12.75,1520000",
                               "29-May-03,12.10,12.60,12.00,12.50,980000",
                               "28-May-03,1234.5,1300,1200.25,1250,3000000000"};

// The XYZ file with the given line end, optionally without the last one.
std::string xyzFile(const std::string& lineEnd, bool lastLineEnd = true) {
    std::string text = std::string(xyzHeader) + lineEnd;
    for (const char* row : xyzRows) text += row + lineEnd;
    if (!lastLineEnd) text.resize(text.size() - lineEnd.size());
    return text;
}

std::vector<std::string> datesInChainOrder(const linkedList& quotes) {
    std::vector<std::string> dates;
    for (const QuoteRecord& quote : quotes) dates.emplace_back(quote.Date.View());
    return dates;
}

// The quote at a position of the series.
const QuoteRecord& at(const linkedList& quotes, int index) { return quotes.Records()[index]; }

std::vector<std::string> texts(const std::vector<AnsiString>& values) {
    std::vector<std::string> result;
    for (const AnsiString& value : values) result.push_back(value.str());
    return result;
}

// The error that reading the text raises; the series must come out unchanged.
EQuoteFileError readFailure(const std::string& text) {
    TempDir dir;
    dir.Write("bad.zrq", text);
    linkedList quotes;
    quotes.Current.Date = "kept";
    quotes.appendRecord();
    try {
        loadQuoteFile(dir.File("bad.zrq").c_str(), quotes);
    } catch (const EQuoteFileError& error) {
        EXPECT_EQ(datesInChainOrder(quotes), std::vector<std::string>{"kept"});
        EXPECT_NE(error.GetMessage().Pos(dir.File("bad.zrq").c_str()), 0) << error.what();
        return error;
    }
    ADD_FAILURE() << "read without error";
    return EQuoteFileError("", -1);
}

TEST(QuoteFile, ReadsHeaderAndRowsInFileOrder) {
    SeparatorGuard commaDecimals(',', '.');
    TempDir dir;
    dir.Write("xyz.zrq", xyzFile("\r\n"));
    linkedList quotes;
    QuoteFileContents contents = loadQuoteFile(dir.File("xyz.zrq").c_str(), quotes);

    EXPECT_EQ(contents.Header.Symbol, "XYZ");
    EXPECT_EQ(contents.Header.HeaderPrefix, "0,2,2001,");
    EXPECT_EQ(contents.Header.StartYear, 2001);
    EXPECT_EQ(contents.Header.EndDay, 30);
    EXPECT_EQ(contents.QuoteCount, 3);

    EXPECT_EQ(datesInChainOrder(quotes), (std::vector<std::string>{"30-May-03", "29-May-03", "28-May-03"}));
    EXPECT_EQ(texts(quoteDatesOldestFirst(quotes)),
              (std::vector<std::string>{"28-May-03", "29-May-03", "30-May-03"}));
    EXPECT_EQ(quotes.Cursor, quotes.Last());
    const QuoteRecord& oldest = at(quotes, quotes.Last());
    EXPECT_DOUBLE_EQ(oldest.Open, 1234.5);
    EXPECT_DOUBLE_EQ(oldest.High, 1300);
    EXPECT_DOUBLE_EQ(oldest.Low, 1200.25);
    EXPECT_DOUBLE_EQ(oldest.Close, 1250);
    EXPECT_EQ(oldest.Volume, 3000000000LL);
    EXPECT_DOUBLE_EQ(at(quotes, quotes.First()).Open, 12.5);
    EXPECT_EQ(at(quotes, quotes.First()).Volume, 1520000);
    EXPECT_EQ(oldest.Day, EncodeDate(2003, 5, 28));
    EXPECT_EQ(at(quotes, quotes.First()).Day, EncodeDate(2003, 5, 30));
}

TEST(QuoteFile, TakesDatesAsNumbersInTheCenturyUpToTheEndYear) {
    TempDir dir;
    dir.Write("days.zrq", "0,2,1962,11,31,2023,XYZ\n"
                          "29-Dec-23,1,1,1,1,1\n"
                          "2-jan-00,1,1,1,1,1\n"
                          "31-DEC-99,1,1,1,1,1\n"
                          "1-Feb-24,1,1,1,1,1\n"
                          "29-Feb-2000,1,1,1,1,1\n"
                          "30-Feb-03,1,1,1,1,1\n"
                          "2003-05-30,1,1,1,1,1\n"
                          "1-Mai-03,1,1,1,1,1\n"
                          "1-anf-03,1,1,1,1,1\n"
                          "-1-May-03,1,1,1,1,1\n"
                          "1-May-003,1,1,1,1,1\n"
                          "123-May-03,1,1,1,1,1\n");
    linkedList quotes;
    loadQuoteFile(dir.File("days.zrq").c_str(), quotes);
    std::vector<TDateTime> days;
    for (const QuoteRecord& quote : quotes) days.push_back(quote.Day);
    EXPECT_EQ(days, (std::vector<TDateTime>{EncodeDate(2023, 12, 29), EncodeDate(2000, 1, 2), EncodeDate(1999, 12, 31),
                                            EncodeDate(1924, 2, 1), EncodeDate(2000, 2, 29), 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(at(quotes, 3).Date, "1-Feb-24") << "the text stays as the file has it";
}

TEST(QuoteFile, ReadsEveryLineEndAlike) {
    TempDir dir;
    dir.Write("crlf.zrq", xyzFile("\r\n"));
    dir.Write("lf.zrq", xyzFile("\n"));
    dir.Write("open.zrq", xyzFile("\r\n", false));
    dir.Write("openlf.zrq", xyzFile("\n", false));
    linkedList reference;
    loadQuoteFile(dir.File("crlf.zrq").c_str(), reference);
    for (const char* name : {"lf.zrq", "open.zrq", "openlf.zrq"}) {
        linkedList quotes;
        QuoteFileContents contents = loadQuoteFile(dir.File(name).c_str(), quotes);
        EXPECT_EQ(contents.QuoteCount, 3) << name;
        EXPECT_EQ(contents.Header.Symbol, "XYZ") << name;
        ASSERT_EQ(quotes.Records().size(), reference.Records().size()) << name;
        for (int i = 0; i <= quotes.Last(); ++i) {
            const QuoteRecord& expected = at(reference, i);
            EXPECT_EQ(at(quotes, i).Date, expected.Date) << name;
            EXPECT_EQ(at(quotes, i).Day, expected.Day) << name;
            EXPECT_EQ(at(quotes, i).Close, expected.Close) << name;
            EXPECT_EQ(at(quotes, i).Volume, expected.Volume) << name;
        }
    }
}

TEST(QuoteFile, SkipsBlankLinesAndIgnoresTextAfterTheVolume) {
    TempDir dir;
    dir.Write("gaps.zrq", std::string(xyzHeader) + "\r\n" + "30-May-03,1,2,0.5,1.5,700,extra,text\r\n" +
                              "\r\n" + "29-May-03,1,2,0.5,1.5,800 trailing words\r\n" + "\r\n\r\n");
    linkedList quotes;
    QuoteFileContents contents = loadQuoteFile(dir.File("gaps.zrq").c_str(), quotes);
    EXPECT_EQ(contents.QuoteCount, 2);
    EXPECT_EQ(datesInChainOrder(quotes), (std::vector<std::string>{"30-May-03", "29-May-03"}));
    EXPECT_EQ(at(quotes, quotes.First()).Volume, 700);
    EXPECT_EQ(at(quotes, quotes.Last()).Volume, 800);
}

TEST(QuoteFile, ReplacesAnEarlierSeries) {
    TempDir dir;
    dir.Write("first.zrq", xyzFile("\n"));
    dir.Write("second.zrq", "1,1,2020,1,5,2020,ABC\n5-Feb-20,1,1,1,1,1\n");
    linkedList quotes;
    loadQuoteFile(dir.File("first.zrq").c_str(), quotes);
    QuoteFileContents contents = loadQuoteFile(dir.File("second.zrq").c_str(), quotes);
    EXPECT_EQ(contents.Header.Symbol, "ABC");
    EXPECT_EQ(datesInChainOrder(quotes), std::vector<std::string>{"5-Feb-20"});
}

TEST(QuoteFile, RefusesFilesWithoutQuotes) {
    EXPECT_NE(readFailure("").GetMessage().Pos("empty"), 0);
    EXPECT_NE(readFailure(std::string(xyzHeader) + "\r\n").GetMessage().Pos("no quotes"), 0);
    EXPECT_NE(readFailure(std::string(xyzHeader)).GetMessage().Pos("no quotes"), 0);
    EXPECT_NE(readFailure(std::string(xyzHeader) + "\r\n\r\n\r\n").GetMessage().Pos("no quotes"), 0);

    EQuoteFileError noHeader = readFailure(std::string(xyzRows[0]) + "\n" + xyzRows[1] + "\n");
    EXPECT_EQ(noHeader.Line, 1);
    EXPECT_NE(noHeader.GetMessage().Pos("header"), 0);

    TempDir dir;
    linkedList quotes;
    quotes.Current.Date = "kept";
    quotes.appendRecord();
    try {
        loadQuoteFile(dir.File("missing.zrq").c_str(), quotes);
        ADD_FAILURE() << "a missing file was read";
    } catch (const EQuoteFileError& error) {
        EXPECT_NE(error.GetMessage().Pos("missing.zrq"), 0);
        EXPECT_NE(error.GetMessage().Pos(": it does not exist."), 0);
    }
    EXPECT_EQ(datesInChainOrder(quotes), std::vector<std::string>{"kept"});
}

TEST(QuoteFile, ReportsAMalformedRowWithItsLine) {
    std::string head = std::string(xyzHeader) + "\r\n" + xyzRows[0] + "\r\n";
    std::string tail = std::string("\r\n") + xyzRows[1] + "\r\n";

    EQuoteFileError shortRow = readFailure(head + "29-May-03,12.10,12.60,12.00" + tail);
    EXPECT_EQ(shortRow.Line, 3);
    EXPECT_NE(shortRow.GetMessage().Pos("(line 3)"), 0) << shortRow.what();
    EXPECT_NE(shortRow.GetMessage().Pos("fewer than six"), 0);

    EQuoteFileError badPrice = readFailure(head + "29-May-03,12.10,1x.60,12.00,12.5,100" + tail);
    EXPECT_EQ(badPrice.Line, 3);
    EXPECT_NE(badPrice.GetMessage().Pos("1x.60"), 0) << badPrice.what();

    EXPECT_EQ(readFailure(head + "29-May-03,12.10,12.6,12.00,12.5,1e3" + tail).Line, 3);
    EXPECT_EQ(readFailure(head + "29-May-03,12,10,12.6,12.00,12.5,100" + tail).Line, 3);
    EXPECT_EQ(readFailure(head + "29-May-03,nan,12.6,12.00,12.5,100" + tail).Line, 3);
    EXPECT_EQ(readFailure(head + ",12.10,12.6,12.00,12.5,100" + tail).Line, 3);
    EXPECT_EQ(readFailure(head + "29-May-03,,12.6,12.00,12.5,100" + tail).Line, 3);

    std::string longDate(150, '7');
    EQuoteFileError tooLong = readFailure(head + longDate + ",1,1,1,1,1" + tail);
    EXPECT_EQ(tooLong.Line, 3);
    EXPECT_NE(tooLong.GetMessage().Pos("149"), 0) << tooLong.what();
}

TEST(QuoteFile, AcceptsTheLongestFieldAndDecimalPointsOnly) {
    SeparatorGuard commaDecimals(',', '.');
    TempDir dir;
    std::string longDate(149, '7');
    dir.Write("long.zrq", std::string(xyzHeader) + "\n" + longDate + ",0.25,1.5,-2,3,0\n");
    linkedList quotes;
    loadQuoteFile(dir.File("long.zrq").c_str(), quotes);
    ASSERT_NE(quotes.First(), linkedList::NoQuote);
    EXPECT_EQ(at(quotes, quotes.First()).Date.View(), longDate);
    EXPECT_EQ(at(quotes, quotes.First()).Day, 0);
    EXPECT_DOUBLE_EQ(at(quotes, quotes.First()).Open, 0.25);
    EXPECT_DOUBLE_EQ(at(quotes, quotes.First()).High, 1.5);
    EXPECT_DOUBLE_EQ(at(quotes, quotes.First()).Low, -2);
}

TEST(QuoteFileHeader, ParsesNumbersSymbolAndPrefix) {
    std::optional<QuoteFileHeader> header = parseQuoteHeader("11,31,1999,0,1,2000,brk.b");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->StartMonth0, 11);
    EXPECT_EQ(header->StartDay, 31);
    EXPECT_EQ(header->StartYear, 1999);
    EXPECT_EQ(header->EndMonth0, 0);
    EXPECT_EQ(header->EndDay, 1);
    EXPECT_EQ(header->EndYear, 2000);
    EXPECT_EQ(header->Symbol, "brk.b");
    EXPECT_EQ(header->HeaderPrefix, "11,31,1999,");

    EXPECT_FALSE(parseQuoteHeader(""));
    EXPECT_FALSE(parseQuoteHeader("0,2,2001,4,30,2003"));
    EXPECT_FALSE(parseQuoteHeader("0,2,2001,4,30,2003,"));
    EXPECT_FALSE(parseQuoteHeader("0,2,2001,4,x30,2003,XYZ"));
    EXPECT_FALSE(parseQuoteHeader("0,-2,2001,4,30,2003,XYZ"));
    EXPECT_FALSE(parseQuoteHeader("0,,2001,4,30,2003,XYZ"));
    EXPECT_FALSE(parseQuoteHeader("0,2,2001,4,30,2003," + std::string(150, 'S')));
}

TEST(QuoteFileHeader, TakesOnlyNumbersThatMakeADate) {
    EXPECT_TRUE(parseQuoteHeader("0,1,1000,11,31,9999,XYZ"));
    for (const char* line : {"12,2,2001,4,30,2003,XYZ", "0,0,2001,4,30,2003,XYZ", "0,32,2001,4,30,2003,XYZ",
                             "0,2,999,4,30,2003,XYZ", "0,2,10000,4,30,2003,XYZ", "0,2,0999,4,30,2003,XYZ",
                             "0,2,2001,12,30,2003,XYZ", "0,2,2001,4,0,2003,XYZ", "0,2,2001,4,32,2003,XYZ",
                             "0,2,2001,4,2147483647,2003,XYZ", "0,2,2001,4,30,20030,XYZ",
                             "0,2,2001,4,30,2147483648,XYZ", "4294967296,2,2001,4,30,2003,XYZ"})
        EXPECT_FALSE(parseQuoteHeader(line)) << line;
    // The reader refuses such a file at its header line.
    EQuoteFileError error = readFailure("0,2,2001,4,2147483647,2003,XYZ\n" + std::string(xyzRows[0]) + "\n");
    EXPECT_EQ(error.Line, 1);
    EXPECT_NE(error.GetMessage().Pos("header"), 0) << error.what();
}

TEST(QuoteWindow, FindsTheChosenDates) {
    TempDir dir;
    dir.Write("xyz.zrq", xyzFile("\r\n"));
    linkedList quotes;
    loadQuoteFile(dir.File("xyz.zrq").c_str(), quotes);
    std::vector<AnsiString> dates = quoteDatesOldestFirst(quotes);

    findChosenDates(quotes, dates.front(), dates.back());
    EXPECT_EQ(quotes.WindowCount, 3);
    EXPECT_EQ(quotes.StartMark, quotes.Last());
    EXPECT_EQ(quotes.EndMark, quotes.First());

    findChosenDates(quotes, dates[1], dates[1]);
    EXPECT_EQ(quotes.WindowCount, 1);
    EXPECT_EQ(quotes.StartMark, quotes.EndMark);
    EXPECT_EQ(at(quotes, quotes.StartMark).Date, "29-May-03");

    findChosenDates(quotes, dates[0], dates[1]);
    EXPECT_EQ(quotes.WindowCount, 2);
    quotes.moveToMark();
    quotes.loadCurrent();
    EXPECT_EQ(quotes.Current.Date, "28-May-03");
    quotes.movePrev();
    EXPECT_EQ(quotes.Cursor, quotes.EndMark);
}

TEST(QuoteWindow, TakesTheOlderOfRepeatedDatesAndRefusesUnknownOnes) {
    TempDir dir;
    dir.Write("repeat.zrq", std::string(xyzHeader) + "\nA,1,1,1,1,4\nB,1,1,1,1,3\nA,1,1,1,1,2\nC,1,1,1,1,1\n");
    linkedList quotes;
    loadQuoteFile(dir.File("repeat.zrq").c_str(), quotes);
    EXPECT_EQ(texts(quoteDatesOldestFirst(quotes)), (std::vector<std::string>{"C", "A", "B", "A"}));

    findChosenDates(quotes, "A", "B");
    EXPECT_EQ(at(quotes, quotes.StartMark).Volume, 2);  // the older "A"
    EXPECT_EQ(at(quotes, quotes.EndMark).Volume, 3);
    EXPECT_EQ(quotes.WindowCount, 2);

    findChosenDates(quotes, "A", "A");
    EXPECT_EQ(at(quotes, quotes.StartMark).Volume, 2);
    EXPECT_EQ(quotes.WindowCount, 1);

    EXPECT_THROW(findChosenDates(quotes, "Z", "A"), EQuoteWindowError);
    EXPECT_THROW(findChosenDates(quotes, "B", "C"), EQuoteWindowError);  // C is older than B
    EXPECT_EQ(quotes.WindowCount, 1);  // the last window stays
    EXPECT_EQ(at(quotes, quotes.StartMark).Volume, 2);

    linkedList empty;
    EXPECT_THROW(findChosenDates(empty, "A", "A"), EQuoteWindowError);
    EXPECT_TRUE(quoteDatesOldestFirst(empty).empty());
}

TEST(QuoteFile, ReadsTheShippedSamples) {
    const char* source = std::getenv("VELMORA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::string samples = std::string(source) + "/data/samples/";
    linkedList quotes;
    QuoteFileContents nrdq = loadQuoteFile((samples + "NRDQ.zrq").c_str(), quotes);
    EXPECT_EQ(nrdq.Header.Symbol, "NRDQ");
    EXPECT_EQ(nrdq.QuoteCount, 2520);
    EXPECT_EQ(quoteDatesOldestFirst(quotes).size(), 2520u);
    EXPECT_EQ(at(quotes, quotes.First()).Date, "4-Oct-23");
    EXPECT_EQ(at(quotes, quotes.First()).Day, EncodeDate(2023, 10, 4));

    QuoteFileContents trvx = loadQuoteFile((samples + "trvx.zrq").c_str(), quotes);
    EXPECT_EQ(trvx.Header.Symbol, "trvx");
    EXPECT_EQ(trvx.Header.HeaderPrefix, "2,1,2024,");
    EXPECT_EQ(trvx.QuoteCount, 64);
    EXPECT_EQ(at(quotes, quotes.First()).Date, "29-May-24");
    EXPECT_DOUBLE_EQ(at(quotes, quotes.First()).Close, 14.13);
    EXPECT_EQ(at(quotes, quotes.First()).Volume, 473700);
}

}  // namespace
