#include "tools/quote_server/QuotePages.h"

#include <cctype>
#include <map>
#include <utility>
#include <vector>

namespace quote_server {

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// ".DE" for "VLMR.DE"; empty for a symbol without a dot after its first character.
std::string Suffix(const std::string& symbol) {
    std::size_t dot = symbol.rfind('.');
    return dot == std::string::npos || dot == 0 ? std::string() : symbol.substr(dot);
}

std::string Page(const std::string& title, const std::string& content) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head>\n<body>\n<h1>" +
           title + "</h1>\n" + content + "</body></html>\n";
}

// The date text of a row: what comes before its first comma.
std::string DateOf(const std::string& row) { return row.substr(0, row.find(',')); }

}  // namespace

std::string SymbolLookupPage(const std::filesystem::path& Folder, const std::string& Text) {
    std::string content =
        "<form action=\"/l\" method=\"get\"><label>Symbol or part of one: <input name=\"s\" value=\"" + Escape(Text) +
        "\"></label> <input type=\"submit\" value=\"Look up\"></form>\n";
    std::string rows;
    for (const std::string& symbol : ListSymbols(Folder)) {
        if (Lower(symbol).find(Lower(Text)) == std::string::npos) continue;
        auto file = LoadQuoteFile(Folder, symbol);
        if (!file) continue;
        const bool any = !file->rows.empty();
        rows += "<tr><td>" + Escape(symbol) + "</td><td>" + Escape(Suffix(symbol)) + "</td><td>" +
                std::to_string(file->rows.size()) + "</td><td>" + (any ? Escape(DateOf(file->rows.back())) : "") +
                "</td><td>" + (any ? Escape(DateOf(file->rows.front())) : "") + "</td></tr>\n";
    }
    if (rows.empty()) {
        content += "<p>No symbol found.</p>\n";
    } else {
        content += "<table border=\"1\">\n<tr><th>Symbol</th><th>Exchange</th><th>Days</th><th>First day</th>"
                   "<th>Last day</th></tr>\n" +
                   rows + "</table>\n";
    }
    return Page("Symbol Lookup", content + "<p><a href=\"/sd\">Exchanges</a></p>\n");
}

std::string ExchangesPage(const std::filesystem::path& Folder, Paging Mode) {
    // Keyed by the paging too, so that a row never claims a rule one of its
    // symbols escapes (only odd symbols such as "A." and "X.." could).
    std::map<std::pair<std::string, bool>, std::vector<std::string>> groups;
    for (const std::string& symbol : ListSymbols(Folder))
        groups[{Suffix(symbol), PagesSymbol(Mode, symbol)}].push_back(symbol);
    std::string rows;
    for (const auto& [key, symbols] : groups) {
        std::string names;
        for (const std::string& symbol : symbols) names += (names.empty() ? "" : ", ") + Escape(symbol);
        const std::string replies =
            key.second ? std::to_string(kQuotePageRows) + " rows a page" : "the whole range in one reply";
        rows += "<tr><td>" + (key.first.empty() ? std::string("(none)") : Escape(key.first)) + "</td><td>" + names +
                "</td><td>" + replies + "</td></tr>\n";
    }
    std::string content =
        rows.empty() ? std::string("<p>No symbols.</p>\n")
                     : "<table border=\"1\">\n<tr><th>Suffix</th><th>Symbols</th><th>Replies</th></tr>\n" + rows +
                           "</table>\n";
    return Page("Exchanges", content + "<p><a href=\"/l\">Symbol Lookup</a></p>\n");
}

}  // namespace quote_server
