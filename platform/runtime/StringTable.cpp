// The program's numbered texts. Components look a text up on every use, so a
// replaced text shows at once.
#include <map>
#include <mutex>

#include "platform/runtime/SysUtils.h"

namespace {

struct StringTable {
    std::mutex lock;
    std::map<int, AnsiString> texts;
};

StringTable& Table() {
    static StringTable table;
    return table;
}

}  // namespace

AnsiString LoadStr(int Ident) {
    StringTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.texts.find(Ident);
    return it == t.texts.end() ? AnsiString() : it->second;
}

void SetResourceString(int Ident, const AnsiString& Text) {
    StringTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    t.texts[Ident] = Text;
}

void RemoveResourceString(int Ident) {
    StringTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    t.texts.erase(Ident);
}
