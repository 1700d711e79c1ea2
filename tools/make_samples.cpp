// Writes the shipped sample stock quote files, and the tables the quote
// server serves when the program is tried out, from fixed seeds, so that both
// can be made again byte for byte:
//     make_samples <output folder>                   NRDQ.zrq, trvx.zrq
//     make_samples --quote-service <output folder>   SYMBOL.csv for quote_server
// The server's NRDQ and trvx go on from where the samples end, so that
// updating a sample fetches new days. Prices follow a geometric random walk with daily open/high/low/close and a
// volume that rises on large moves; weekends and a few holidays are skipped.

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;

struct Quote {
    year_month_day date;
    double open, high, low, close;
    long long volume;
};

// Box-Muller over mt19937, whose output the standard fixes, so every
// compiler writes the same files.
class Normal {
public:
    explicit Normal(std::uint32_t seed) : rng_(seed) {}
    double Next() {
        double u1 = (static_cast<double>(rng_()) + 1.0) / 4294967297.0;
        double u2 = static_cast<double>(rng_()) / 4294967296.0;
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }
    double Uniform() { return static_cast<double>(rng_()) / 4294967296.0; }

private:
    std::mt19937 rng_;
};

bool IsTradingDay(year_month_day d) {
    weekday wd{sys_days{d}};
    if (wd == Saturday || wd == Sunday) return false;
    unsigned m = static_cast<unsigned>(d.month()), day = static_cast<unsigned>(d.day());
    return !((m == 1 && day == 1) || (m == 7 && day == 4) || (m == 12 && day == 25) || (m == 12 && day == 26));
}

double Cents(double v) { return std::round(v * 100.0) / 100.0; }

std::vector<Quote> Generate(year_month_day first, int days, double startPrice, double drift, double volatility,
                            long long baseVolume, std::uint32_t seed) {
    Normal random(seed);
    std::vector<Quote> quotes;
    double close = startPrice;
    sys_days day{first};
    while (static_cast<int>(quotes.size()) < days) {
        year_month_day ymd{day};
        day += sys_days::duration{1};
        if (!IsTradingDay(ymd)) continue;
        double gap = volatility * 0.3 * random.Next();
        double move = drift + volatility * random.Next();
        double open = Cents(close * std::exp(gap));
        double next = Cents(close * std::exp(gap + move));
        double spread = volatility * std::fabs(random.Next()) * 0.6 + volatility * 0.2;
        double high = Cents(std::max(open, next) * (1.0 + spread * random.Uniform()));
        double low = Cents(std::min(open, next) * (1.0 - spread * random.Uniform()));
        double activity = 1.0 + 25.0 * std::fabs(move) + 0.3 * random.Next();
        long long volume = static_cast<long long>(baseVolume * std::max(0.2, activity)) / 100 * 100;
        quotes.push_back({ymd, open, high, low, next, volume});
        close = next;
    }
    return quotes;
}

const char* MonthName(unsigned m) {
    static const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names[m - 1];
}

// The quote service's date text: day without leading zero, month name, two-digit year.
std::string DateText(year_month_day d) {
    char text[16];
    std::snprintf(text, sizeof text, "%u-%s-%02d", static_cast<unsigned>(d.day()),
                  MonthName(static_cast<unsigned>(d.month())), static_cast<int>(d.year()) % 100);
    return text;
}

void Write(const std::filesystem::path& path, const std::string& symbol, year_month_day requestStart,
           year_month_day requestEnd, const std::vector<Quote>& quotes) {
    std::ofstream out(path, std::ios::binary);
    out << static_cast<unsigned>(requestStart.month()) - 1 << ',' << static_cast<unsigned>(requestStart.day()) << ','
        << static_cast<int>(requestStart.year()) << ',' << static_cast<unsigned>(requestEnd.month()) - 1 << ','
        << static_cast<unsigned>(requestEnd.day()) << ',' << static_cast<int>(requestEnd.year()) << ',' << symbol
        << "\r\n";
    for (auto q = quotes.rbegin(); q != quotes.rend(); ++q) {
        char line[160];
        std::snprintf(line, sizeof line, "%s,%.2f,%.2f,%.2f,%.2f,%lld\r\n", DateText(q->date).c_str(), q->open,
                      q->high, q->low, q->close, q->volume);
        out << line;
    }
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

// A quote server table: the service's column line, then the rows newest first.
void WriteTable(const std::filesystem::path& path, const std::vector<Quote>& quotes) {
    std::ofstream out(path, std::ios::binary);
    out << "Date,Open,High,Low,Close,Volume\n";
    for (auto q = quotes.rbegin(); q != quotes.rend(); ++q) {
        char line[160];
        std::snprintf(line, sizeof line, "%s,%.2f,%.2f,%.2f,%.2f,%lld\n", DateText(q->date).c_str(), q->open, q->high,
                      q->low, q->close, q->volume);
        out << line;
    }
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

// The two samples' walks; Extra days carry them on past the samples' end,
// the same seed drawing the same days first.
std::vector<Quote> LongRun(int extra) {
    return Generate(2014y / January / 2, 2520 + extra, 41.37, 0.00012, 0.016, 2'400'000, 20140102u);
}
std::vector<Quote> ShortRun(int extra) {
    return Generate(2024y / March / 1, 64 + extra, 12.80, -0.0005, 0.028, 380'000, 20240301u);
}

void WriteSamples(const std::filesystem::path& folder) {
    auto longRun = LongRun(0);
    Write(folder / "NRDQ.zrq", "NRDQ", 2014y / January / 2, longRun.back().date, longRun);
    auto shortRun = ShortRun(0);
    Write(folder / "trvx.zrq", "trvx", 2024y / March / 1, shortRun.back().date, shortRun);
}

// Plain symbols come whole in one reply; VLMR.DE, with more than two pages of
// rows, comes 200 rows a page; KSTL.OB has a dot but is not paged.
void WriteQuoteService(const std::filesystem::path& folder) {
    WriteTable(folder / "NRDQ.csv", LongRun(560));
    WriteTable(folder / "trvx.csv", ShortRun(190));
    WriteTable(folder / "VLMR.DE.csv", Generate(2023y / June / 1, 521, 88.40, 0.0003, 0.019, 950'000, 20230601u));
    WriteTable(folder / "KSTL.OB.csv", Generate(2024y / January / 2, 260, 3.15, 0.0, 0.035, 120'000, 20240102u));
}

}  // namespace

int main(int argc, char** argv) {
    const bool service = argc == 3 && std::string(argv[1]) == "--quote-service";
    if (argc != 2 && !service) {
        std::cerr << "usage: make_samples <output folder>\n"
                     "       make_samples --quote-service <output folder>\n";
        return 2;
    }
    std::filesystem::path folder = argv[argc - 1];
    std::filesystem::create_directories(folder);
    try {
        if (service)
            WriteQuoteService(folder);
        else
            WriteSamples(folder);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
