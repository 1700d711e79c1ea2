// The quote row rule that the reply check and the stock quote file reader
// share: rows the check takes are rows the reader takes, with the same
// quotes, whatever the service sends.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/quotes/quotefile.h"
#include "app/quotes/quotereply.h"
#include "app/quotes/quoterow.h"
#include "support/TempDir.h"

namespace {

const char* const kHeading = "Date,Open,High,Low,Close,Volume";
const char* const kHeader = "0,2,2001,4,30,2003,XYZ";

// The quotes a file holds, newest first.
std::vector<QuoteRecord> ReadBack(const std::string& Path) {
    linkedList quotes;
    loadQuoteFile(Path.c_str(), quotes);
    return {quotes.begin(), quotes.end()};
}

TEST(QuoteRow, ReadsTheSixFieldsAndIgnoresWhatFollowsTheVolume) {
    const std::string text = "30-May-03,12.50, 12.8 ,-1.5e1,\t3,1520000 and words";
    const QuoteRow row = parseQuoteRow(text);
    ASSERT_TRUE(row);
    EXPECT_EQ(row.Date, "30-May-03");
    EXPECT_EQ(row.Date.data(), text.data()) << "a view into the row";
    EXPECT_EQ(row.Open, 12.5);
    EXPECT_EQ(row.High, 12.8);
    EXPECT_EQ(row.Low, -15);
    EXPECT_EQ(row.Close, 3);
    EXPECT_EQ(row.Volume, 1520000);
    EXPECT_EQ(parseQuoteRow("A,1,1,1,1,9223372036854775807,extra,fields").Volume, INT64_C(9223372036854775807));
    EXPECT_EQ(parseQuoteRow("A,1,1,1,1,-7").Volume, -7);
    // Fields count to the fifth ","; the volume ends at the next one.
    const std::string longest =
        std::string(149, '7') + ",1,1,1,1," + std::string(147, '0') + "12," + std::string(300, 'x');
    EXPECT_EQ(parseQuoteRow(longest).Volume, 12);
}

TEST(QuoteRow, NamesTheFirstFaultAndTheFieldAtFault) {
    struct Case {
        std::string row;
        QuoteRowFault fault;
        std::string field;
    } cases[] = {
        {"", QuoteRowFault::FewerThanSixFields, ""},
        {"5-Dec-03,1,2,3,4", QuoteRowFault::FewerThanSixFields, ""},
        {"5-Dec-03,1,2,3,4 5", QuoteRowFault::FewerThanSixFields, ""},
        {std::string(150, '7') + ",1,1,1,1,1", QuoteRowFault::FieldTooLong, ""},
        {"5-Dec-03,1,1,1,1," + std::string(150, '1'), QuoteRowFault::FieldTooLong, ""},
        {"5-Dec-03,1,1,1,1,1 " + std::string(149, 'x'), QuoteRowFault::FieldTooLong, ""},
        {",x,1,1,1,1", QuoteRowFault::NoDate, ""},
        {"5-Dec-03,1.2.3,1,1,1,1", QuoteRowFault::BadOpen, "1.2.3"},
        {"5-Dec-03,1,57.79.,1,1,1", QuoteRowFault::BadHigh, "57.79."},
        {"5-Dec-03,1,1, nan,1,1", QuoteRowFault::BadLow, " nan"},
        {"5-Dec-03,1,1,1,,1", QuoteRowFault::BadClose, ""},
        {"5-Dec-03,1,1,1,1e400,1", QuoteRowFault::BadClose, "1e400"},
        {"5-Dec-03,1,1,1,+1,1", QuoteRowFault::BadClose, "+1"},
        {"5-Dec-03,1,1,1,1,5000001.0", QuoteRowFault::BadVolume, "5000001.0"},
        {"5-Dec-03,1,1,1,1,9223372036854775808", QuoteRowFault::BadVolume, "9223372036854775808"},
        {"5-Dec-03,1,1,1,1,1e3", QuoteRowFault::BadVolume, "1e3"},
        {"5-Dec-03,1,1,1,1,", QuoteRowFault::BadVolume, ""},
        {"5-Dec-03,1,1,1,1, ,7", QuoteRowFault::BadVolume, " "},
    };
    for (const Case& c : cases) {
        const QuoteRow row = parseQuoteRow(c.row);
        EXPECT_FALSE(row) << c.row;
        EXPECT_EQ(row.Fault, c.fault) << c.row;
        EXPECT_EQ(row.Field, c.field) << c.row;
    }
}

// Rows that the reply check once took although the reader refuses them,
// so that Download said "Done." for a file that did not open.
TEST(QuoteReplyCheck, RefusesRowsTheFileReaderRefuses) {
    const std::string good = "5-Dec-03,57.79,58.1,57.2,57.9,5000001";
    const std::string longPrice = std::string(146, '0') + "1.50";  // 150 characters
    ASSERT_TRUE(ParseQuoteReply(std::string(kHeading) + "\n" + good + "\n"));
    for (const std::string& row : {std::string("5-Dec-03,57.79,58.1,57.2,57.9,5000001.0"),
                                   std::string("5-Dec-03,1.2.3,58.1,57.2,57.9,5000001"),
                                   std::string("5-Dec-03,57.79.,58.1,57.2,57.9,5000001"),
                                   std::string("5-Dec-03,57.79,58.1,57.2,57.9,18446744073709551616"),
                                   std::string("5-Dec-03,57.79,58.1,57.2,57.9,9223372036854775808"),
                                   "5-Dec-03,57.79,58.1,57.2," + longPrice + ",5000001"}) {
        EXPECT_FALSE(ParseQuoteReply(std::string(kHeading) + "\n" + good + "\n" + row + "\n")) << row;
    }
    // The longest field the reader takes.
    const std::string longest = std::string(145, '0') + "1.50";
    EXPECT_TRUE(ParseQuoteReply(std::string(kHeading) + "\n5-Dec-03,57.79,58.1,57.2," + longest + ",5000001\n"));
}

// Rows as the service writes them, and mutations of them: extra and
// trailing dots, huge numbers, long fields, missing and extra fields,
// blanks, signs, exponents, empty fields, words where numbers belong.
class RowMaker {
public:
    explicit RowMaker(unsigned Seed) : random_(Seed) {}

    struct Row {
        std::string text;
        bool mutated = false;
        // The quote an unmutated row writes.
        double open = 0, high = 0, low = 0, close = 0;
        std::int64_t volume = 0;
    };

    Row Make() {
        Row row;
        std::vector<std::string> fields = {Date(), Price(row.open), Price(row.high), Price(row.low),
                                           Price(row.close), Volume(row.volume)};
        const unsigned mutations = Below(3) ? 0 : 1 + Below(3);
        for (unsigned i = 0; i < mutations; ++i) Mutate(fields);
        row.mutated = mutations > 0;
        for (std::size_t i = 0; i < fields.size(); ++i) row.text += (i ? "," : "") + fields[i];
        if (row.mutated && Below(8) == 0) row.text += Below(2) ? " trailing words" : ",extra,text";
        return row;
    }

    unsigned Below(unsigned N) { return static_cast<unsigned>(random_() % N); }

private:
    std::string Date() {
        static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        const unsigned year = Below(3) ? Below(100) : 1970 + Below(60);
        char text[32];
        std::snprintf(text, sizeof text, year < 100 ? "%u-%s-%02u" : "%u-%s-%u", 1 + Below(31), months[Below(12)],
                      year);
        return text;
    }

    // Decimals as the service writes them: none, two or four.
    std::string Price(double& Value) {
        const unsigned places = Below(5) == 0 ? 0 : Below(4) == 0 ? 4 : 2;
        const long long scale = places == 0 ? 1 : places == 2 ? 100 : 10000;
        const long long units = static_cast<long long>(random_() % 100000000ULL);
        Value = static_cast<double>(units) / static_cast<double>(scale);
        char text[48];
        if (places == 0)
            std::snprintf(text, sizeof text, "%lld", units);
        else
            std::snprintf(text, sizeof text, "%lld.%0*lld", units / scale, static_cast<int>(places), units % scale);
        return text;
    }

    std::string Volume(std::int64_t& Value) {
        Value = static_cast<std::int64_t>(random_() % 10000000000000ULL);
        return std::to_string(Value);
    }

    std::string Digits(unsigned Count) {
        std::string digits(1, static_cast<char>('1' + Below(9)));
        while (digits.size() < Count) digits += static_cast<char>('0' + Below(10));
        return digits;
    }

    void Mutate(std::vector<std::string>& Fields) {
        if (Fields.empty()) return Fields.push_back(Digits(1 + Below(3)));
        const std::size_t at = Below(static_cast<unsigned>(Fields.size()));
        std::string& field = Fields[at];
        const std::size_t place = Below(static_cast<unsigned>(field.size()) + 1);
        static const char* const words[] = {"nan", "inf", "-inf", "0x1p3", "1,5", "NaN", "1e", "-", ".", "+1"};
        static const char* const exponents[] = {"e3", "E-2", "e+1", "e400", "e-400", "e", "e308", "e-5"};
        switch (Below(14)) {
        case 0: field.insert(place, "."); break;
        case 1: field += "."; break;
        case 2: field = Digits(18 + Below(24)); break;
        case 3: field.insert(0, std::string(145 + Below(8) - std::min<std::size_t>(field.size(), 145), '0')); break;
        case 4: Fields.erase(Fields.begin() + static_cast<std::ptrdiff_t>(at)); break;
        case 5: Fields.insert(Fields.begin() + static_cast<std::ptrdiff_t>(at), Digits(1 + Below(4))); break;
        case 6: field.insert(place, Below(3) ? " " : "\t"); break;
        case 7: field.insert(0, Below(2) ? "-" : "+"); break;
        case 8: field += exponents[Below(8)]; break;
        case 9: field.clear(); break;
        case 10: field += ".0"; break;
        case 11: field = words[Below(10)]; break;
        case 12: field.insert(place, "\r"); break;
        default: field.insert(place, Digits(1 + Below(30))); break;
        }
    }

    std::mt19937 random_;
};

// The quote read back from the file is the row the check took: its date
// text, and its numbers as the row rule reads them (for a row as the
// service writes it, the numbers it was made from).
void ExpectSameQuote(const QuoteRecord& Read, const std::string& Taken, const RowMaker::Row& Sent) {
    EXPECT_EQ(Read.Date.View(), Taken.substr(0, Taken.find(','))) << Taken;
    const QuoteRow row = parseQuoteRow(Taken);
    ASSERT_TRUE(row) << Taken;
    EXPECT_EQ(Read.Open, row.Open) << Taken;
    EXPECT_EQ(Read.High, row.High) << Taken;
    EXPECT_EQ(Read.Low, row.Low) << Taken;
    EXPECT_EQ(Read.Close, row.Close) << Taken;
    EXPECT_EQ(Read.Volume, row.Volume) << Taken;
    if (Sent.mutated) return;
    EXPECT_EQ(Taken, Sent.text);
    EXPECT_EQ(Read.Open, Sent.open) << Taken;
    EXPECT_EQ(Read.High, Sent.high) << Taken;
    EXPECT_EQ(Read.Low, Sent.low) << Taken;
    EXPECT_EQ(Read.Close, Sent.close) << Taken;
    EXPECT_EQ(Read.Volume, Sent.volume) << Taken;
}

// Every reply that the check takes is written as Download writes it (and,
// every other time, as Update writes it before a file's rows) and read back
// by the stock quote file reader: the file opens and holds the reply's
// quotes, in the reply's order.
TEST(QuoteReplyCheck, EveryReplyItTakesWritesAFileThatOpensWithItsQuotes) {
    TempDir dir;
    // An update writes the new rows before the rows of the file it updates.
    const std::vector<std::string> oldRows =
        SplitFileRows(QuoteFileText(kHeader, std::vector<std::string>{"4-Dec-03,1.5,2,1,1.75,100",
                                                                       "3-Dec-03,1,2,0.5,1.5,0 words"}));
    RowMaker maker(20031205);
    int taken = 0, takenMutated = 0, refused = 0, plainRefused = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<RowMaker::Row> sent(1 + maker.Below(4));
        const std::string lineEnd = maker.Below(4) ? "\n" : "\r\n";
        std::string body = kHeading + lineEnd;
        bool plain = true;
        for (RowMaker::Row& row : sent) {
            row = maker.Make();
            plain = plain && !row.mutated;
            body += row.text + lineEnd;
        }
        const std::optional<std::vector<std::string>> rows = ParseQuoteReply(body);
        if (!rows) {
            ++refused;
            plainRefused += plain;
            continue;
        }
        ++taken;
        takenMutated += !plain;
        ASSERT_EQ(rows->size(), sent.size()) << body;
        const bool update = round % 2;
        // Written plainly: what matters here is the text, and the writer's
        // flush to the disk would only slow 3,000 rounds down.
        const std::string name = "reply" + std::to_string(round) + ".zrq";
        dir.Write(name, QuoteFileText(kHeader, *rows, update ? oldRows : std::vector<std::string>{}));
        const std::string path = dir.File(name);
        std::vector<QuoteRecord> read;
        try {
            read = ReadBack(path);
        } catch (const EQuoteFileError& error) {
            ADD_FAILURE() << error.what() << "\nfor the reply:\n" << body;
            break;
        }
        std::filesystem::remove(path);
        ASSERT_EQ(read.size(), sent.size() + (update ? oldRows.size() : 0)) << body;
        for (std::size_t i = 0; i < sent.size(); ++i) ExpectSameQuote(read[i], (*rows)[i], sent[i]);
        if (update) {
            EXPECT_EQ(read[sent.size()].Date, "4-Dec-03");
            EXPECT_EQ(read.back().Volume, 0);
        }
        if (HasFailure()) break;
    }
    // Rows as the service writes them are taken; mutations both ways.
    EXPECT_EQ(plainRefused, 0);
    EXPECT_GT(taken, 1000);
    EXPECT_GT(takenMutated, 150);
    EXPECT_GT(refused, 1000);
}

}  // namespace
