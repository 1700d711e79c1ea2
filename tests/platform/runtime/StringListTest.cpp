#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/runtime/Strings.h"
#include "platform/runtime/SysUtils.h"
#include "support/TempDir.h"

namespace {

std::vector<std::string> Lines(const TStrings& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetStrings(i).str());
    return out;
}

using Texts = std::vector<std::string>;

AnsiString ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.GetMessage();
    }
    return "no error";
}

TEST(TStringList, EditingInPlace) {
    TStringList list;
    TObject marker;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.AddObject("c", &marker), 1);
    list.Insert(0, "a");
    list.InsertObject(3, "d", nullptr);
    EXPECT_EQ(Lines(list), (Texts{"a", "b", "c", "d"}));
    EXPECT_EQ(list.GetObjects(2), &marker);
    EXPECT_EQ(list.IndexOfObject(&marker), 2);
    list.SetStrings(2, "C");
    EXPECT_EQ(list.GetObjects(2), &marker);  // the object stays with its line
    list.Exchange(0, 3);
    EXPECT_EQ(Lines(list), (Texts{"d", "b", "C", "a"}));
    list.Move(3, 1);
    EXPECT_EQ(Lines(list), (Texts{"d", "a", "b", "C"}));
    EXPECT_EQ(list.IndexOfObject(&marker), 3);
    list.Delete(0);
    EXPECT_EQ(list.IndexOf("c"), 2);  // case-insensitive by default
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("c"), -1);
    list.SetObjects(0, &marker);
    EXPECT_EQ(list.GetObjects(0), &marker);
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(TStringList, BadIndexesRaise) {
    TStringList list;
    list.Add("x");
    EXPECT_EQ(ErrorOf([&] { list.GetStrings(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf([&] { list.SetStrings(-1, "y"); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf([&] { list.Insert(2, "y"); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.Delete(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf([&] { list.GetObjects(3); }), "List index out of bounds (3)");
    EXPECT_EQ(ErrorOf([&] { list.Exchange(0, 1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf([&] { list.Move(0, 1); }), "List index out of bounds (1)");
    EXPECT_THROW(list.GetStrings(1), EStringListError);
    EXPECT_EQ(Lines(list), (Texts{"x"}));
}

TEST(TStringList, SortedListsKeepTheirOrder) {
    TStringList list;
    for (const char* s : {"pear", "Apple", "fig", "banana"}) list.Add(s);
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), (Texts{"Apple", "banana", "fig", "pear"}));
    EXPECT_EQ(list.Add("cherry"), 2);
    EXPECT_EQ(list.Add("APPLE"), 0);  // dupIgnore: the existing index
    EXPECT_EQ(list.GetCount(), 5);
    int index = -1;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(list.IndexOf("Banana"), 1);
    EXPECT_EQ(list.IndexOf("kiwi"), -1);
    const char* refused = "Operation not allowed on sorted list";
    EXPECT_EQ(ErrorOf([&] { list.Insert(0, "z"); }), refused);
    EXPECT_EQ(ErrorOf([&] { list.SetStrings(0, "z"); }), refused);
    EXPECT_EQ(ErrorOf([&] { list.Exchange(0, 1); }), refused);
    EXPECT_EQ(ErrorOf([&] { list.Move(0, 1); }), refused);
    EXPECT_EQ(Lines(list), (Texts{"Apple", "banana", "cherry", "fig", "pear"}));

    list.SetDuplicates(dupError);
    EXPECT_EQ(ErrorOf([&] { list.Add("Fig"); }), "String list does not allow duplicates");
    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add("Fig"), 3);
    EXPECT_EQ(Lines(list), (Texts{"Apple", "banana", "cherry", "Fig", "fig", "pear"}));

    list.SetCaseSensitive(true);  // re-sorts in byte order
    EXPECT_EQ(Lines(list), (Texts{"Apple", "Fig", "banana", "cherry", "fig", "pear"}));
    EXPECT_FALSE(list.Find("FIG", index));
}

TEST(TStringList, DuplicatesAreOnlyCheckedWhenSorted) {
    TStringList list;
    list.SetDuplicates(dupError);
    list.Add("a");
    list.Add("a");
    EXPECT_EQ(list.GetCount(), 2);
}

TEST(TStringList, SortAndCustomSort) {
    TStringList list;
    for (const char* s : {"10", "9", "100", "B", "a"}) list.Add(s);
    list.Sort();
    EXPECT_EQ(Lines(list), (Texts{"10", "100", "9", "a", "B"}));
    EXPECT_FALSE(list.GetSorted());
    list.Clear();
    for (const char* s : {"10", "9", "100"}) list.Add(s);
    list.CustomSort([](TStringList* l, int a, int b) {
        return StrToInt(l->GetStrings(a)) - StrToInt(l->GetStrings(b));
    });
    EXPECT_EQ(Lines(list), (Texts{"9", "10", "100"}));
}

TEST(TStringList, TextSplitsOnEveryLineEnd) {
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(Lines(list), (Texts{"a", "b", "c", "d"}));
    EXPECT_EQ(list.GetText(), "a\r\nb\r\nc\r\nd\r\n");
    list.SetText("x\r\n\r\ny\n");
    EXPECT_EQ(Lines(list), (Texts{"x", "", "y"}));
    list.SetText("\n");
    EXPECT_EQ(Lines(list), (Texts{""}));
    list.SetText("");
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetText(), "");
    list.SetText("a\r\r\nb");
    EXPECT_EQ(Lines(list), (Texts{"a", "", "b"}));
}

TEST(TStringList, CommaAndDelimitedText) {
    TStringList list;
    for (const char* s : {"plain", "two words", "say \"hi\"", "", "a,b"}) list.Add(s);
    EXPECT_EQ(list.GetCommaText(), "plain,\"two words\",\"say \"\"hi\"\"\",,\"a,b\"");
    TStringList back;
    back.SetCommaText(list.GetCommaText());
    EXPECT_EQ(Lines(back), Lines(list));

    back.SetCommaText(" a b , c,\"d e\"f,");
    EXPECT_EQ(Lines(back), (Texts{"a", "b", "c", "d e", "f", ""}));
    back.SetCommaText("\"\"");
    EXPECT_EQ(Lines(back), (Texts{""}));
    EXPECT_EQ(back.GetCommaText(), "\"\"");
    back.SetCommaText("");
    EXPECT_EQ(back.GetCount(), 0);

    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    EXPECT_EQ(list.GetDelimitedText(), "plain;'two words';'say \"hi\"';;a,b");
    back.SetDelimiter(';');
    back.SetQuoteChar('\'');
    back.SetDelimitedText("x;'it''s';;y z");
    EXPECT_EQ(Lines(back), (Texts{"x", "it's", "", "y", "z"}));
    EXPECT_EQ(back.GetDelimiter(), ';');  // CommaText leaves these alone
    back.SetCommaText("1,2");
    EXPECT_EQ(back.GetDelimiter(), ';');
    EXPECT_EQ(back.GetQuoteChar(), '\'');
}

TEST(TStringList, NamesAndValues) {
    TStringList list;
    list.SetText("Width=10\nnote\nHeight=20=x\nwidth=99");
    EXPECT_EQ(list.GetNames(0), "Width");
    EXPECT_EQ(list.GetNames(1), "");
    EXPECT_EQ(list.GetValues("WIDTH"), "10");
    EXPECT_EQ(list.GetValues("Height"), "20=x");
    EXPECT_EQ(list.GetValues("depth"), "");
    EXPECT_EQ(list.IndexOfName("height"), 2);
    EXPECT_EQ(list.IndexOfName("note"), -1);
    list.SetValues("Height", "30");
    list.SetValues("Depth", "5");
    list.SetValues("Width", "");
    EXPECT_EQ(Lines(list), (Texts{"note", "Height=30", "width=99", "Depth=5"}));
}

TEST(TStringList, ChangeEventsAndUpdates) {
    TStringList list;
    std::vector<std::string> log;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        log.push_back("changing");
    };
    list.OnChange = [&](TObject*) { log.push_back("change"); };
    list.Add("a");
    EXPECT_EQ(log, (Texts{"changing", "change"}));
    log.clear();
    list.BeginUpdate();
    list.Add("b");
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    list.Add("c");
    EXPECT_EQ(log, (Texts{"changing"}));
    list.EndUpdate();
    EXPECT_EQ(log, (Texts{"changing", "change"}));
    log.clear();
    list.SetText("x\ny\nz");  // one announcement for the whole text
    EXPECT_EQ(log, (Texts{"changing", "change"}));
    log.clear();
    TStringList empty;
    empty.OnChange = list.OnChange;
    empty.Clear();  // nothing to clear: no event
    EXPECT_TRUE(log.empty());
}

TEST(TStringList, AssignAddStringsAndEquals) {
    TStringList a, b;
    TObject marker;
    a.AddObject("one", &marker);
    a.Add("two");
    b.Add("old");
    b.Assign(&a);
    EXPECT_EQ(Lines(b), (Texts{"one", "two"}));
    EXPECT_EQ(b.GetObjects(0), &marker);
    EXPECT_TRUE(a.Equals(&b));
    b.AddStrings(&a);
    EXPECT_EQ(Lines(b), (Texts{"one", "two", "one", "two"}));
    EXPECT_FALSE(a.Equals(&b));
    b.SetText("ONE\ntwo");
    EXPECT_FALSE(a.Equals(&b));  // case counts
    b.Assign(&b);
    EXPECT_EQ(b.GetCount(), 2);

    TPersistent other;
    try {
        b.Assign(&other);
        ADD_FAILURE() << "assigned a TPersistent";
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.GetMessage(), "Cannot assign a TPersistent to a TStringList");
    }
}

TEST(TStringList, FilesRoundTripWithCrLf) {
    TempDir dir;
    dir.Write("mixed.txt", "first\r\nsecond\nthird\rfourth");
    TStringList list;
    list.LoadFromFile(dir.File("mixed.txt").c_str());
    EXPECT_EQ(Lines(list), (Texts{"first", "second", "third", "fourth"}));
    list.Add("f\xC3\xBCnfte");
    list.SaveToFile(dir.File("out.txt").c_str());
    EXPECT_EQ(dir.Read("out.txt"), "first\r\nsecond\r\nthird\r\nfourth\r\nf\xC3\xBCnfte\r\n");
    TStringList back;
    back.LoadFromFile(dir.File("out.txt").c_str());
    EXPECT_TRUE(back.Equals(&list));

    AnsiString missing = dir.File("missing.txt").c_str();
    EXPECT_EQ(ErrorOf([&] { back.LoadFromFile(missing); }), "Cannot open file \"" + missing + "\"");
    EXPECT_THROW(back.LoadFromFile(missing), EFOpenError);
    EXPECT_TRUE(back.Equals(&list));  // a failed load changes nothing
    AnsiString nowhere = dir.File("no/such/dir.txt").c_str();
    EXPECT_EQ(ErrorOf([&] { list.SaveToFile(nowhere); }), "Cannot create file \"" + nowhere + "\"");
    EXPECT_THROW(list.SaveToFile(nowhere), EFCreateError);
}

}  // namespace

namespace {

// The least a descendant writes: storage, insert, delete and clear. The rest
// comes from TStrings.
class PlainStrings : public TStrings {
public:
    int GetCount() const override { return static_cast<int>(lines.size()); }
    void InsertObject(int Index, const AnsiString& S, TObject*) override {
        lines.insert(lines.begin() + Index, S.str());
    }
    void Delete(int Index) override { lines.erase(lines.begin() + Index); }
    void Clear() override { lines.clear(); }
    std::vector<std::string> lines;
    std::vector<bool> updates;

protected:
    AnsiString Get(int Index) const override {
        if (Index < 0 || Index >= GetCount()) Error("List index out of bounds", Index);
        return AnsiString(lines[static_cast<std::size_t>(Index)]);
    }
    void SetUpdateState(bool Updating) override { updates.push_back(Updating); }
};

TEST(TStrings, DescendantsGetTheRestFromTheBase) {
    PlainStrings strings;
    strings.SetCommaText("a,b,c");
    EXPECT_EQ(strings.lines, (Texts{"a", "b", "c"}));
    EXPECT_EQ(strings.updates, (std::vector<bool>{true, false}));
    strings.SetStrings(1, "B");
    strings.Exchange(0, 2);
    strings.Move(0, 1);
    EXPECT_EQ(strings.lines, (Texts{"B", "c", "a"}));
    EXPECT_EQ(strings.IndexOf("A"), 2);
    EXPECT_EQ(strings.Add("d"), 3);
    EXPECT_EQ(strings.GetText(), "B\r\nc\r\na\r\nd\r\n");
    EXPECT_EQ(strings.GetObjects(0), nullptr);
    EXPECT_EQ(ErrorOf([&] { strings.Move(0, 4); }), "List index out of bounds (4)");
    EXPECT_EQ(strings.GetCount(), 4);  // a refused move loses nothing

    TStringList list;
    list.Assign(&strings);
    EXPECT_EQ(Lines(list), (Texts{"B", "c", "a", "d"}));
    list.SetSorted(true);
    strings.Assign(&list);
    EXPECT_EQ(strings.lines, (Texts{"a", "B", "c", "d"}));
}

}  // namespace
