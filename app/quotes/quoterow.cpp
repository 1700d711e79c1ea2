// The quote row rule: splitting a row into its six fields and reading the
// numbers, always with "." as decimal point whatever the user's settings say.
#include "app/quotes/quoterow.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool parsePrice(std::string_view text, double& value) {
    text = trimBlanks(text);
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// The volume's digits up to a blank (or the end of the field).
bool parseVolume(std::string_view text, std::int64_t& value) {
    text = trimBlanks(text);
    std::size_t stop = 0;
    while (stop < text.size() && !isBlank(text[stop])) ++stop;
    text = text.substr(0, stop);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

QuoteRow parseQuoteRow(std::string_view Row) {
    QuoteRow row;
    // Five fields up to their ","; the volume up to the next "," or the end.
    std::string_view fields[6];
    for (int i = 0; i < 5; ++i) {
        const std::size_t comma = Row.find(',');
        if (comma == std::string_view::npos) {
            row.Fault = QuoteRowFault::FewerThanSixFields;
            return row;
        }
        fields[i] = Row.substr(0, comma);
        Row.remove_prefix(comma + 1);
    }
    fields[5] = Row.substr(0, Row.find(','));
    for (std::string_view field : fields)
        if (field.size() > MaxQuoteFieldLength) {
            row.Fault = QuoteRowFault::FieldTooLong;
            return row;
        }
    if (fields[0].empty()) {
        row.Fault = QuoteRowFault::NoDate;
        return row;
    }
    double* prices[] = {&row.Open, &row.High, &row.Low, &row.Close};
    static constexpr QuoteRowFault priceFaults[] = {QuoteRowFault::BadOpen, QuoteRowFault::BadHigh,
                                                    QuoteRowFault::BadLow, QuoteRowFault::BadClose};
    for (int i = 0; i < 4; ++i)
        if (!parsePrice(fields[i + 1], *prices[i])) {
            row.Fault = priceFaults[i];
            row.Field = fields[i + 1];
            return row;
        }
    if (!parseVolume(fields[5], row.Volume)) {
        row.Fault = QuoteRowFault::BadVolume;
        row.Field = fields[5];
        return row;
    }
    row.Date = fields[0];
    return row;
}
