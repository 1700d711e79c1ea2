#pragma once
// The quote service's reply and the stock quote file it becomes: checking a
// reply's rows before anything is written, and writing a file whole (beside
// the old one, then renamed into place) so that no reader ever sees it
// half-written, while it stays the same file to the user: links, permissions
// and owner kept.

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

// True when the file is there and may not be written, as an editor decides:
// it has no write permission for anybody (which holds for root too), or none
// for the program's effective user and group.
bool IsReadOnlyFile(const std::string& Path);

// Writes Text to the file Path names (through its links) by way of a
// temporary file beside it, renamed into place with the old file's permission
// bits and owner. False, with the file untouched, when it is read-only or
// cannot be written.
bool WriteFileWhole(const std::string& Path, const std::string& Text);
