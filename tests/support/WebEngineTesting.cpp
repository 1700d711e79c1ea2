#include "WebEngineTesting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/testing/TestInput.h"

void KeepWebEngineDataApart() {
    const std::string config = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "/tmp";
    setenv("XDG_DATA_HOME", (config + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (config + "/cache").c_str(), 1);
}

bool LibraryMapped(const std::string& Name) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        const std::size_t slash = line.rfind('/');
        if (slash != std::string::npos && line.find(Name, slash) != std::string::npos) return true;
    }
    return false;
}

bool WebEngineMapped() { return LibraryMapped("libQt6WebEngineCore"); }

std::vector<std::string> EventsUntilComplete(const std::vector<std::string>& Events, std::size_t& Seen) {
    EXPECT_TRUE(ProcessMessagesUntil(
        [&] {
            for (std::size_t i = Seen; i < Events.size(); ++i)
                if (Events[i].rfind("complete", 0) == 0) return true;
            return false;
        },
        60000))
        << "no page completed in time";
    std::vector<std::string> fresh(Events.begin() + static_cast<std::ptrdiff_t>(Seen), Events.end());
    Seen = Events.size();
    return fresh;
}
