// Reading a form stream into new components. Every length and count read
// is checked against the bytes left and every nesting against a limit, so
// that no stream, however malformed, makes the reader allocate without
// bound or run out of stack.
#include <algorithm>
#include <cstring>

#include "platform/runtime/Filer.h"
#include "platform/runtime/PublishedProperties.h"
#include "platform/runtime/Utf8.h"

namespace {

// Deeper than any form has its components, lists and collections.
constexpr int MaxNesting = 64;

const char* const Signature = "TPF0";

// UTF-16 code units as UTF-8; a lone surrogate becomes U+FFFD.
AnsiString Utf16ToUtf8(const std::vector<std::uint16_t>& Units) {
    std::string out;
    for (std::size_t i = 0; i < Units.size();) AppendUtf8(out, TakeUtf16(Units, i));
    return AnsiString(std::move(out));
}

template <class T>
T LittleEndian(const std::uint8_t* Bytes) {
    std::uint64_t v = 0;
    for (int i = static_cast<int>(sizeof(T)) - 1; i >= 0; --i) v = (v << 8) | Bytes[i];
    T result;
    std::memcpy(&result, &v, sizeof(T));
    return result;
}

const AnsiString InvalidValue = "Invalid property value";

}  // namespace

TReader::TReader(TStream* Stream) : TFiler(Stream), size_(Stream->GetSize()) {}

// ---- Values -------------------------------------------------------------------------------

void TReader::ReadBytes(void* Buffer, std::int64_t Count) { stream_->ReadBuffer(Buffer, Count); }

TValueType TReader::ReadValue() {
    std::uint8_t b;
    ReadBytes(&b, 1);
    if (b > vaDouble) throw EReadError("Invalid value type " + AnsiString(int(b)) + " in stream");
    return static_cast<TValueType>(b);
}

TValueType TReader::NextValue() {
    const TValueType result = ReadValue();
    stream_->Seek(-1, soCurrent);
    return result;
}

bool TReader::EndOfList() {
    std::uint8_t b;
    ReadBytes(&b, 1);
    stream_->Seek(-1, soCurrent);
    return b == vaNull;
}

void TReader::CheckValue(TValueType Expected) {
    if (ReadValue() != Expected) throw EReadError(InvalidValue);
}

std::uint32_t TReader::ReadLength() {
    std::uint8_t b[4];
    ReadBytes(b, 4);
    const auto length = LittleEndian<std::uint32_t>(b);
    if (length > size_ - stream_->GetPosition()) throw EReadError("Stream read error");
    return length;
}

AnsiString TReader::ReadStr() {
    std::uint8_t length;
    ReadBytes(&length, 1);
    std::string s(length, '\0');
    ReadBytes(s.data(), length);
    return AnsiString(std::move(s));
}

std::int64_t TReader::ReadInt64() {
    std::uint8_t b[8];
    switch (ReadValue()) {
    case vaInt8: ReadBytes(b, 1); return LittleEndian<std::int8_t>(b);
    case vaInt16: ReadBytes(b, 2); return LittleEndian<std::int16_t>(b);
    case vaInt32: ReadBytes(b, 4); return LittleEndian<std::int32_t>(b);
    case vaInt64: ReadBytes(b, 8); return LittleEndian<std::int64_t>(b);
    default: throw EReadError(InvalidValue);
    }
}

int TReader::ReadInteger() {
    const std::int64_t v = ReadInt64();
    if (v < INT32_MIN || v > INT32_MAX) throw EReadError(InvalidValue);
    return static_cast<int>(v);
}

double TReader::ReadFloat() {
    std::uint8_t b[10];
    switch (NextValue()) {
    case vaExtended: ReadValue(); ReadBytes(b, 10); return ExtendedToDouble(b);
    case vaDouble:
    case vaDate: ReadValue(); ReadBytes(b, 8); return LittleEndian<double>(b);
    case vaSingle: ReadValue(); ReadBytes(b, 4); return LittleEndian<float>(b);
    // Currency is a whole number of ten-thousandths.
    case vaCurrency: ReadValue(); ReadBytes(b, 8); return static_cast<double>(LittleEndian<std::int64_t>(b)) / 10000;
    default: return static_cast<double>(ReadInt64());
    }
}

bool TReader::ReadBoolean() {
    const TValueType v = ReadValue();
    if (v != vaFalse && v != vaTrue) throw EReadError(InvalidValue);
    return v == vaTrue;
}

AnsiString TReader::ReadString() {
    switch (ReadValue()) {
    case vaString: return ReadStr();
    case vaLString:
    case vaUTF8String: {
        std::string s(ReadLength(), '\0');
        ReadBytes(s.data(), static_cast<std::int64_t>(s.size()));
        return AnsiString(std::move(s));
    }
    case vaWString: {
        std::uint8_t b[4];
        ReadBytes(b, 4);
        const auto count = LittleEndian<std::uint32_t>(b);
        if (std::int64_t(count) * 2 > size_ - stream_->GetPosition()) throw EReadError("Stream read error");
        std::vector<std::uint8_t> bytes(std::size_t(count) * 2);
        ReadBytes(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        std::vector<std::uint16_t> units(count);
        for (std::size_t i = 0; i < count; ++i) units[i] = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        return Utf16ToUtf8(units);
    }
    default: throw EReadError(InvalidValue);
    }
}

AnsiString TReader::ReadIdent() {
    CheckValue(vaIdent);
    return ReadStr();
}

// ---- Components ---------------------------------------------------------------------------

void TReader::ReadSignature() {
    char signature[4];
    ReadBytes(signature, 4);
    if (std::memcmp(signature, Signature, 4) != 0) throw EReadError("Invalid stream format");
}

TFilerFlags TReader::ReadPrefix() {
    TFilerFlags flags;
    std::uint8_t b;
    ReadBytes(&b, 1);
    if ((b & 0xF0) != 0xF0) {
        stream_->Seek(-1, soCurrent);
        return flags;
    }
    if (b & 1) flags << ffInherited;
    if (b & 2) flags << ffChildPos;
    if (b & 4) flags << ffInline;
    // The position among the ancestor's children matters only to inherited
    // forms, which are not read here.
    if (flags.Contains(ffChildPos)) ReadInteger();
    return flags;
}

void TReader::Nest() {
    if (++depth_ > MaxNesting) throw EReadError("Stream nested too deeply");
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
    TComponent* created = nullptr;
    std::vector<TComponent*> ownChildren;
    if (Root)
        for (int i = 0; i < Root->GetComponentCount(); ++i) ownChildren.push_back(Root->GetComponent(i));
    try {
        ReadSignature();
        ReadPrefix();
        const AnsiString className = ReadStr();
        if (!Root) {
            const TPublishedClass* c = FindPublishedClass(className);
            if (!c) throw EClassNotFound("Class " + className + " not found");
            Root = created = c->Create(nullptr);
            if (!Root) throw EClassNotFound("Class " + className + " cannot be made from a stream");
        }
        root_ = current_ = Root;
        Root->state_ << csLoading << csReading;
        loaded_.push_back(Root);
        Root->SetName(ReadStr());
        ReadProperties(Root);
        while (!EndOfList()) ReadComponent(Root);
        ReadListEnd();
        ResolveFixups();
        for (TComponent* c : loaded_) c->state_ >> csReading;
        for (TComponent* c : loaded_) c->Loaded();
        loaded_.clear();
        return Root;
    } catch (...) {
        fixups_.clear();
        if (created) {
            delete created;
        } else if (Root) {
            // Everything the stream added goes; what the root owned stays.
            for (int i = Root->GetComponentCount() - 1; i >= 0; --i) {
                TComponent* c = Root->GetComponent(i);
                if (std::find(ownChildren.begin(), ownChildren.end(), c) == ownChildren.end()) delete c;
            }
            Root->state_ >> csLoading >> csReading;
        }
        loaded_.clear();
        throw;
    }
}

void TReader::ReadComponent(TComponent* Parent) {
    Nest();
    ReadPrefix();
    const AnsiString className = ReadStr();
    const AnsiString name = ReadStr();
    const TPublishedClass* c = FindPublishedClass(className);
    if (!c) throw EClassNotFound("Class " + className + " not found");
    TComponent* component = c->Create(root_);
    if (!component) throw EClassNotFound("Class " + className + " cannot be made from a stream");
    component->state_ << csLoading << csReading;
    loaded_.push_back(component);
    component->SetName(name);
    component->SetParentComponent(Parent);
    TComponent* const outer = current_;
    current_ = component;
    ReadProperties(component);
    while (!EndOfList()) ReadComponent(component);
    ReadListEnd();
    current_ = outer;
    --depth_;
}

// ---- Properties ---------------------------------------------------------------------------

void TReader::PropertyError(const AnsiString& Message) const {
    throw EReadError("Error reading " + current_->GetName() + "." + propName_ + ": " + Message);
}

void TReader::ReadProperties(TPersistent* Instance) {
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
}

void TReader::ReadProperty(TPersistent* Instance) {
    propName_ = ReadStr();
    // "Marks.Font.Size": every part but the last names a sub-object.
    AnsiString rest = propName_;
    for (int dot = rest.Pos("."); dot > 0; dot = rest.Pos(".")) {
        const TPublishedClass* c = PublishedClassOf(Instance);
        const TPropInfo* p = c ? c->FindProperty(rest.SubString(1, dot - 1)) : nullptr;
        TPersistent* object = p && p->Kind == pkPersistent ? p->GetObject(Instance) : nullptr;
        if (!object) PropertyError("Property " + rest.SubString(1, dot - 1) + " does not exist");
        Instance = object;
        rest = rest.SubString(dot + 1, rest.Length() - dot);
    }
    const TPublishedClass* c = PublishedClassOf(Instance);
    if (const TPropInfo* p = c ? c->FindProperty(rest) : nullptr) {
        try {
            ReadPropValue(Instance, *p);
        } catch (const EFilerError& e) {
            // Stream faults say where they were met.
            if (e.GetMessage().Pos("Error reading ") == 1) throw;
            PropertyError(e.GetMessage());
        }
        return;
    }
    definedName_ = rest;
    Instance->DefineProperties(this);
    if (!definedName_.IsEmpty()) PropertyError("Property " + rest + " does not exist");
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Property) {
    switch (Property.Kind) {
    case pkInteger: {
        const std::int64_t v = ReadInt64();
        if (v < Property.MinValue || v > Property.MaxValue) throw EReadError(InvalidValue);
        Property.SetOrd(Instance, v);
        break;
    }
    case pkBoolean: Property.SetOrd(Instance, ReadBoolean() ? 1 : 0); break;
    case pkEnumeration: {
        const AnsiString ident = ReadIdent();
        for (std::size_t i = 0; i < Property.MemberNames.size(); ++i)
            if (Property.MemberNames[i].AnsiCompareIC(ident) == 0) {
                Property.SetOrd(Instance, static_cast<std::int64_t>(i));
                return;
            }
        throw EReadError(InvalidValue);
    }
    case pkSet: ReadSet(Instance, Property); break;
    case pkFloat: Property.SetFloat(Instance, ReadFloat()); break;
    case pkString: Property.SetString(Instance, ReadString()); break;
    case pkComponent:
        if (NextValue() == vaNil) {
            ReadValue();
            Property.SetComponent(Instance, nullptr);
        } else {
            // The component may come later in the stream.
            fixups_.push_back({Instance, &Property, ReadIdent()});
        }
        break;
    case pkPersistent: throw EReadError(InvalidValue);
    case pkCollection: ReadCollection(Instance, Property); break;
    }
}

void TReader::ReadSet(TPersistent* Instance, const TPropInfo& Property) {
    CheckValue(vaSet);
    std::int64_t bits = 0;
    for (AnsiString name = ReadStr(); !name.IsEmpty(); name = ReadStr()) {
        std::size_t i = 0;
        while (i < Property.MemberNames.size() && Property.MemberNames[i].AnsiCompareIC(name) != 0) ++i;
        if (i == Property.MemberNames.size()) throw EReadError(InvalidValue);
        bits |= std::int64_t(1) << i;
    }
    Property.SetOrd(Instance, bits);
}

void TReader::ReadCollection(TPersistent* Instance, const TPropInfo& Property) {
    CheckValue(vaCollection);
    Nest();
    // References from the old items would point at freed objects.
    for (int i = 0; i < Property.GetCount(Instance); ++i) {
        TPersistent* item = Property.GetItem(Instance, i);
        std::erase_if(fixups_, [item](const Fixup& f) { return f.Instance == item; });
    }
    Property.ClearItems(Instance);
    const AnsiString outerName = propName_;
    while (!EndOfList()) {
        const TValueType v = NextValue();
        // An item may carry its place in the collection; new items go last.
        if (v == vaInt8 || v == vaInt16 || v == vaInt32) ReadInteger();
        ReadListBegin();
        TPersistent* item = Property.AddItem(Instance);
        ReadProperties(item);
        propName_ = outerName;
    }
    ReadListEnd();
    --depth_;
}

void TReader::ResolveFixups() {
    for (const Fixup& f : fixups_) {
        TComponent* target = root_->GetName().AnsiCompareIC(f.Name) == 0 ? root_ : root_->FindComponent(f.Name);
        // A name found nowhere in this tree stays unset.
        if (target && !f.Property->SetComponent(f.Instance, target))
            throw EReadError("Error reading " + f.Property->Name + ": " + InvalidValue);
    }
    fixups_.clear();
}

// ---- Defined properties -------------------------------------------------------------------

void TReader::DefineProperty(const AnsiString& Name, const TReaderProc& ReadData, const TWriterProc&, bool) {
    if (definedName_.IsEmpty() || !ReadData || definedName_.AnsiCompareIC(Name) != 0) return;
    definedName_ = AnsiString();
    ReadData(this);
}

void TReader::DefineBinaryProperty(const AnsiString& Name, const TStreamProc& ReadData, const TStreamProc&, bool) {
    if (definedName_.IsEmpty() || !ReadData || definedName_.AnsiCompareIC(Name) != 0) return;
    definedName_ = AnsiString();
    CheckValue(vaBinary);
    std::vector<std::uint8_t> bytes(ReadLength());
    ReadBytes(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    TMemoryStream data;
    data.SetBytes(std::move(bytes));
    ReadData(&data);
}
