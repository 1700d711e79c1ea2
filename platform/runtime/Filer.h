#pragma once
// The binary form stream of the class library: TWriter stores a tree of
// components (the signature "TPF0", then each component as its class name,
// its name, its properties as typed values and the components stored inside
// it), TReader builds a new tree of registered classes from such a stream.
// Properties come from the classes' published lists
// (PublishedProperties.h); a class stores more through DefineProperties.

#include <cstdint>
#include <vector>

#include "platform/runtime/Components.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Streams.h"

struct TPropInfo;

// The tag byte in front of every value.
enum TValueType : std::uint8_t {
    vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary, vaSet,
    vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble
};

// The optional prefix of a component: 0xF0 plus these bits, then the
// child position when ffChildPos is there.
enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = Set<TFilerFlag>;

using TReaderProc = TClosure<void(TReader* Reader)>;
using TWriterProc = TClosure<void(TWriter* Writer)>;
using TStreamProc = TClosure<void(TStream* Stream)>;

class TFiler : public TObject {
public:
    explicit TFiler(TStream* Stream) : stream_(Stream) {}
    // Data of the object being streamed that is no published property,
    // under a name of its own: the writer calls WriteData when HasData, the
    // reader calls ReadData when the stream holds that name.
    virtual void DefineProperty(const AnsiString& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                                bool HasData) = 0;
    // The same for raw bytes, stored as one binary value.
    virtual void DefineBinaryProperty(const AnsiString& Name, const TStreamProc& ReadData,
                                      const TStreamProc& WriteData, bool HasData) = 0;
protected:
    TStream* stream_;
    // The component at the top of the tree being streamed.
    TComponent* root_ = nullptr;
};

class TReader : public TFiler {
public:
    explicit TReader(TStream* Stream);
    void DefineProperty(const AnsiString& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const AnsiString& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                              bool HasData) override;

    // Reads a whole stream into Root, or into a new object of the stream's
    // root class when Root is nullptr, and returns it. Every component the
    // stream holds is made with the root as owner and put in the component
    // it is stored in (SetParentComponent); references between them are
    // resolved at the end, then each is told Loaded. A malformed stream
    // raises EReadError (EClassNotFound for an unregistered class) and
    // leaves nothing of what was read behind.
    TComponent* ReadRootComponent(TComponent* Root);

    // The parts of values, for DefineProperty readers.
    TValueType NextValue();
    // The end marker is next. What follows otherwise need not be a value: a
    // property's or a component's name may begin with any length byte.
    bool EndOfList();
    void ReadListBegin() { CheckValue(vaList); }
    void ReadListEnd() { CheckValue(vaNull); }
    int ReadInteger();
    std::int64_t ReadInt64();
    double ReadFloat();
    bool ReadBoolean();
    AnsiString ReadString();
    AnsiString ReadIdent();

private:
    struct Fixup {
        TPersistent* Instance;
        const TPropInfo* Property;
        AnsiString Name;
    };

    TValueType ReadValue();
    void CheckValue(TValueType Expected);
    AnsiString ReadStr();
    void ReadBytes(void* Buffer, std::int64_t Count);
    std::uint32_t ReadLength();
    TFilerFlags ReadPrefix();
    void ReadSignature();
    void ReadComponent(TComponent* Parent);
    void ReadProperties(TPersistent* Instance);
    void ReadProperty(TPersistent* Instance);
    void ReadPropValue(TPersistent* Instance, const TPropInfo& Property);
    void ReadSet(TPersistent* Instance, const TPropInfo& Property);
    void ReadCollection(TPersistent* Instance, const TPropInfo& Property);
    void ResolveFixups();
    [[noreturn]] void PropertyError(const AnsiString& Message) const;
    void Nest();

    std::int64_t size_;
    int depth_ = 0;
    TComponent* current_ = nullptr;
    AnsiString propName_;       // the dotted name being read, for messages
    AnsiString definedName_;    // the property DefineProperties is asked for
    std::vector<TComponent*> loaded_;
    std::vector<Fixup> fixups_;
};

class TWriter : public TFiler {
public:
    explicit TWriter(TStream* Stream) : TFiler(Stream) {}
    void DefineProperty(const AnsiString& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const AnsiString& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                              bool HasData) override;

    // The signature, then Root with its properties and, inside it, the
    // components its GetChildren names, each with theirs.
    void WriteRootComponent(TComponent* Root);

    // The parts of values, for DefineProperty writers.
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    // In the fewest bytes that hold it.
    void WriteInteger(std::int64_t Value);
    void WriteFloat(double Value);
    void WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }
    void WriteString(const AnsiString& Value);
    void WriteIdent(const AnsiString& Value);

private:
    void WriteValue(TValueType Value);
    void WriteStr(const AnsiString& Value);
    void WriteBytes(const void* Buffer, std::int64_t Count) { stream_->WriteBuffer(Buffer, Count); }
    void WriteComponent(TComponent* Component);
    void WriteProperties(TPersistent* Instance, const AnsiString& Prefix);
    void WriteProperty(TPersistent* Instance, const TPropInfo& Property, const AnsiString& Prefix);
    bool IsReachable(const TComponent* Component) const;

    AnsiString prefix_;
};

// The 10 bytes of an 80-bit extended holding Value exactly, and back (to
// the nearest double, infinity past its range).
void DoubleToExtended(double Value, std::uint8_t (&Bytes)[10]);
double ExtendedToDouble(const std::uint8_t (&Bytes)[10]);
