// Fuzzing the form stream reader: any bytes either build a tree of
// components or raise an exception of the class library's family, never
// another failure; a tree read is written again, and that stream reads
// back and writes the same bytes. Streams may name every class the chart
// library registers: forms, charts, series of every type, their functions.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "chart/series/TeEngineSeries.h"
#include "fuzz/Check.h"
#include "platform/runtime/Filer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<TComponent> Read(Bytes bytes) {
    TMemoryStream stream;
    stream.SetBytes(std::move(bytes));
    return std::unique_ptr<TComponent>(TReader(&stream).ReadRootComponent(nullptr));
}

Bytes Write(TComponent* Root) {
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(Root);
    return stream.GetBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    std::unique_ptr<TComponent> root;
    try {
        root = Read(Bytes(Data, Data + Size));
    } catch (const Exception& e) {
        FuzzCheck(!e.GetMessage().IsEmpty(), "a refused stream without a reason");
        return 0;
    }
    const Bytes written = Write(root.get());
    std::unique_ptr<TComponent> again;
    try {
        again = Read(written);
    } catch (const Exception& e) {
        FuzzFault("a stream written from a tree read does not read back: " + e.GetMessage().str());
    }
    FuzzCheck(Write(again.get()) == written, "a tree read back writes other bytes");
    return 0;
}
