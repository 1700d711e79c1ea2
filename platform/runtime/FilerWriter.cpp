// Writing a tree of components as a form stream: published properties that
// differ from what a new object has, then what DefineProperties adds.
#include "platform/runtime/Filer.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

template <class T>
void PutLittleEndian(std::uint8_t* Bytes, T Value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) Bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(Value) >> (8 * i));
}

}  // namespace

void TWriter::WriteValue(TValueType Value) { WriteBytes(&Value, 1); }

void TWriter::WriteStr(const AnsiString& Value) {
    if (Value.Length() > 255) throw EWriteError("Name too long for a form stream: " + Value.SubString(1, 40) + "...");
    const auto length = static_cast<std::uint8_t>(Value.Length());
    WriteBytes(&length, 1);
    WriteBytes(Value.c_str(), length);
}

void TWriter::WriteInteger(std::int64_t Value) {
    std::uint8_t b[8];
    if (Value >= INT8_MIN && Value <= INT8_MAX) {
        WriteValue(vaInt8);
        PutLittleEndian(b, static_cast<std::int8_t>(Value));
        WriteBytes(b, 1);
    } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
        WriteValue(vaInt16);
        PutLittleEndian(b, static_cast<std::int16_t>(Value));
        WriteBytes(b, 2);
    } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
        WriteValue(vaInt32);
        PutLittleEndian(b, static_cast<std::int32_t>(Value));
        WriteBytes(b, 4);
    } else {
        WriteValue(vaInt64);
        PutLittleEndian(b, Value);
        WriteBytes(b, 8);
    }
}

void TWriter::WriteFloat(double Value) {
    std::uint8_t b[10];
    DoubleToExtended(Value, b);
    WriteValue(vaExtended);
    WriteBytes(b, 10);
}

void TWriter::WriteString(const AnsiString& Value) {
    if (Value.Length() <= 255) {
        WriteValue(vaString);
        WriteStr(Value);
        return;
    }
    std::uint8_t b[4];
    PutLittleEndian(b, static_cast<std::uint32_t>(Value.Length()));
    WriteValue(vaLString);
    WriteBytes(b, 4);
    WriteBytes(Value.c_str(), Value.Length());
}

void TWriter::WriteIdent(const AnsiString& Value) {
    WriteValue(vaIdent);
    WriteStr(Value);
}

// ---- Components ---------------------------------------------------------------------------

void TWriter::WriteRootComponent(TComponent* Root) {
    root_ = Root;
    WriteBytes("TPF0", 4);
    WriteComponent(Root);
}

void TWriter::WriteComponent(TComponent* Component) {
    Component->state_ << csWriting;
    WriteStr(Component->ClassName());
    WriteStr(Component->GetName());
    WriteProperties(Component, AnsiString());
    WriteListEnd();
    Component->GetChildren([this](TComponent* Child) { WriteComponent(Child); }, root_);
    WriteListEnd();
    Component->state_ >> csWriting;
}

bool TWriter::IsReachable(const TComponent* Component) const {
    return Component == root_ || (Component && Component->GetOwner() == root_ && !Component->GetName().IsEmpty());
}

void TWriter::WriteProperties(TPersistent* Instance, const AnsiString& Prefix) {
    if (const TPublishedClass* c = PublishedClassOf(Instance))
        for (const TPropInfo* p : c->AllProperties())
            if (p->IsStored(Instance)) WriteProperty(Instance, *p, Prefix);
    const AnsiString outer = prefix_;
    prefix_ = Prefix;
    Instance->DefineProperties(this);
    prefix_ = outer;
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Property, const AnsiString& Prefix) {
    if (Property.Kind == pkPersistent) {
        if (TPersistent* object = Property.GetObject(Instance)) WriteProperties(object, Prefix + Property.Name + ".");
        return;
    }
    if (Property.Kind == pkComponent) {
        auto* component = dynamic_cast<TComponent*>(Property.GetObject(Instance));
        // Only a component of the tree written can be found by name again.
        if (!IsReachable(component)) return;
        WriteStr(Prefix + Property.Name);
        WriteIdent(component->GetName());
        return;
    }
    WriteStr(Prefix + Property.Name);
    switch (Property.Kind) {
    case pkInteger: WriteInteger(Property.GetOrd(Instance)); break;
    case pkBoolean: WriteBoolean(Property.GetOrd(Instance) != 0); break;
    case pkEnumeration: {
        const std::int64_t v = Property.GetOrd(Instance);
        if (v >= 0 && v < static_cast<std::int64_t>(Property.MemberNames.size()))
            WriteIdent(Property.MemberNames[static_cast<std::size_t>(v)]);
        else
            WriteInteger(v);
        break;
    }
    case pkSet: {
        const std::int64_t bits = Property.GetOrd(Instance);
        WriteValue(vaSet);
        for (std::size_t i = 0; i < Property.MemberNames.size(); ++i)
            if (bits & (std::int64_t(1) << i)) WriteStr(Property.MemberNames[i]);
        WriteStr(AnsiString());
        break;
    }
    case pkFloat: WriteFloat(Property.GetFloat(Instance)); break;
    case pkString: WriteString(Property.GetString(Instance)); break;
    case pkCollection: {
        WriteValue(vaCollection);
        const int count = Property.GetCount(Instance);
        for (int i = 0; i < count; ++i) {
            WriteListBegin();
            WriteProperties(Property.GetItem(Instance, i), AnsiString());
            WriteListEnd();
        }
        WriteListEnd();
        break;
    }
    case pkComponent:
    case pkPersistent: break;
    }
}

// ---- Defined properties -------------------------------------------------------------------

void TWriter::DefineProperty(const AnsiString& Name, const TReaderProc&, const TWriterProc& WriteData, bool HasData) {
    if (!HasData || !WriteData) return;
    WriteStr(prefix_ + Name);
    WriteData(this);
}

void TWriter::DefineBinaryProperty(const AnsiString& Name, const TStreamProc&, const TStreamProc& WriteData,
                                   bool HasData) {
    if (!HasData || !WriteData) return;
    TMemoryStream data;
    WriteData(&data);
    const auto& bytes = data.GetBytes();
    std::uint8_t b[4];
    PutLittleEndian(b, static_cast<std::uint32_t>(bytes.size()));
    WriteStr(prefix_ + Name);
    WriteValue(vaBinary);
    WriteBytes(b, 4);
    WriteBytes(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}
