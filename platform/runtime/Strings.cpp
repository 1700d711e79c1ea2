// TStrings: everything a list of strings can do through its few primitives.
#include <fstream>
#include <iterator>

#include "platform/runtime/Filer.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/SysUtils.h"

namespace {

// Brackets a multi-step change so that it is announced once, also when a
// step fails half way.
template <class Action>
void WithUpdate(TStrings& strings, Action action) {
    strings.BeginUpdate();
    try {
        action();
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

}  // namespace

void TStrings::Error(const char* Message, int Data) const {
    throw EStringListError(AnsiString(Message) + " (" + AnsiString(Data) + ")");
}

void TStrings::Put(int Index, const AnsiString& S) {
    TObject* object = GetObject(Index);
    WithUpdate(*this, [&] {
        Delete(Index);
        InsertObject(Index, S, object);
    });
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
    WithUpdate(*this, [&] {
        AnsiString s = Get(Index1);
        TObject* o = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, s);
        PutObject(Index2, o);
    });
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    if (NewIndex < 0 || NewIndex >= GetCount()) Error("List index out of bounds", NewIndex);
    WithUpdate(*this, [&] {
        AnsiString s = Get(CurIndex);
        TObject* o = GetObject(CurIndex);
        Delete(CurIndex);
        InsertObject(NewIndex, s, o);
    });
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
    WithUpdate(*this, [&] {
        for (int i = 0; i < Strings->GetCount(); ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
    });
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
    WithUpdate(*this, [&] {
        Clear();
        AddStrings(source);
    });
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
    WithUpdate(*this, [&] {
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
    });
}

namespace {

// An item holding a blank, a control character, the delimiter or the quote
// is quoted, with its quotes doubled.
std::string QuotedItem(const std::string& s, char delimiter, char quote) {
    bool needsQuotes = false;
    for (char c : s)
        if (static_cast<unsigned char>(c) <= ' ' || c == delimiter || c == quote) needsQuotes = true;
    if (!needsQuotes) return s;
    std::string out(1, quote);
    for (char c : s) {
        out += c;
        if (c == quote) out += c;
    }
    out += quote;
    return out;
}

}  // namespace

AnsiString TStrings::JoinItems(char Delimiter, char Quote) const {
    // A single empty string must still read back as one item.
    if (GetCount() == 1 && Get(0).IsEmpty()) return AnsiString(std::string(2, Quote));
    std::string out;
    for (int i = 0; i < GetCount(); ++i) {
        if (i) out += Delimiter;
        out += QuotedItem(Get(i).str(), Delimiter, Quote);
    }
    return AnsiString(std::move(out));
}

void TStrings::SplitItems(const AnsiString& Value, char Delimiter, char Quote) {
    const std::string& s = Value.str();
    auto blank = [&](std::size_t i) { return i < s.size() && static_cast<unsigned char>(s[i]) <= ' '; };
    // A quoted item ends at its closing quote; a plain one at a blank or the
    // delimiter, so blanks separate plain items too.
    auto readItem = [&](std::size_t& i) {
        std::string item;
        if (s[i] != Quote) {
            while (i < s.size() && !blank(i) && s[i] != Delimiter) item += s[i++];
            return item;
        }
        for (++i; i < s.size(); ++i) {
            if (s[i] != Quote) {
                item += s[i];
            } else if (i + 1 < s.size() && s[i + 1] == Quote) {
                item += Quote;
                ++i;
            } else {
                ++i;
                break;
            }
        }
        return item;
    };
    WithUpdate(*this, [&] {
        Clear();
        std::size_t i = 0;
        while (blank(i)) ++i;
        while (i < s.size()) {
            Add(AnsiString(readItem(i)));
            while (blank(i)) ++i;
            if (i < s.size() && s[i] == Delimiter) {
                ++i;
                // A delimiter at the very end leaves one more, empty, item.
                if (i == s.size()) Add(AnsiString());
                while (blank(i)) ++i;
            }
        }
    });
}

AnsiString TStrings::GetDelimitedText() const { return JoinItems(delimiter_, quoteChar_); }
void TStrings::SetDelimitedText(const AnsiString& Value) { SplitItems(Value, delimiter_, quoteChar_); }
AnsiString TStrings::GetCommaText() const { return JoinItems(',', '"'); }
void TStrings::SetCommaText(const AnsiString& Value) { SplitItems(Value, ',', '"'); }

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

void TStrings::DefineProperties(TFiler* Filer) {
    Filer->DefineProperty(
        "Strings",
        [this](TReader* Reader) {
            WithUpdate(*this, [&] {
                Clear();
                Reader->ReadListBegin();
                while (!Reader->EndOfList()) Add(Reader->ReadString());
                Reader->ReadListEnd();
            });
        },
        [this](TWriter* Writer) {
            Writer->WriteListBegin();
            for (int i = 0; i < GetCount(); ++i) Writer->WriteString(Get(i));
            Writer->WriteListEnd();
        },
        GetCount() > 0);
}
