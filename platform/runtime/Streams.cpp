#include "platform/runtime/Streams.h"

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

std::int64_t TStream::GetSize() {
    const std::int64_t position = Seek(0, soCurrent);
    const std::int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
    if (Count <= 0 || position_ >= bytes_.size()) return 0;
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(Count), bytes_.size() - position_);
    std::memcpy(Buffer, bytes_.data() + position_, n);
    position_ += n;
    return static_cast<std::int64_t>(n);
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    const auto n = static_cast<std::size_t>(Count);
    if (position_ + n > bytes_.size()) bytes_.resize(position_ + n);
    std::memcpy(bytes_.data() + position_, Buffer, n);
    position_ += n;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    const auto size = static_cast<std::int64_t>(bytes_.size());
    std::int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? static_cast<std::int64_t>(position_) : size;
    const std::int64_t target = std::clamp<std::int64_t>(base + Offset, 0, size);
    position_ = static_cast<std::size_t>(target);
    return target;
}

void TMemoryStream::SetBytes(std::vector<std::uint8_t> Bytes) {
    bytes_ = std::move(Bytes);
    position_ = 0;
}
