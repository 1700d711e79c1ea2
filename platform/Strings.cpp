// TStrings: everything a list of strings can do through its few primitives.
#include <fstream>
#include <iterator>
#include <sstream>

#include "Strings.h"
#include "SysUtils.h"

void TStrings::Error(const char* Message, int Data) const {
    throw EStringListError(AnsiString(Message) + " (" + AnsiString(Data) + ")");
}

void TStrings::Put(int Index, const AnsiString& S) {
    TObject* object = GetObject(Index);
    BeginUpdate();
    try {
        Delete(Index);
        InsertObject(Index, S, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TObject* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}
void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const AnsiString& S1, const AnsiString& S2) const { return CompareText(S1, S2); }

int TStrings::AddObject(const AnsiString& S, TObject* AObject) {
    int index = GetCount();
    InsertObject(index, S, AObject);
    return index;
}

void TStrings::Exchange(int Index1, int Index2) {
    BeginUpdate();
    try {
        AnsiString s = Get(Index1);
        TObject* o = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, s);
        PutObject(Index2, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    if (NewIndex < 0 || NewIndex >= GetCount()) Error("List index out of bounds", NewIndex);
    BeginUpdate();
    try {
        AnsiString s = Get(CurIndex);
        TObject* o = GetObject(CurIndex);
        Delete(CurIndex);
        InsertObject(NewIndex, s, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::IndexOf(const AnsiString& S) const {
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(const AnsiString& Name) const {
    for (int i = 0; i < GetCount(); ++i) {
        AnsiString s = Get(i);
        int eq = s.Pos("=");
        if (eq > 0 && CompareStrings(s.SubString(1, eq - 1), Name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

void TStrings::AddStrings(TStrings* Strings) {
    BeginUpdate();
    try {
        for (int i = 0; i < Strings->GetCount(); ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TStrings::Equals(TStrings* Strings) const {
    if (GetCount() != Strings->GetCount()) return false;
    for (int i = 0; i < GetCount(); ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

void TStrings::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TStrings*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    BeginUpdate();
    try {
        Clear();
        AddStrings(source);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

AnsiString TStrings::GetText() const {
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        text += Get(i).str();
        text += "\r\n";
    }
    return AnsiString(std::move(text));
}

void TStrings::SetText(const AnsiString& Value) {
    BeginUpdate();
    try {
        Clear();
        const std::string& s = Value.str();
        std::size_t start = 0;
        while (start < s.size()) {
            std::size_t end = s.find_first_of("\r\n", start);
            if (end == std::string::npos) end = s.size();
            Add(AnsiString(s.substr(start, end - start)));
            if (end < s.size() && s[end] == '\r' && end + 1 < s.size() && s[end + 1] == '\n') ++end;
            start = end + 1;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

AnsiString TStrings::QuotedItem(const AnsiString& S) const {
    bool quote = false;
    for (char c : S.str())
        if (static_cast<unsigned char>(c) <= ' ' || c == delimiter_ || c == quoteChar_) quote = true;
    if (!quote) return S;
    std::string out(1, quoteChar_);
    for (char c : S.str()) {
        out += c;
        if (c == quoteChar_) out += c;
    }
    out += quoteChar_;
    return AnsiString(std::move(out));
}

AnsiString TStrings::GetDelimitedText() const {
    // A single empty string must still read back as one item.
    if (GetCount() == 1 && Get(0).IsEmpty()) return AnsiString(std::string(2, quoteChar_));
    std::string out;
    for (int i = 0; i < GetCount(); ++i) {
        if (i) out += delimiter_;
        // An empty item between delimiters needs no quotes to survive.
        AnsiString s = Get(i);
        out += s.IsEmpty() ? std::string() : QuotedItem(s).str();
    }
    return AnsiString(std::move(out));
}

void TStrings::SetDelimitedText(const AnsiString& Value) {
    const std::string& s = Value.str();
    auto blank = [&](std::size_t i) { return i < s.size() && static_cast<unsigned char>(s[i]) <= ' '; };
    BeginUpdate();
    try {
        Clear();
        std::size_t i = 0;
        while (blank(i)) ++i;
        while (i < s.size()) {
            std::string item;
            if (s[i] == quoteChar_) {
                ++i;
                while (i < s.size()) {
                    if (s[i] == quoteChar_) {
                        if (i + 1 < s.size() && s[i + 1] == quoteChar_) {
                            item += quoteChar_;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    item += s[i++];
                }
            } else {
                while (i < s.size() && !blank(i) && s[i] != delimiter_) item += s[i++];
            }
            Add(AnsiString(std::move(item)));
            while (blank(i)) ++i;
            if (i < s.size() && s[i] == delimiter_) {
                ++i;
                // A delimiter at the very end leaves one more, empty, item.
                if (i == s.size()) Add(AnsiString());
                while (blank(i)) ++i;
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

AnsiString TStrings::GetCommaText() const {
    auto* self = const_cast<TStrings*>(this);
    char delimiter = delimiter_, quote = quoteChar_;
    self->delimiter_ = ',';
    self->quoteChar_ = '"';
    AnsiString text = GetDelimitedText();
    self->delimiter_ = delimiter;
    self->quoteChar_ = quote;
    return text;
}

void TStrings::SetCommaText(const AnsiString& Value) {
    char delimiter = delimiter_, quote = quoteChar_;
    delimiter_ = ',';
    quoteChar_ = '"';
    try {
        SetDelimitedText(Value);
    } catch (...) {
        delimiter_ = delimiter;
        quoteChar_ = quote;
        throw;
    }
    delimiter_ = delimiter;
    quoteChar_ = quote;
}

AnsiString TStrings::GetNames(int Index) const {
    AnsiString s = Get(Index);
    int eq = s.Pos("=");
    return eq > 0 ? s.SubString(1, eq - 1) : AnsiString();
}

AnsiString TStrings::GetValues(const AnsiString& Name) const {
    int i = IndexOfName(Name);
    if (i < 0) return AnsiString();
    AnsiString s = Get(i);
    return s.SubString(s.Pos("=") + 1, s.Length());
}

void TStrings::SetValues(const AnsiString& Name, const AnsiString& Value) {
    int i = IndexOfName(Name);
    if (Value.IsEmpty()) {
        if (i >= 0) Delete(i);
        return;
    }
    if (i < 0) Add(Name + "=" + Value);
    else Put(i, Name + "=" + Value);
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromFile(const AnsiString& FileName) {
    std::ifstream in(FileName.str(), std::ios::binary);
    if (!in) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EInOutError("Cannot read file \"" + FileName + "\"");
    SetText(AnsiString(std::move(bytes)));
}

void TStrings::SaveToFile(const AnsiString& FileName) const {
    std::ofstream out(FileName.str(), std::ios::binary | std::ios::trunc);
    if (!out) throw EFCreateError("Cannot create file \"" + FileName + "\"");
    out << GetText().str();
    out.close();
    if (!out) throw EInOutError("Cannot write file \"" + FileName + "\"");
}
