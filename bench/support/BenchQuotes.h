#pragma once
// The daily quotes the chart benchmarks draw: a file's rows when one is
// named, so that another charting program can be timed on the same data,
// else a random walk that is the same for every run.
//
// VELMORA_BENCH_QUOTES_CSV names the file: a header line, then
// "unix seconds,open,high,low,close,volume" rows, oldest first; a size
// takes the file's first rows.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/runtime/DateUtils.h"
#include "platform/runtime/SysUtils.h"

struct TBenchQuote {
    double date, open, high, low, close, volume;
};

// Days from the TDateTime origin to 1 January 1970, where Unix seconds count from.
constexpr double kUnixEpochDays = 25569;

// The file's first Count quotes; fewer when it has fewer rows that parse.
inline std::vector<TBenchQuote> ReadBenchQuotes(const char* FileName, int Count) {
    std::vector<TBenchQuote> quotes;
    std::FILE* in = std::fopen(FileName, "r");
    if (!in) return quotes;
    char line[512];
    if (!std::fgets(line, sizeof line, in)) Count = 0;
    while (static_cast<int>(quotes.size()) < Count && std::fgets(line, sizeof line, in)) {
        double seconds;
        TBenchQuote q;
        if (std::sscanf(line, "%lf,%lf,%lf,%lf,%lf,%lf", &seconds, &q.open, &q.high, &q.low, &q.close, &q.volume) != 6)
            continue;
        q.date = kUnixEpochDays + seconds / 86400;
        quotes.push_back(q);
    }
    std::fclose(in);
    return quotes;
}

// The quotes of VELMORA_BENCH_QUOTES_CSV when it is set, otherwise a random
// walk of daily quotes around 100 from 1 January 2000.
inline std::vector<TBenchQuote> MakeBenchQuotes(int Count) {
    if (const char* file = std::getenv("VELMORA_BENCH_QUOTES_CSV")) return ReadBenchQuotes(file, Count);
    RandSeed = 42;
    std::vector<TBenchQuote> quotes(static_cast<std::size_t>(Count));
    double last = 100, date = EncodeDate(2000, 1, 1);
    for (TBenchQuote& q : quotes) {
        q.date = date++;
        q.open = last * (1 + (Random() - 0.5) * 0.004);
        q.close = q.open * (1 + (Random() - 0.5) * 0.02);
        q.high = std::max(q.open, q.close) * (1 + Random() * 0.005);
        q.low = std::min(q.open, q.close) * (1 - Random() * 0.005);
        q.volume = 1e6 * (0.5 + Random());
        last = q.close;
    }
    return quotes;
}
