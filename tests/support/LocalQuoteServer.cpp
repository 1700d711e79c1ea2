#include "LocalQuoteServer.h"

#include <chrono>
#include <cstdio>
#include <memory>

const char* const kQuoteHeading = "Date,Open,High,Low,Close,Volume";

LocalQuoteServer::LocalQuoteServer(quote_server::Options Options) {
    if (Options.folder.empty()) Options.folder = folder_.Path();
    server_ = std::make_unique<quote_server::Server>(std::move(Options));
    server_->Start();
}

void LocalQuoteServer::WriteSymbol(const std::string& Symbol, const std::vector<std::string>& Rows) {
    std::string text = std::string(kQuoteHeading) + "\n";
    for (const std::string& row : Rows) text += row + "\n";
    folder_.Write(Symbol + ".csv", text);
}

std::string LocalQuoteServer::Url(const std::string& Target) const {
    return "http://127.0.0.1:" + std::to_string(Port()) + Target;
}

std::string LocalQuoteServer::PageUrl(const std::string& Symbol, int Offset) const {
    return Url("/table.csv?a=0&b=1&c=1970&d=11&e=31&f=2010&s=" + Symbol + "&y=" + std::to_string(Offset) +
               "&g=d&ignore=.csv");
}

std::vector<std::string> MakeQuoteRows(int Count, int Newest) {
    using namespace std::chrono;
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    sys_days day{year_month_day{year{Newest / 10000}, month{static_cast<unsigned>(Newest / 100 % 100)},
                                std::chrono::day{static_cast<unsigned>(Newest % 100)}}};
    std::vector<std::string> rows;
    for (int i = 0; i < Count; ++i, day -= days{1}) {
        year_month_day date{day};
        char text[96];
        std::snprintf(text, sizeof text, "%u-%s-%02d,%d.25,%d.75,%d.00,%d.50,%d", static_cast<unsigned>(date.day()),
                      months[static_cast<unsigned>(date.month()) - 1], static_cast<int>(date.year()) % 100,
                      Count - i, Count - i, Count - i, Count - i, 1000 + i);
        rows.push_back(text);
    }
    return rows;
}
