#pragma once
// A quote server on 127.0.0.1 with a port of its own, serving CSV files
// written into a temp folder (or a folder given); started on construction,
// stopped on destruction.

#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "tools/quote_server/QuoteServer.h"

class LocalQuoteServer {
public:
    // An empty Options.folder is the server's own temp folder, the one
    // WriteSymbol writes into.
    explicit LocalQuoteServer(quote_server::Options Options = {});

    // Writes SYMBOL.csv: the heading line, then the rows as given (newest first).
    void WriteSymbol(const std::string& Symbol, const std::vector<std::string>& Rows);
    int Port() const { return server_->Port(); }
    // "http://127.0.0.1:port" + Target.
    std::string Url(const std::string& Target = "/") const;
    // The URL of one page of a symbol's table over all dates.
    std::string PageUrl(const std::string& Symbol, int Offset) const;
    std::vector<quote_server::Served> Log() const { return server_->Log(); }

private:
    TempDir folder_;
    std::unique_ptr<quote_server::Server> server_;
};

// The heading line of every table.
extern const char* const kQuoteHeading;
// Count rows "d-Mon-yy,open,high,low,close,volume", newest first, one per
// calendar day ending at Newest (yyyymmdd); the open price counts the rows
// down, so every row is different.
std::vector<std::string> MakeQuoteRows(int Count, int Newest = 20031205);
