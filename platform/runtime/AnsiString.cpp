#include "platform/runtime/AnsiString.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/SysUtils.h"

AnsiString::AnsiString(int v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(long long v) : s_(std::to_string(v)) {}
AnsiString::AnsiString(double v) : s_(FloatToStr(v).str()) {}

static void CheckIndex(int index, int length) {
    if (index < 1 || index > length)
        throw ERangeError("Range check error: index " + std::to_string(index) + " of " + std::to_string(length));
}

char& AnsiString::operator[](int index) {
    CheckIndex(index, Length());
    return s_[static_cast<std::size_t>(index - 1)];
}

char AnsiString::operator[](int index) const {
    CheckIndex(index, Length());
    return s_[static_cast<std::size_t>(index - 1)];
}

AnsiString AnsiString::SubString(int index, int count) const {
    if (index < 1) {
        count += index - 1;
        index = 1;
    }
    if (count <= 0 || index > Length()) return AnsiString();
    return AnsiString(s_.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

int AnsiString::Pos(const AnsiString& sub) const {
    if (sub.IsEmpty()) return 0;
    auto p = s_.find(sub.s_);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

int AnsiString::LastDelimiter(const AnsiString& delimiters) const {
    auto p = s_.find_last_of(delimiters.s_);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

AnsiString& AnsiString::Delete(int index, int count) {
    if (index >= 1 && index <= Length() && count > 0)
        s_.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
    return *this;
}

AnsiString& AnsiString::Insert(const AnsiString& str, int index) {
    index = std::clamp(index, 1, Length() + 1);
    s_.insert(static_cast<std::size_t>(index - 1), str.s_);
    return *this;
}

AnsiString& AnsiString::SetLength(int newLength) {
    s_.resize(static_cast<std::size_t>(std::max(0, newLength)));
    return *this;
}

AnsiString AnsiString::UpperCase() const {
    std::string r = s_;
    std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return AnsiString(std::move(r));
}

AnsiString AnsiString::LowerCase() const {
    std::string r = s_;
    std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return AnsiString(std::move(r));
}

// The class library trims every control character and the space.
static bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

AnsiString AnsiString::TrimLeft() const {
    auto b = std::find_if_not(s_.begin(), s_.end(), IsTrimmed);
    return AnsiString(std::string(b, s_.end()));
}

AnsiString AnsiString::TrimRight() const {
    auto e = std::find_if_not(s_.rbegin(), s_.rend(), IsTrimmed).base();
    return AnsiString(std::string(s_.begin(), e));
}

AnsiString AnsiString::Trim() const { return TrimLeft().TrimRight(); }

int AnsiString::ToInt() const { return StrToInt(*this); }
int AnsiString::ToIntDef(int defaultValue) const { return StrToIntDef(*this, defaultValue); }
double AnsiString::ToDouble() const { return StrToFloat(*this); }

int AnsiString::AnsiCompare(const AnsiString& o) const {
    int r = s_.compare(o.s_);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int AnsiString::AnsiCompareIC(const AnsiString& o) const { return UpperCase().AnsiCompare(o.UpperCase()); }

AnsiString AnsiString::StringOfChar(char c, int count) {
    return AnsiString(std::string(static_cast<std::size_t>(std::max(0, count)), c));
}

void PrintTo(const AnsiString& s, std::ostream* os) { *os << '"' << s.str() << '"'; }
