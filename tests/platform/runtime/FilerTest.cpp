// The binary form stream: every kind of value written and read back, the
// bytes the format prescribes, defaults left out, component trees with
// references between them, and malformed streams, including thousands of
// random mutations of a valid one, refused with a clear exception and
// nothing left behind.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "platform/runtime/StreamBytes.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/PublishedProperties.h"
#include "platform/runtime/Strings.h"

namespace {

enum TProbeShape { shCircle, shSquare, shTriangle };
enum TProbeFlag { pfRed, pfGreen, pfBlue };
using TProbeFlags = Set<TProbeFlag>;

class TProbeFont : public TPersistent {
public:
    AnsiString GetName() const { return name; }
    void SetName(const AnsiString& v) { name = v; }
    int GetSize() const { return size; }
    void SetSize(int v) { size = v; }
    AnsiString name;
    int size = 8;
};

class TProbeItem : public TPersistent {
public:
    int GetWeight() const { return weight; }
    void SetWeight(int v) { weight = v; }
    AnsiString GetLabel() const { return label; }
    void SetLabel(const AnsiString& v) { label = v; }
    TComponent* GetLink() const { return link; }
    void SetLink(TComponent* v) { link = v; }
    int weight = 0;
    AnsiString label;
    TComponent* link = nullptr;
};

// A component with a property of every kind, raw bytes and a list of
// words of its own, and probes stored inside it.
class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* AOwner) : TComponent(AOwner) {}
    ~TProbe() override {
        if (parent) std::erase(parent->children, this);
        for (TProbe* c : children) c->parent = nullptr;
    }

    int GetCount() const { return count; }
    void SetCount(int v) { count = v; }
    std::int64_t GetBig() const { return big; }
    void SetBig(std::int64_t v) { big = v; }
    bool GetEnabled() const { return enabled; }
    void SetEnabled(bool v) { enabled = v; }
    TProbeShape GetShape() const { return shape; }
    void SetShape(TProbeShape v) { shape = v; }
    TProbeFlags GetFlags() const { return flags; }
    void SetFlags(TProbeFlags v) { flags = v; }
    double GetRatio() const { return ratio; }
    void SetRatio(double v) { ratio = v; }
    const AnsiString& GetCaption() const { return caption; }
    void SetCaption(const AnsiString& v) { caption = v; }
    TProbe* GetBuddy() const { return buddy; }
    void SetBuddy(TProbe* v) { buddy = v; }
    TProbeFont* GetFont() { return &font; }
    int ItemCount() const { return static_cast<int>(items.size()); }
    TProbeItem* Item(int i) { return items[static_cast<std::size_t>(i)].get(); }
    TProbeItem* AddItem() { return items.emplace_back(std::make_unique<TProbeItem>()).get(); }
    void ClearItems() { items.clear(); }

    void DefineProperties(TFiler* Filer) override {
        Filer->DefineProperty(
            "Words",
            [this](TReader* r) {
                words.clear();
                r->ReadListBegin();
                while (!r->EndOfList()) words.push_back(r->ReadString());
                r->ReadListEnd();
            },
            [this](TWriter* w) {
                w->WriteListBegin();
                for (const AnsiString& s : words) w->WriteString(s);
                w->WriteListEnd();
            },
            !words.empty());
        Filer->DefineBinaryProperty(
            "Blob",
            [this](TStream* s) {
                blob.resize(static_cast<std::size_t>(s->GetSize()));
                s->ReadBuffer(blob.data(), static_cast<std::int64_t>(blob.size()));
            },
            [this](TStream* s) { s->WriteBuffer(blob.data(), static_cast<std::int64_t>(blob.size())); },
            !blob.empty());
    }
    void Loaded() override {
        loadedWhileLoading = GetComponentState().Contains(csLoading);
        buddyAtLoaded = buddy;
        TComponent::Loaded();
    }
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override {
        TComponent::GetChildren(Proc, Root);
        for (TProbe* c : children) Proc(c);
    }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return parent; }
    void SetParentComponent(TComponent* Value) override {
        if (auto* p = dynamic_cast<TProbe*>(Value)) {
            parent = p;
            p->children.push_back(this);
        }
    }

    int count = 0;
    std::int64_t big = 0;
    bool enabled = true;
    TProbeShape shape = shCircle;
    TProbeFlags flags;
    double ratio = 0;
    AnsiString caption;
    TProbe* buddy = nullptr;
    TProbeFont font;
    std::vector<std::unique_ptr<TProbeItem>> items;
    std::vector<AnsiString> words;
    std::vector<std::uint8_t> blob;
    TProbe* parent = nullptr;
    std::vector<TProbe*> children;
    bool loadedWhileLoading = false;
    TProbe* buddyAtLoaded = nullptr;
};

const TPublishedClassRegistrar<TProbeFont, void> fontClass("TProbeFont", [](auto& p) {
    p.String("Name", &TProbeFont::GetName, &TProbeFont::SetName).Integer("Size", &TProbeFont::GetSize, &TProbeFont::SetSize, 8);
});
const TPublishedClassRegistrar<TProbeItem, void> itemClass("TProbeItem", [](auto& p) {
    p.Integer("Weight", &TProbeItem::GetWeight, &TProbeItem::SetWeight, 0)
        .String("Label", &TProbeItem::GetLabel, &TProbeItem::SetLabel)
        .Component("Link", &TProbeItem::GetLink, &TProbeItem::SetLink);
});
const TPublishedClassRegistrar<TProbe, TComponent> probeClass("TProbe", [](auto& p) {
    p.Integer("Count", &TProbe::GetCount, &TProbe::SetCount, 0)
        .Integer("Big", &TProbe::GetBig, &TProbe::SetBig, 0)
        .Boolean("Enabled", &TProbe::GetEnabled, &TProbe::SetEnabled, true)
        .Enumeration("Shape", &TProbe::GetShape, &TProbe::SetShape, {"shCircle", "shSquare", "shTriangle"}, shCircle)
        .SetOf("Flags", &TProbe::GetFlags, &TProbe::SetFlags, {"pfRed", "pfGreen", "pfBlue"})
        .Float("Ratio", &TProbe::GetRatio, &TProbe::SetRatio)
        .String("Caption", &TProbe::GetCaption, &TProbe::SetCaption)
        .Component("Buddy", &TProbe::GetBuddy, &TProbe::SetBuddy)
        .Object("Font", &TProbe::GetFont)
        .Collection("Items", &TProbe::ItemCount, &TProbe::Item, &TProbe::AddItem, &TProbe::ClearItems);
});

// A probe that starts with a count of 5 and declares that default again,
// with lines of text and a property whose name is longer than any value
// type's number.
class TFivefoldProbe : public TProbe {
public:
    explicit TFivefoldProbe(TComponent* AOwner) : TProbe(AOwner) { count = 5; }
    TStringList* GetLines() { return &lines; }
    int GetLongest() const { return longest; }
    void SetLongest(int v) { longest = v; }
    TStringList lines;
    int longest = 0;
};
const TPublishedClassRegistrar<TFivefoldProbe, TProbe> fivefoldClass("TFivefoldProbe", [](auto& p) {
    p.Integer("Count", &TProbe::GetCount, &TProbe::SetCount, 5)
        .Object("Lines", &TFivefoldProbe::GetLines)
        .Integer("TheLongestNameOfAnyPropertyHere", &TFivefoldProbe::GetLongest, &TFivefoldProbe::SetLongest, 0);
});

using Bytes = std::vector<std::uint8_t>;

Bytes Write(TComponent* Root) {
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(Root);
    return stream.GetBytes();
}

std::unique_ptr<TComponent> Read(const Bytes& bytes) {
    TMemoryStream stream;
    stream.SetBytes(bytes);
    return std::unique_ptr<TComponent>(TReader(&stream).ReadRootComponent(nullptr));
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes result;
    for (const Bytes& p : parts) result.insert(result.end(), p.begin(), p.end());
    return result;
}

constexpr auto Str = ShortStringBytes;

// A root with every property set away from its default, two probes inside
// it and one inside the second; references run forwards and backwards.
struct ProbeTree {
    ProbeTree() : root(new TProbe(nullptr)) {
        root->SetName("Root");
        first = new TProbe(root.get());
        first->SetName("First");
        first->SetParentComponent(root.get());
        second = new TProbe(root.get());
        second->SetName("Second");
        second->SetParentComponent(root.get());
        inner = new TProbe(root.get());
        inner->SetName("Inner");
        inner->SetParentComponent(second);

        root->count = -70000;
        root->big = -(std::int64_t(1) << 40);
        root->enabled = false;
        root->shape = shTriangle;
        root->flags = {pfRed, pfBlue};
        root->ratio = 1.0 / 3;
        root->caption = std::string(300, 'c');
        root->buddy = inner;
        root->font.name = "Serif";
        root->font.size = 12;
        root->AddItem()->weight = 5;
        root->AddItem()->label = "second item";
        root->Item(1)->link = first;
        root->words = {"alpha", "", "gamma"};
        root->blob = {0, 1, 2, 255, 0};
        first->count = 127;
        first->buddy = second;
        second->count = 128;
        second->flags = {pfGreen};
        inner->caption = "inside";
        inner->buddy = root.get();
    }
    std::unique_ptr<TProbe> root;
    TProbe *first, *second, *inner;
};

TEST(FormStream, AComponentTreeReadsBackEqualAndWritesTheSameBytesAgain) {
    ProbeTree tree;
    const Bytes bytes = Write(tree.root.get());
    auto copyHolder = Read(bytes);
    auto* copy = dynamic_cast<TProbe*>(copyHolder.get());
    ASSERT_NE(copy, nullptr);

    EXPECT_EQ(copy->GetName(), "Root");
    EXPECT_EQ(copy->count, -70000);
    EXPECT_EQ(copy->big, -(std::int64_t(1) << 40));
    EXPECT_FALSE(copy->enabled);
    EXPECT_EQ(copy->shape, shTriangle);
    EXPECT_EQ(copy->flags, (TProbeFlags{pfRed, pfBlue}));
    EXPECT_EQ(copy->ratio, 1.0 / 3);
    EXPECT_EQ(copy->caption, std::string(300, 'c'));
    EXPECT_EQ(copy->font.name, "Serif");
    EXPECT_EQ(copy->font.size, 12);
    ASSERT_EQ(copy->ItemCount(), 2);
    EXPECT_EQ(copy->Item(0)->weight, 5);
    EXPECT_EQ(copy->Item(1)->label, "second item");
    EXPECT_EQ(copy->words, (std::vector<AnsiString>{"alpha", "", "gamma"}));
    EXPECT_EQ(copy->blob, (Bytes{0, 1, 2, 255, 0}));

    // The tree: owned by the root, stored inside their parents.
    ASSERT_EQ(copy->GetComponentCount(), 3);
    auto* first = dynamic_cast<TProbe*>(copy->FindComponent("First"));
    auto* second = dynamic_cast<TProbe*>(copy->FindComponent("Second"));
    auto* inner = dynamic_cast<TProbe*>(copy->FindComponent("Inner"));
    ASSERT_TRUE(first && second && inner);
    EXPECT_EQ(copy->children, (std::vector<TProbe*>{first, second}));
    EXPECT_EQ(inner->parent, second);
    EXPECT_EQ(first->count, 127);
    EXPECT_EQ(second->count, 128);
    EXPECT_EQ(inner->caption, "inside");
    // References to components before, after and above.
    EXPECT_EQ(copy->buddy, inner);
    EXPECT_EQ(first->buddy, second);
    EXPECT_EQ(inner->buddy, copy);
    EXPECT_EQ(copy->Item(1)->link, first);

    // Loaded comes last, once every reference is in place, while loading.
    for (TProbe* p : {copy, first, second, inner}) {
        EXPECT_TRUE(p->loadedWhileLoading);
        EXPECT_EQ(p->buddyAtLoaded, p->buddy);
        EXPECT_FALSE(p->GetComponentState().Contains(csLoading));
        EXPECT_FALSE(p->GetComponentState().Contains(csReading));
    }
    EXPECT_EQ(Write(copy), bytes);
}

TEST(FormStream, ANewComponentWritesNoPropertiesAndTheFormatsOwnBytes) {
    TProbe probe(nullptr);
    probe.SetName("P");
    EXPECT_EQ(Write(&probe), Concat({{'T', 'P', 'F', '0'}, Str("TProbe"), Str("P"), {0, 0}}));

    probe.SetTag(-2);
    probe.font.size = 9;
    probe.flags = {pfGreen};
    probe.ratio = 1;
    probe.enabled = false;
    probe.shape = shSquare;
    const Bytes expected = Concat({{'T', 'P', 'F', '0'}, Str("TProbe"), Str("P"),
                                   Str("Tag"), {vaInt8, 0xFE},
                                   Str("Enabled"), {vaFalse},
                                   Str("Shape"), {vaIdent}, Str("shSquare"),
                                   Str("Flags"), {vaSet}, Str("pfGreen"), {0},
                                   Str("Ratio"), {vaExtended, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F},
                                   Str("Font.Size"), {vaInt8, 9},
                                   {0, 0}});
    EXPECT_EQ(Write(&probe), expected);
}

TEST(FormStream, ADescendantsOwnDefaultsLinesAndLongNamesGoThrough) {
    TFivefoldProbe probe(nullptr);
    probe.SetName("P");
    // Its own default is not written, the ancestor's is.
    EXPECT_EQ(Write(&probe), Concat({{'T', 'P', 'F', '0'}, Str("TFivefoldProbe"), Str("P"), {0, 0}}));
    probe.count = 0;
    probe.lines.Add("one");
    probe.lines.Add("two");
    probe.longest = 3;
    const Bytes written = Write(&probe);
    EXPECT_EQ(written, Concat({{'T', 'P', 'F', '0'}, Str("TFivefoldProbe"), Str("P"), Str("Count"), {vaInt8, 0},
                               Str("Lines.Strings"), {vaList}, {vaString}, Str("one"), {vaString}, Str("two"),
                               {vaNull}, Str("TheLongestNameOfAnyPropertyHere"), {vaInt8, 3}, {0, 0}}));
    auto back = Read(written);
    auto* copy = dynamic_cast<TFivefoldProbe*>(back.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->count, 0);
    EXPECT_EQ(copy->longest, 3);
    EXPECT_EQ(copy->lines.GetCommaText(), "one,two");
}

TEST(FormStream, IntegersTakeTheFewestBytesThatHoldThem) {
    struct Case {
        std::int64_t value;
        Bytes bytes;
    };
    const Case cases[] = {
        {0, {vaInt8, 0}},
        {-128, {vaInt8, 0x80}},
        {127, {vaInt8, 0x7F}},
        {128, {vaInt16, 0x80, 0}},
        {-32768, {vaInt16, 0, 0x80}},
        {32768, {vaInt32, 0, 0x80, 0, 0}},
        {INT32_MIN, {vaInt32, 0, 0, 0, 0x80}},
        {std::int64_t(INT32_MAX) + 1, {vaInt64, 0, 0, 0, 0x80, 0, 0, 0, 0}},
        {INT64_MIN, {vaInt64, 0, 0, 0, 0, 0, 0, 0, 0x80}},
    };
    for (const Case& c : cases) {
        TMemoryStream stream;
        TWriter(&stream).WriteInteger(c.value);
        EXPECT_EQ(stream.GetBytes(), c.bytes) << c.value;
        stream.SetPosition(0);
        EXPECT_EQ(TReader(&stream).ReadInt64(), c.value);
    }
}

TEST(FormStream, FloatsKeepEveryDoubleExactly) {
    const double values[] = {0.0, -0.0, 1.0, -2.5, 1.0 / 3, 1e308, -1e-308, 5e-324, 123456789.125,
                             HUGE_VAL, -HUGE_VAL};
    for (double v : values) {
        std::uint8_t b[10];
        DoubleToExtended(v, b);
        const double back = ExtendedToDouble(b);
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v)) << v;
    }
    std::uint8_t nan[10];
    DoubleToExtended(std::nan(""), nan);
    EXPECT_TRUE(std::isnan(ExtendedToDouble(nan)));
    // Past a double's range an extended reads as infinity; below it, as 0.
    std::uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
    EXPECT_EQ(ExtendedToDouble(huge), HUGE_VAL);
    std::uint8_t tiny[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00};
    EXPECT_EQ(ExtendedToDouble(tiny), 0.0);
}

// A stream holding one TProbe "P" whose property Name has the value bytes.
Bytes ProbeWith(const std::string& Name, const Bytes& Value) {
    return Concat({{'T', 'P', 'F', '0'}, Str("TProbe"), Str("P"), Str(Name), Value, {0, 0}});
}

TEST(FormStream, EveryEncodingOfAValueReadsIntoItsProperty) {
    struct Case {
        const char* what;
        Bytes stream;
        std::function<bool(TProbe*)> holds;
    };
    const Bytes wide = {vaWString, 4, 0, 0, 0, 'h', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE};  // "hé😀"
    const Bytes utf8 = {vaUTF8String, 3, 0, 0, 0, 'a', 0xC3, 0xA9};
    const Bytes lone = {vaWString, 1, 0, 0, 0, 0x00, 0xD8};
    const Bytes single = {vaSingle, 0, 0, 0xC0, 0x3F};                 // 1.5f
    const Bytes dbl = {vaDouble, 0, 0, 0, 0, 0, 0, 0x04, 0xC0};        // -2.5
    const Bytes currency = {vaCurrency, 0x39, 0x30, 0, 0, 0, 0, 0, 0};  // 12345 / 10000
    const Case cases[] = {
        {"wide string", ProbeWith("Caption", wide), [](TProbe* p) { return p->caption == "h\xC3\xA9\xF0\x9F\x98\x80"; }},
        {"UTF-8 string", ProbeWith("Caption", utf8), [](TProbe* p) { return p->caption == "a\xC3\xA9"; }},
        {"lone surrogate", ProbeWith("Caption", lone), [](TProbe* p) { return p->caption == "\xEF\xBF\xBD"; }},
        {"single", ProbeWith("Ratio", single), [](TProbe* p) { return p->ratio == 1.5; }},
        {"double", ProbeWith("Ratio", dbl), [](TProbe* p) { return p->ratio == -2.5; }},
        {"currency", ProbeWith("Ratio", currency), [](TProbe* p) { return p->ratio == 1.2345; }},
        {"integer as float", ProbeWith("Ratio", {vaInt16, 0, 1}), [](TProbe* p) { return p->ratio == 256; }},
        {"ident in other case", ProbeWith("shape", Concat({{vaIdent}, Str("SHSQUARE")})),
         [](TProbe* p) { return p->shape == shSquare; }},
        {"empty set", ProbeWith("Flags", {vaSet, 0}), [](TProbe* p) { return p->flags.Empty(); }},
        {"collection item with its index", ProbeWith("Items", {vaCollection, vaInt8, 0, vaList, 0, 0}),
         [](TProbe* p) { return p->ItemCount() == 1; }},
        {"nil reference", ProbeWith("Buddy", {vaNil}), [](TProbe* p) { return p->buddy == nullptr; }},
        {"reference to nothing", ProbeWith("Buddy", Concat({{vaIdent}, Str("Nobody")})),
         [](TProbe* p) { return p->buddy == nullptr; }},
    };
    for (const Case& c : cases) {
        auto read = Read(c.stream);
        EXPECT_TRUE(c.holds(dynamic_cast<TProbe*>(read.get()))) << c.what;
    }
}

TEST(FormStream, MalformedStreamsRaiseAClearError) {
    struct Case {
        const char* what;
        Bytes stream;
        const char* message;
    };
    const Bytes header = Concat({{'T', 'P', 'F', '0'}, Str("TProbe"), Str("P")});
    const Case cases[] = {
        {"no signature", Concat({{'T', 'P', 'F', '1'}, Str("TProbe")}), "Invalid stream format"},
        {"cut short", Concat({header, Str("Count")}), "Stream read error"},
        {"unknown class", Concat({{'T', 'P', 'F', '0'}, Str("TNope"), Str("P"), {0, 0}}), "Class TNope not found"},
        {"unknown property", ProbeWith("Nope", {vaInt8, 1}), "Error reading P.Nope: Property Nope does not exist"},
        {"unknown sub-object", ProbeWith("Fnt.Size", {vaInt8, 1}), "Error reading P.Fnt.Size: Property Fnt does not exist"},
        {"text for a number", ProbeWith("Count", Concat({{vaString}, Str("1")})),
         "Error reading P.Count: Invalid property value"},
        {"number out of range", ProbeWith("Count", {vaInt64, 0, 0, 0, 0, 1, 0, 0, 0}),
         "Error reading P.Count: Invalid property value"},
        // A 32-bit number read outside a property (a component's position, a
        // series' defined style) has its range checked as well.
        {"child position beyond 32 bits",
         Concat({{'T', 'P', 'F', '0', 0xF2, vaInt64, 0, 0, 0, 0, 1, 0, 0, 0}, Str("TProbe"), Str("P"), {0, 0}}),
         "Invalid property value"},
        {"no such member", ProbeWith("Shape", Concat({{vaIdent}, Str("shOval")})), "Invalid property value"},
        {"no such set member", ProbeWith("Flags", Concat({{vaSet}, Str("pfPink"), {0}})), "Invalid property value"},
        {"value for a sub-object", ProbeWith("Font", {vaNil}), "Invalid property value"},
        {"unknown value type", ProbeWith("Count", {0x40}), "Invalid value type 64 in stream"},
        {"length past the end", ProbeWith("Caption", {vaLString, 0xF0, 0xFF, 0xFF, 0xFF, 'a'}), "Stream read error"},
        {"wide length past the end", ProbeWith("Caption", {vaWString, 0xF0, 0xFF, 0xFF, 0x7F, 'a'}), "Stream read error"},
        {"binary past the end", ProbeWith("Blob", {vaBinary, 9, 0, 0, 0, 1}), "Stream read error"},
        {"list where binary belongs", ProbeWith("Blob", {vaList, 0}), "Invalid property value"},
    };
    for (const Case& c : cases) {
        try {
            Read(c.stream);
            ADD_FAILURE() << c.what << ": read without error";
        } catch (const EFilerError& e) {
            EXPECT_NE(e.GetMessage().Pos(c.message), 0) << c.what << ": " << e.GetMessage().c_str();
        }
    }
    EXPECT_THROW(Read(Concat({{'T', 'P', 'F', '0'}, Str("TProbe"), Str("1st"), {0, 0}})), EComponentError);
}

TEST(FormStream, NestingPastTheLimitIsRefusedNotFollowedOffTheStack) {
    Bytes stream = {'T', 'P', 'F', '0'};
    const Bytes component = Concat({Str("TProbe"), Str(""), {0}});
    for (int i = 0; i < 200; ++i) stream.insert(stream.end(), component.begin(), component.end());
    EXPECT_THROW(Read(stream), EReadError);
    Bytes collections = ProbeWith("Items", {});
    collections.resize(collections.size() - 2);
    for (int i = 0; i < 200; ++i) {
        const Bytes item = Concat({{vaCollection, vaList}, Str("Items")});
        collections.insert(collections.end(), item.begin(), item.end());
    }
    EXPECT_THROW(Read(collections), EReadError);
}

TEST(FormStream, AFailedReadIntoAnExistingRootTakesBackWhatItAdded) {
    TProbe root(nullptr);
    auto* own = new TProbe(&root);
    own->SetName("Own");
    ProbeTree tree;
    Bytes bytes = Write(tree.root.get());
    bytes.resize(bytes.size() - 3);  // inside the last component
    TMemoryStream stream;
    stream.SetBytes(bytes);
    EXPECT_THROW(TReader(&stream).ReadRootComponent(&root), EReadError);
    ASSERT_EQ(root.GetComponentCount(), 1);
    EXPECT_EQ(root.GetComponent(0), own);
    EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
}

TEST(FormStream, RandomMutationsOfAValidStreamReadOrRaiseAStreamingError) {
    ProbeTree tree;
    const Bytes valid = Write(tree.root.get());
    std::mt19937 random(20240611);
    int refused = 0, read = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes bytes = valid;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0: bytes[at] = static_cast<std::uint8_t>(random()); break;
            case 1: bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8)); break;
            case 2: bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at)); break;
            case 3: bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(random())); break;
            }
        }
        try {
            auto result = Read(bytes);
            ++read;
        } catch (const EFilerError&) {
            ++refused;
        } catch (const EComponentError&) {
            ++refused;  // a name changed into one that is no identifier, or taken
        }
    }
    // Both roads are taken: the mutations are neither all fatal nor all harmless.
    EXPECT_GT(refused, 1000);
    EXPECT_GT(read, 100);
}

}  // namespace
