#pragma once
// The one rule for a quote row of a stock quote file, shared by the file
// reader and the check of the quote service's reply, so that a reply the
// check takes always writes a file that opens:
//   date,open,high,low,close,volume[ or , followed by anything]
// The date is any text that is not empty (the reader keeps it as it
// stands); open to close are decimal numbers with a "." as decimal point, an
// optional "-" and exponent, finite in a double; the volume is a whole number
// that fits in 64 bits; a blank or a "," after it ends the row, the rest of
// the line being ignored (up to the next "," it still counts as the volume
// field, for the length). Blanks (spaces, tabs) around a number are allowed. No field
// is longer than MaxQuoteFieldLength characters.

#include <cstdint>
#include <string_view>

constexpr int MaxQuoteFieldLength = 149;

// Why a row is refused, in the order the checks run: the first that fails
// is the one reported.
enum class QuoteRowFault {
    None,
    FewerThanSixFields,
    FieldTooLong,  // one of the six fields is longer than MaxQuoteFieldLength
    NoDate,
    BadOpen,
    BadHigh,
    BadLow,
    BadClose,
    BadVolume,
};

// A row as read: with no fault, the quote; else the fault, and for a number
// that does not read the field at fault (the numbers are then not the row's).
// The views point into the text given to parseQuoteRow.
struct QuoteRow {
    QuoteRowFault Fault = QuoteRowFault::None;
    std::string_view Field;  // the price or volume field at fault, as the row has it
    std::string_view Date;
    double Open = 0;
    double High = 0;
    double Low = 0;
    double Close = 0;
    std::int64_t Volume = 0;

    explicit operator bool() const { return Fault == QuoteRowFault::None; }
};

// Reads one row, without its line end. Any bytes are safe: it never throws
// and reads only the text given.
QuoteRow parseQuoteRow(std::string_view Row);
