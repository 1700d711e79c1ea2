#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/host/Registry.h"

extern char** environ;

namespace {

const char* const kInitKey = "Software\\Halvorsk\\Velmora\\init";
const char* const kChildVariable = "VELMORA_REGISTRY_CHILD_EXPECTS";

// Started again by SeparateProcessReadsTheSettings, this program only reads
// one value (from the folder the parent's environment names) and exits with
// 0 when it holds what the parent wrote. It runs before the test main, which
// would give this process a settings folder of its own.
const bool childRun = [] {
    const char* expected = std::getenv(kChildVariable);
    if (!expected) return false;
    bool ok = false;
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        ok = reg.OpenKey(kInitKey, false) && reg.ReadString("initOpenDir") == expected;
    }
    std::_Exit(ok ? 0 : 3);
}();

std::filesystem::path SettingsFile() {
    return std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Velmora" / "Velmora.ini";
}

// Every test starts from an empty store.
class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        TRegistry reg;
        reg.DeleteKey("\\Software");
        reg.DeleteKey("\\Other");
    }
};

TEST_F(Registry, ValuesSurviveARestart) {
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey(kInitKey, true));
        EXPECT_EQ(reg.GetCurrentPath(), kInitKey);
        reg.WriteString("initOpenDir", "/home/ann/quotes");
        reg.WriteInteger("count", -42);
        reg.WriteBool("flag", true);
    }
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey(kInitKey, false));
    EXPECT_EQ(reg.ReadString("initOpenDir"), "/home/ann/quotes");
    EXPECT_EQ(reg.ReadInteger("count"), -42);
    EXPECT_TRUE(reg.ReadBool("flag"));
    EXPECT_EQ(reg.ReadString("helpFileDir"), "");  // missing reads empty
    EXPECT_FALSE(reg.ValueExists("helpFileDir"));
    EXPECT_TRUE(std::filesystem::is_regular_file(SettingsFile()));
}

TEST_F(Registry, SeparateProcessReadsTheSettings) {
    std::string value = "/data/quotes-" + std::to_string(getpid());
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey(kInitKey, true));
        reg.WriteString("initOpenDir", value.c_str());
    }
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back(std::string(kChildVariable) + "=" + value);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    char self[] = "/proc/self/exe";
    char* argv[] = {self, nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, self, nullptr, nullptr, argv, envp.data()), 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the other process did not read " << value;
}

TEST_F(Registry, BothRootKeysReachTheSameStore) {
    TRegistry machine;
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(machine.OpenKey("Other\\Shared", true));
    machine.WriteString("v", "1");
    TRegistry user;
    EXPECT_EQ(user.GetRootKey(), HKEY_CURRENT_USER);
    ASSERT_TRUE(user.OpenKey("Other\\Shared", false));
    EXPECT_EQ(user.ReadString("v"), "1");
    machine.SetRootKey(HKEY_CURRENT_USER);  // switching roots closes the key
    EXPECT_EQ(machine.GetCurrentPath(), "");
}

TEST_F(Registry, KeysOpenRelativeOrAbsoluteAndCreatedKeysPersist) {
    {
        TRegistry reg;
        EXPECT_FALSE(reg.OpenKey("Software\\Missing", false));
        EXPECT_EQ(reg.GetCurrentPath(), "");
        ASSERT_TRUE(reg.OpenKey("Software", true));
        ASSERT_TRUE(reg.OpenKey("Halvorsk\\Empty\\", true));  // relative to Software
        EXPECT_EQ(reg.GetCurrentPath(), "Software\\Halvorsk\\Empty");
        EXPECT_TRUE(reg.KeyExists("\\Software\\Halvorsk"));
        ASSERT_TRUE(reg.OpenKey("\\Other", true));  // absolute
        EXPECT_EQ(reg.GetCurrentPath(), "Other");
        reg.CloseKey();
        EXPECT_EQ(reg.GetCurrentPath(), "");
    }
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("Software\\Halvorsk\\Empty"));  // no values, still there
    EXPECT_TRUE(reg.KeyExists("Other"));
    EXPECT_FALSE(reg.KeyExists("Software\\Halvorsk\\Empty\\Deeper"));
    EXPECT_TRUE(reg.OpenKey("Software\\Halvorsk\\Empty", false));
}

TEST_F(Registry, DeletingValuesAndKeys) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Other\\A", true));
    reg.WriteString("x", "1");
    reg.WriteString("y", "2");
    ASSERT_TRUE(reg.OpenKey("B", true));
    reg.WriteString("z", "3");
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKey("Other\\A", false));
    EXPECT_TRUE(reg.DeleteValue("x"));
    EXPECT_FALSE(reg.DeleteValue("x"));
    EXPECT_FALSE(reg.ValueExists("x"));
    EXPECT_TRUE(reg.ValueExists("y"));
    EXPECT_TRUE(reg.DeleteValue("y"));
    EXPECT_TRUE(reg.KeyExists("\\Other\\A"));  // a key outlives its last value
    EXPECT_TRUE(reg.DeleteKey("B"));
    EXPECT_FALSE(reg.KeyExists("B"));
    EXPECT_FALSE(reg.DeleteKey("B"));
    reg.CloseKey();
    EXPECT_TRUE(reg.DeleteKey("Other"));
    EXPECT_FALSE(reg.KeyExists("Other\\A"));
    TRegistry later;
    EXPECT_FALSE(later.OpenKey("Other\\A", false));
}

TEST_F(Registry, AwkwardNamesAndValuesRoundTrip) {
    const std::pair<const char*, const char*> values[] = {
        {"commas", "a, b, c"},
        {"quotes", "say \"hi\" 'there'"},
        {"lines", "one\r\ntwo\n"},
        {"at", "@Variant(not really)"},
        {"utf8", "Z\xC3\xBCrich \xE2\x82\xAC"},
        {"a/b\\c%2F", "slashes in the name"},
        {"", "the unnamed value"},
        {"empty", ""},
        {"spaces ", "  padded  "},
        {"%@key", "looks like a marker"},
        {"semicolon", "a; b ;c"},
        {"hash", "#1"},
        {"quoted", "\"in quotes\""},
        {"backslashes", "C:\\new\\x41\\"},
        {"tab", "a\tb"},
        {"control", "bell\x07"},
        {"blank and backslashes", " C:\\new\\x41\\ "},
    };
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Other\\Odd/Key", true));
        for (const auto& [name, value] : values) reg.WriteString(name, value);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Other\\Odd/Key", false));
    for (const auto& [name, value] : values) {
        EXPECT_TRUE(reg.ValueExists(name)) << name;
        EXPECT_EQ(reg.ReadString(name), value) << name;
    }
    EXPECT_FALSE(reg.KeyExists("Odd"));  // "/" is part of the name, not a separator
}

// The file as a person edits it.
void WriteSettingsFile(const std::string& Text) {
    std::filesystem::create_directories(SettingsFile().parent_path());
    std::ofstream out(SettingsFile(), std::ios::binary | std::ios::trunc);
    out << Text;
}

std::string ReadSettingsFile() {
    std::ifstream in(SettingsFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(Registry, HandWrittenValuesReadAsWritten) {
    WriteSettingsFile(
        "; written by hand\n"
        "[Software\\Halvorsk\\Velmora\\init]\n"
        "initOpenDir = /home/u/quotes, old\n"
        "quoteServiceUrl=http://127.0.0.1:8080/a,b;c\r\n"
        "# not a value=1\n"
        "helpFileDir=C:\\help\\new.hlp ; the old one\n"
        "padded=\"  two blanks  \"\n"
        "half=\"open only\n"
        "count= 12\n"
        "[Other]\n"
        "Deep\\Key\\v=x=y\n");
    const std::pair<const char*, const char*> expected[] = {
        {"initOpenDir", "/home/u/quotes, old"},
        {"quoteServiceUrl", "http://127.0.0.1:8080/a,b;c"},
        {"helpFileDir", "C:\\help\\new.hlp ; the old one"},
        {"padded", "  two blanks  "},
        {"half", "\"open only"},
    };
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kInitKey, false));
        for (const auto& [name, value] : expected) EXPECT_EQ(reg.ReadString(name), value) << name;
        EXPECT_EQ(reg.ReadInteger("count"), 12);
        EXPECT_FALSE(reg.ValueExists("# not a value"));
        ASSERT_TRUE(reg.OpenKey("\\Other\\Deep\\Key", false));
        EXPECT_EQ(reg.ReadString("v"), "x=y");
        // A value the program writes leaves the hand-written ones as they read.
        reg.CloseKey();
        ASSERT_TRUE(reg.OpenKey(kInitKey, false));
        reg.WriteString("initSaveDir", "/home/u/out; new, too");
    }
    EXPECT_NE(ReadSettingsFile().find("\ninitSaveDir=/home/u/out; new, too\n"), std::string::npos)
        << "plain text stays plain for the next person who edits the file:\n" << ReadSettingsFile();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kInitKey, false));
    for (const auto& [name, value] : expected) EXPECT_EQ(reg.ReadString(name), value) << name;
    EXPECT_EQ(reg.ReadString("initSaveDir"), "/home/u/out; new, too");
}

TEST_F(Registry, IntegersMustBeNumbers) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Other", true));
    reg.WriteString("text", "abc");
    reg.WriteBool("off", false);
    EXPECT_FALSE(reg.ReadBool("off"));
    EXPECT_EQ(reg.ReadString("off"), "0");
    for (const char* name : {"text", "missing"}) {
        try {
            reg.ReadInteger(name);
            ADD_FAILURE() << name << " read as an integer";
        } catch (const ERegistryException& e) {
            EXPECT_EQ(e.GetMessage(), AnsiString("Invalid data type for '") + name + "'");
        }
    }
    EXPECT_THROW(reg.ReadBool("missing"), ERegistryException);
}

TEST_F(Registry, AFailedWriteRaisesAndIsNotStoredLater) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Other", true));
        reg.WriteString("kept", "old");
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Other", false));
    // A folder where the settings file should be: nothing can be saved.
    std::filesystem::path file = SettingsFile();
    std::filesystem::path aside = file;
    aside += ".aside";
    std::filesystem::rename(file, aside);
    std::filesystem::create_directory(file);
    try {
        reg.WriteString("kept", "new");
        ADD_FAILURE() << "the write did not fail";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.GetMessage(), "Failed to set data for 'kept'");
    }
    EXPECT_THROW(reg.WriteInteger("fresh", 1), ERegistryException);
    std::filesystem::remove(file);
    std::filesystem::rename(aside, file);
    reg.WriteString("other", "x");  // a later good write stores only itself
    TRegistry again;
    ASSERT_TRUE(again.OpenKey("Other", false));
    EXPECT_EQ(again.ReadString("kept"), "old");
    EXPECT_FALSE(again.ValueExists("fresh"));
    EXPECT_EQ(again.ReadString("other"), "x");
}

}  // namespace
