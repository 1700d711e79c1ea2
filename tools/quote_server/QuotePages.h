#pragma once
// The quote service's two web pages that the program's Browser page opens:
// the symbol lookup ("/l") and the exchanges ("/sd"), plain HTML made from
// the symbols of the server's folder.

#include <filesystem>
#include <string>

#include "tools/quote_server/QuoteTable.h"

namespace quote_server {

// Every symbol of Folder whose name holds Text (in any case; all of them
// for an empty Text), with its exchange suffix, its number of days and its
// first and last day, under a form that asks again.
std::string SymbolLookupPage(const std::filesystem::path& Folder, const std::string& Text);

// The exchange suffixes of Folder's symbols (what follows the last dot; none
// for a plain symbol), each with its symbols and how the server answers
// them under Mode: 200 rows a page or the whole range in one reply.
std::string ExchangesPage(const std::filesystem::path& Folder, Paging Mode);

}  // namespace quote_server
