#pragma once
// The class library's 8-bit string. Text is UTF-8; positions and lengths
// count bytes and are 1-based, as the class library's are.

#include <compare>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

class AnsiString {
public:
    AnsiString() = default;
    AnsiString(const char* s) : s_(s ? s : "") {}
    AnsiString(const char* s, int length) : s_(s, static_cast<std::size_t>(length < 0 ? 0 : length)) {}
    AnsiString(std::string s) : s_(std::move(s)) {}
    AnsiString(std::string_view s) : s_(s) {}
    explicit AnsiString(char c) : s_(1, c) {}
    explicit AnsiString(int v);
    explicit AnsiString(long long v);
    explicit AnsiString(double v);  // as FloatToStr

    const char* c_str() const { return s_.c_str(); }
    const std::string& str() const { return s_; }
    std::string& str() { return s_; }
    int Length() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }

    // 1-based character access; out of range raises ERangeError.
    char& operator[](int index);
    char operator[](int index) const;

    // Count characters from 1-based Index; clipped to the string.
    AnsiString SubString(int index, int count) const;
    // 1-based position of the first occurrence, 0 when absent.
    int Pos(const AnsiString& sub) const;
    // 1-based index of the last character that is one of delimiters, 0 if none.
    int LastDelimiter(const AnsiString& delimiters) const;
    AnsiString& Delete(int index, int count);
    AnsiString& Insert(const AnsiString& str, int index);
    AnsiString& SetLength(int newLength);

    AnsiString UpperCase() const;
    AnsiString LowerCase() const;
    AnsiString Trim() const;
    AnsiString TrimLeft() const;
    AnsiString TrimRight() const;
    int ToInt() const;                    // raises EConvertError
    int ToIntDef(int defaultValue) const;
    double ToDouble() const;              // raises EConvertError
    int AnsiCompare(const AnsiString& o) const;
    int AnsiCompareIC(const AnsiString& o) const;
    static AnsiString StringOfChar(char c, int count);

    AnsiString& operator+=(const AnsiString& o) { s_ += o.s_; return *this; }
    AnsiString& operator+=(const char* o) { s_ += o ? o : ""; return *this; }
    AnsiString& operator+=(char c) { s_ += c; return *this; }
    friend AnsiString operator+(const AnsiString& a, const AnsiString& b) { return AnsiString(a.s_ + b.s_); }
    friend AnsiString operator+(const AnsiString& a, const char* b) { return AnsiString(a.s_ + (b ? b : "")); }
    friend AnsiString operator+(const char* a, const AnsiString& b) { return AnsiString((a ? a : "") + b.s_); }
    friend AnsiString operator+(const AnsiString& a, char b) { return AnsiString(a.s_ + b); }
    friend bool operator==(const AnsiString& a, const AnsiString& b) { return a.s_ == b.s_; }
    friend bool operator==(const AnsiString& a, const char* b) { return a.s_ == (b ? b : ""); }
    friend std::strong_ordering operator<=>(const AnsiString& a, const AnsiString& b) { return a.s_ <=> b.s_; }

private:
    std::string s_;
};

// Shows the text in GoogleTest's failure messages (found by argument lookup).
void PrintTo(const AnsiString& s, std::ostream* os);

using String = AnsiString;
// Text of the controls' WideString properties: UTF-8 like every other string here.
using WideString = AnsiString;
