#pragma once
// The quote service's reply and the stock quote file it becomes: checking a
// reply's rows before anything is written, and the text the file is written
// with (whole, through ReplaceFile of platform/runtime/FileReplace.h).

#include <optional>
#include <span>
#include <string>
#include <vector>

// The rows of a reply body: the column line ("Date,...") dropped, then one
// row per line, newest first, without line ends. An empty body has no rows;
// nothing when the body is not quote rows (an HTML page, garbage, a row
// cut short, any row that IsQuoteRow refuses).
std::optional<std::vector<std::string>> ParseQuoteReply(const std::string& Body);

// "5-Dec-03,1.0,1.2,0.9,1.1,1500": a row that the stock quote file reader
// takes (parseQuoteRow, app/quoterow.h), whose date is a day of month, a
// month name and a year, so that a reply's rows always make a file that
// opens, with the same quotes.
bool IsQuoteRow(const std::string& Row);

// The day of month before a row's first "-"; 0 when there is none.
int RowDay(const std::string& Row);

// A row's date as year, month counted from 0 and day; false when the row
// does not begin with one. Two-digit years from 70 are 19yy, below 70 20yy.
bool RowDate(const std::string& Row, int& Year, int& Month0, int& Day);

// The rows of a stock quote file after its header line, any length, without
// line ends; blank lines skipped.
std::vector<std::string> SplitFileRows(const std::string& Text);

// The text of a stock quote file as Download and Update write it: the header
// line, then the rows, every line ended by "\n".
std::string QuoteFileText(const std::string& HeaderLine, std::span<const std::string> NewRows,
                          std::span<const std::string> OldRows = {});
