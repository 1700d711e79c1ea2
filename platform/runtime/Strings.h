#pragma once
// TStrings, the class library's abstract list of strings with an object per
// string, and TStringList, its stored implementation. Indexes are 0-based; a
// bad index raises EStringListError "List index out of bounds (n)".

#include <vector>

#include "platform/runtime/Components.h"
#include "platform/runtime/Events.h"

class TStrings : public TPersistent {
public:
    virtual int GetCount() const = 0;
    AnsiString GetStrings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const AnsiString& S) { Put(Index, S); }
    TObject* GetObjects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    int Add(const AnsiString& S) { return AddObject(S, nullptr); }
    // Appends; returns the new string's index.
    virtual int AddObject(const AnsiString& S, TObject* AObject);
    void Insert(int Index, const AnsiString& S) { InsertObject(Index, S, nullptr); }
    // Index 0..Count; the one insertion that descendants implement.
    virtual void InsertObject(int Index, const AnsiString& S, TObject* AObject) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);
    // First match (as CompareStrings sees it), -1 when none.
    virtual int IndexOf(const AnsiString& S) const;
    int IndexOfName(const AnsiString& Name) const;
    int IndexOfObject(TObject* AObject) const;
    void AddStrings(TStrings* Strings);
    // Same count and the same strings, case and all.
    bool Equals(TStrings* Strings) const;

    // Every line followed by CR LF; setting splits on CR LF, LF or CR.
    AnsiString GetText() const;
    void SetText(const AnsiString& Value);
    // Items separated by Delimiter; an item holding a blank, a control
    // character, the delimiter or the quote is quoted (quotes doubled).
    // Reading back, blanks also separate unquoted items.
    AnsiString GetDelimitedText() const;
    void SetDelimitedText(const AnsiString& Value);
    // DelimitedText with "," and '"'.
    AnsiString GetCommaText() const;
    void SetCommaText(const AnsiString& Value);
    char GetDelimiter() const { return delimiter_; }
    void SetDelimiter(char Value) { delimiter_ = Value; }
    char GetQuoteChar() const { return quoteChar_; }
    void SetQuoteChar(char Value) { quoteChar_ = Value; }

    // "name=value" lines: Names(i) is the text before the first "=" (empty
    // without one); Values[name] the text after it on the first line of that
    // name. Setting an empty value deletes the line.
    AnsiString GetNames(int Index) const;
    AnsiString GetValues(const AnsiString& Name) const;
    void SetValues(const AnsiString& Name, const AnsiString& Value);

    // Changes between the first BeginUpdate and the last EndUpdate are
    // announced once.
    void BeginUpdate();
    void EndUpdate();

    // Lines end with CR LF, LF or CR; saving writes CR LF. Raise EFOpenError
    // "Cannot open file "x"" and EFCreateError "Cannot create file "x"".
    void LoadFromFile(const AnsiString& FileName);
    void SaveToFile(const AnsiString& FileName) const;

    void Assign(TPersistent* Source) override;
    // In a form stream the lines are the list "Strings".
    void DefineProperties(TFiler* Filer) override;

protected:
    virtual AnsiString Get(int Index) const = 0;
    virtual void Put(int Index, const AnsiString& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    // Called with true at the first BeginUpdate and false at the last EndUpdate.
    virtual void SetUpdateState(bool Updating);
    int GetUpdateCount() const { return updateCount_; }
    // Case-insensitive here; TStringList follows its CaseSensitive.
    virtual int CompareStrings(const AnsiString& S1, const AnsiString& S2) const;
    [[noreturn]] void Error(const char* Message, int Data) const;

private:
    AnsiString JoinItems(char Delimiter, char Quote) const;
    void SplitItems(const AnsiString& Value, char Delimiter, char Quote);
    int updateCount_ = 0;
    char delimiter_ = ',';
    char quoteChar_ = '"';
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Negative when the item at Index1 sorts before the one at Index2.
using TStringListSortCompare = int (*)(TStringList* List, int Index1, int Index2);

class TStringList : public TStrings {
public:
    TStringList() = default;

    int GetCount() const override { return static_cast<int>(items_.size()); }
    int AddObject(const AnsiString& S, TObject* AObject) override;
    void InsertObject(int Index, const AnsiString& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const AnsiString& S) const override;
    // Binary search of a sorted list (a linear one otherwise): true when found,
    // Index the first match or where S would be inserted.
    bool Find(const AnsiString& S, int& Index) const;
    void Sort();
    void CustomSort(TStringListSortCompare Compare);

    // A sorted list keeps its order: Add inserts in place and Insert, Put,
    // Exchange and Move raise "Operation not allowed on sorted list".
    bool GetSorted() const { return sorted_; }
    void SetSorted(bool Value);
    // Consulted by Add on a sorted list only.
    TDuplicates GetDuplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
    bool GetCaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    AnsiString Get(int Index) const override;
    void Put(int Index, const AnsiString& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;
    int CompareStrings(const AnsiString& S1, const AnsiString& S2) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        AnsiString string;
        TObject* object = nullptr;
    };
    void CheckIndex(int Index) const;
    void CheckNotSorted() const;
    void InsertItem(int Index, const AnsiString& S, TObject* AObject);

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
    bool caseSensitive_ = false;
};
