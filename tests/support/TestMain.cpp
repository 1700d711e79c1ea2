// Test main: every test program runs headless, with its own settings folder,
// starts the host before the first test and runs the clock again after each.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/host/Host.h"
#include "platform/testing/TestClock.h"

namespace {

// A test that stopped the clock (TestClock.h) leaves the next one real time.
class RunClockAfterEachTest : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { RunClock(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    auto config = std::filesystem::temp_directory_path() / ("velmora-test-config-" + std::to_string(getpid()));
    std::filesystem::create_directories(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    StartHost(argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new RunClockAfterEachTest);
    int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(config, ignored);
    return result;
}
