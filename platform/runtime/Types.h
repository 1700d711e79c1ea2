#pragma once
// Plain value types of the class library: integer names, points, rectangles,
// colours and the small bit set used for Pascal-style "set of" types.

#include <cstdint>
#include <initializer_list>

using Byte = std::uint8_t;
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using Integer = std::int32_t;
using Int64 = std::int64_t;
using LongWord = std::uint32_t;

// 0x00BBGGRR; system colours are 0x80000000 | index, see ColorToRGB.
using TColor = std::int32_t;

struct TPoint {
    int x = 0;
    int y = 0;
    constexpr TPoint() = default;
    constexpr TPoint(int ax, int ay) : x(ax), y(ay) {}
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive, as everywhere in the drawing code.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    constexpr TRect(TPoint tl, TPoint br) : Left(tl.x), Top(tl.y), Right(br.x), Bottom(br.y) {}
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const { return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }
bool PtInRect(const TRect& r, const TPoint& p);
// Intersection; false (and an empty Dest) when the two do not overlap.
bool IntersectRect(TRect& Dest, const TRect& a, const TRect& b);
void OffsetRect(TRect& r, int dx, int dy);
void InflateRect(TRect& r, int dx, int dy);

// A "set of" an enumeration whose members are numbered 0..63.
template <class E>
class Set {
public:
    using Member = E;
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> members) {
        for (E e : members) bits_ |= Bit(e);
    }
    constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
    constexpr Set& operator<<(E e) { bits_ |= Bit(e); return *this; }
    constexpr Set& operator>>(E e) { bits_ &= ~Bit(e); return *this; }
    constexpr Set operator+(Set o) const { Set r; r.bits_ = bits_ | o.bits_; return r; }
    constexpr Set operator-(Set o) const { Set r; r.bits_ = bits_ & ~o.bits_; return r; }
    constexpr Set operator*(Set o) const { Set r; r.bits_ = bits_ & o.bits_; return r; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Clear() { bits_ = 0; }
    friend constexpr bool operator==(const Set&, const Set&) = default;

private:
    static constexpr std::uint64_t Bit(E e) { return std::uint64_t(1) << static_cast<unsigned>(e); }
    std::uint64_t bits_ = 0;
};
