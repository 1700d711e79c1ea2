// Test main: every test program runs headless, with its own settings folder,
// starts the host before the first test and stops the clock for each test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/host/Host.h"
#include "platform/testing/TestClock.h"

namespace {

// Every test starts with the clock stopped (TestClock.h): no timer fires and
// no time-out passes unless the test moves the clock, so nothing a test sees
// depends on the machine's speed. A test that needs real time runs it.
class StoppedClockForEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { StopClock(); }
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
    ::testing::UnitTest::GetInstance()->listeners().Append(new StoppedClockForEachTest);
    int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(config, ignored);
    return result;
}
