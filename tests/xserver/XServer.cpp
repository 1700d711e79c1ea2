// Xvfb and a window manager started for the test program, and the X
// server's answers read from the output of xwininfo and xprop.
#include "XServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

namespace {

std::string absence = "no X server was started";

bool Installed(const std::string& Program) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':'))
        if (!dir.empty() && access((dir + "/" + Program).c_str(), X_OK) == 0) return true;
    return false;
}

// Starts Argv[0] from PATH with its output dropped; it gets SIGTERM when
// this program ends, however it ends. KeepFd stays open in it.
pid_t Spawn(const std::vector<std::string>& Argv, int KeepFd = -1) {
    std::vector<char*> args;
    for (const std::string& a : Argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    for (int fd = 3; fd < 1024; ++fd)
        if (fd != KeepFd) close(fd);
    execvp(args[0], args.data());
    _exit(127);
}

std::string Run(const std::string& Command) {
    std::string output;
    FILE* pipe = popen((Command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    pclose(pipe);
    return output;
}

std::string Hex(unsigned long Window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", Window);
    return text;
}

unsigned long FirstWindowAfter(const std::string& Text, const std::string& Label) {
    std::smatch m;
    if (!std::regex_search(Text, m, std::regex(Label + R"(\s*(0x[0-9a-fA-F]+))"))) return 0;
    return std::stoul(m[1].str(), nullptr, 16);
}

// Polls Ready (an outside program's state) every 50 ms for up to 30 s.
bool WaitFor(const std::function<bool()>& Ready) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!Ready()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

}  // namespace

const std::string& XServerAbsence() { return absence; }
void SetXServerAbsence(const std::string& Why) { absence = Why; }

bool StartXServer(const std::string& WindowManager, std::string& Why) {
    std::vector<std::string> needed = {"Xvfb", "xwininfo", "xprop", "xdotool"};
    if (!WindowManager.empty()) needed.push_back(WindowManager);
    for (const std::string& program : needed) {
        if (!Installed(program)) {
            Why = program + " is not installed";
            return false;
        }
    }
    // Xvfb picks a free display itself and writes its number to the pipe
    // once it takes connections.
    int ready[2];
    if (pipe(ready) != 0) {
        Why = "no pipe for Xvfb";
        return false;
    }
    Spawn({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
          ready[1]);
    close(ready[1]);
    std::string display;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 30000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') display += c;
    close(ready[0]);
    if (display.empty() || c != '\n') {
        Why = "Xvfb did not start";
        return false;
    }
    setenv("DISPLAY", (":" + display).c_str(), 1);
    if (WindowManager.empty()) return true;

    std::vector<std::string> manager = {WindowManager};
    if (WindowManager == "matchbox-window-manager") manager.insert(manager.end(), {"-use_titlebar", "no"});
    Spawn(manager);
    if (!WaitFor([] { return FirstWindowAfter(Run("xprop -root _NET_SUPPORTING_WM_CHECK"), "window id #") != 0; })) {
        Why = WindowManager + " did not start";
        return false;
    }
    return true;
}

unsigned long TopViewableWindow() {
    // xwininfo lists the root's children top first, each line holding
    // five spaces and the window's id.
    std::istringstream lines(Run("xwininfo -root -children"));
    std::string line;
    const std::regex child(R"(^ {5}(0x[0-9a-fA-F]+) )");
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_search(line, m, child)) continue;
        if (Run("xwininfo -id " + m[1].str()).find("Map State: IsViewable") != std::string::npos)
            return std::stoul(m[1].str(), nullptr, 16);
    }
    return 0;
}

unsigned long TopLevelOf(unsigned long Window) {
    for (int depth = 0; Window && depth < 16; ++depth) {
        const std::string info = Run("xwininfo -children -id " + Hex(Window));
        const unsigned long root = FirstWindowAfter(info, "Root window id:");
        const unsigned long parent = FirstWindowAfter(info, "Parent window id:");
        if (!root || !parent) return 0;
        if (parent == root) return Window;
        Window = parent;
    }
    return 0;
}

unsigned long TransientFor(unsigned long Window) {
    return FirstWindowAfter(Run("xprop -id " + Hex(Window) + " WM_TRANSIENT_FOR"), "window id #");
}

bool ClickOnScreen(int X, int Y) {
    return std::system(("xdotool mousemove --sync " + std::to_string(X) + " " + std::to_string(Y) +
                        " click 1 >/dev/null 2>&1")
                           .c_str()) == 0;
}
