#pragma once
// Which symbols the quote service answers 200 rows at a time. The quote
// server (tools/quote_server) includes this header as well, so that it pages
// exactly the symbols the program pages; it therefore stays header-only and
// includes nothing but the standard library.

#include <string_view>

// The rows of one page of a paged symbol's reply.
constexpr int kQuotePageRows = 200;

// A one- or two-letter suffix after a dot ("ABC.L", "ABC.TO"), except
// ".OB" in any case, counted on the symbol as the user typed it.
constexpr bool IsPagedQuoteSymbol(std::string_view Symbol) {
    const std::size_t n = Symbol.size();
    if (n < 3) return false;
    if (Symbol[n - 3] != '.' && Symbol[n - 2] != '.') return false;
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return !(Symbol[n - 3] == '.' && upper(Symbol[n - 2]) == 'O' && upper(Symbol[n - 1]) == 'B');
}
