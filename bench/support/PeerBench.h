#pragma once
// The peer: another charting program's benchmark (VELMORA_PEER_BENCH names
// its binary, ../shared/peers/qcp-bench built), run as a child process right
// after our own measurement of the same size, so that both see the machine
// in the same state. It prints "case N median_ms min_ms reps" rows; its
// quotes are dumped once to a file that our benchmarks read, so both draw
// the same data.

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <unistd.h>

// The peer's binary, or nullptr when none is named.
inline const char* PeerBenchBinary() {
    const char* peer = std::getenv("VELMORA_PEER_BENCH");
    return peer && *peer ? peer : nullptr;
}

// Points VELMORA_BENCH_QUOTES_CSV at the peer's Count quotes, unless a
// quote file is named already.
inline void UsePeerQuotes(int Count) {
    const char* peer = PeerBenchBinary();
    if (!peer || std::getenv("VELMORA_BENCH_QUOTES_CSV")) return;
    const std::string file = "/tmp/velmora-peer-quotes-" + std::to_string(getpid()) + ".csv";
    const std::string command = std::string(peer) + " --dump-csv " + std::to_string(Count) + " " + file;
    if (std::system(command.c_str()) == 0) setenv("VELMORA_BENCH_QUOTES_CSV", file.c_str(), 1);
}

// The peer's median milliseconds of "<Case>/draw" at Count quotes; 0 when
// it cannot be had. Each size runs the peer once, for every case.
inline double PeerDrawMs(const std::string& Case, int Count) {
    static std::map<int, std::map<std::string, double>> medians;
    const char* peer = PeerBenchBinary();
    if (!peer) return 0;
    if (!medians.count(Count)) {
        auto& row = medians[Count];
        const std::string command = std::string(peer) + " --sizes " + std::to_string(Count) +
                                    " --min-reps 5 --min-seconds 1 --max-reps 200 --png-n 0 --out /tmp 2>/dev/null";
        if (std::FILE* out = popen(command.c_str(), "r")) {
            char line[256], name[64];
            int n, reps;
            double median, least;
            while (std::fgets(line, sizeof line, out))
                if (std::sscanf(line, "%63s %d %lf %lf %d", name, &n, &median, &least, &reps) == 5) row[name] = median;
            pclose(out);
        }
    }
    const auto& row = medians[Count];
    const auto found = row.find(Case + "/draw");
    return found == row.end() ? 0 : found->second;
}
