#pragma once
// Byte streams: TStream reads and writes at a position; TMemoryStream keeps
// its bytes in memory. The component streaming reads and writes through them.

#include <cstdint>
#include <vector>

#include "platform/runtime/Components.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    // As many bytes as are there, up to Count; how many were read.
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // The new position, kept within 0..Size.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;
    // EReadError ("Stream read error") unless all Count bytes are there.
    void ReadBuffer(void* Buffer, std::int64_t Count);
    // EWriteError ("Stream write error") unless all Count bytes went in.
    void WriteBuffer(const void* Buffer, std::int64_t Count);
    std::int64_t GetPosition() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Value) { Seek(Value, soBeginning); }
    std::int64_t GetSize();
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    const std::vector<std::uint8_t>& GetBytes() const { return bytes_; }
    // Replaces the contents; the position goes back to 0.
    void SetBytes(std::vector<std::uint8_t> Bytes);

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};
