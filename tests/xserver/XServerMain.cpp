// The main of the X server tests, in place of the support library's: the
// host must start on the X server's display, so the server comes first.
// "--window-manager=NAME" runs that window manager on it too. Where the
// server cannot start, the host starts headless and the tests skip.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "XServer.h"
#include "platform/host/Host.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::string manager;
    const std::string option = "--window-manager=";
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind(option, 0) == 0) manager = std::string(argv[i]).substr(option.size());
    auto config = std::filesystem::temp_directory_path() / ("velmora-test-config-" + std::to_string(getpid()));
    std::filesystem::create_directories(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    std::string why;
    if (StartXServer(manager, why)) {
        SetXServerAbsence("");
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    } else {
        SetXServerAbsence(why);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    StartHost(argc, argv);
    int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(config, ignored);
    return result;
}
