// Enhanced metafiles made to harm: sizes and counts that run past their
// records or add up beyond an int are refused with a reason, and shapes
// whose boxes reach far past the picture are drawn in memory bounded by
// what shows, not by the box.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "CanvasTestSupport.h"
#include "platform/gdi/Metafile.h"
#include "support/TempDir.h"

namespace {

// The records of an enhanced metafile, in the layout the reader takes.
class TEmfBytes {
public:
    TEmfBytes& Record(std::uint32_t Type, std::vector<std::int32_t> Data) {
        body_.push_back(static_cast<std::int32_t>(Type));
        body_.push_back(static_cast<std::int32_t>(8 + 4 * Data.size()));
        body_.insert(body_.end(), Data.begin(), Data.end());
        return *this;
    }
    // A header of a picture whose last pixel is (Right, Bottom), the
    // records and the end record.
    std::string File(std::int32_t Right = 199, std::int32_t Bottom = 119) {
        Record(14, {0, 16, 20});
        std::vector<std::int32_t> words = {1, 108, 0, 0, Right, Bottom, 0, 0, 5291, 3175, 0x464D4520,
                                           0x10000, static_cast<std::int32_t>(108 + 4 * body_.size()), 0, 4, 0, 0, 0,
                                           1024, 768, 271, 203, 0, 0, 0, 270933, 203200};
        words.insert(words.end(), body_.begin(), body_.end());
        return std::string(reinterpret_cast<const char*>(words.data()), 4 * words.size());
    }

private:
    std::vector<std::int32_t> body_;
};

constexpr std::uint32_t EmrPolyline = 4, EmrSetPixel = 15, EmrSelectObject = 37, EmrCreatePen = 38,
                        EmrCreateBrush = 39, EmrEllipse = 42, EmrArc = 45, EmrChord = 46, EmrPie = 47, EmrBitBlt = 76,
                        EmrStretchDIBits = 81, EmrExtTextOutW = 84;

std::vector<std::int32_t> BitBlt(std::int32_t X, std::int32_t Width) {
    std::vector<std::int32_t> d = {0, 0, 1, 1, X, 0, Width, 1, 0x00FF0062};
    d.resize(23, 0);
    return d;
}

std::unique_ptr<TMetafile> Load(const TempDir& Dir, const std::string& Bytes) {
    Dir.Write("crafted.emf", Bytes);
    auto picture = std::make_unique<TMetafile>();
    picture->LoadFromFile(Dir.File("crafted.emf"));
    return picture;
}

TEST(CraftedMetafile, SizesAndCountsPastTheirRecordsOrBeyondAnIntAreRefused) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    // Its two characters at 88, inside the end record that follows it.
    const std::string textRecordPastItsEnd =
        TEmfBytes().Record(EmrExtTextOutW, {0, 0, 0, 0, 1, 0, 0, 10, 10, 2, 88, 0, 0, 0, 0, 0, 76, 0, 0}).File();
    const Case cases[] = {
        {"a blit whose width runs past the largest int", TEmfBytes().Record(EmrBitBlt, BitBlt(INT_MAX, 1)).File()},
        {"a picture whose end is the largest int",
         TEmfBytes().Record(EmrStretchDIBits, {0, 0, 1, 1, INT_MAX - 10, 0, 0, 0, 1, 1, 80, 40, 120, 4, 0, 0xCC0020, 100,
                                               1, 40, 1, 1, 0x180001, 0, 4, 0, 0, 0, 0, 0})
             .File()},
        {"a polyline counting points of the next record",
         TEmfBytes().Record(EmrPolyline, {0, 0, 9, 9, 3, 1, 1, 5, 5}).Record(EmrSetPixel, {7, 7, 255}).File()},
        {"a text whose characters lie past its record", textRecordPastItsEnd},
        {"a picture ending at the largest int", TEmfBytes().File(INT_MAX, 9)},
        {"a pen wider than any picture", TEmfBytes().Record(EmrCreatePen, {1, 0, INT_MAX, 0, 0}).File()},
    };
    TempDir dir;
    for (const Case& c : cases) {
        try {
            Load(dir, c.bytes);
            ADD_FAILURE() << "taken: " << c.what;
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(e.GetMessage().Pos("is not an enhanced metafile"), 0) << c.what;
        }
    }
}

// Text whose UTF-16 has lone surrogates reads them as U+FFFD, and a pair
// as one character with the pair's advance: saved again, it writes them so.
TEST(CraftedMetafile, LoneSurrogatesInTextAreReadAsReplacementCharacters) {
    // A lone high surrogate, "A", a lone low one, then the pair of U+1F600.
    const auto units = [](std::uint32_t Low, std::uint32_t High) { return static_cast<std::int32_t>(Low | High << 16); };
    const std::string bytes = TEmfBytes()
                                  .Record(EmrExtTextOutW, {0, 0, 0, 0, 1, 0, 0, 10, 10, 5, 76, 0, 0, 0, 0, 0, 88,
                                                           units(0xD800, 0x0041), units(0xDC00, 0xD83D),
                                                           units(0xDE00, 0), 5, 6, 7, 8, 0})
                                  .File();
    TempDir dir;
    const std::string saved = Load(dir, bytes)->SaveToBytes();
    const std::uint16_t text[] = {0xFFFD, 0x0041, 0xFFFD, 0xD83D, 0xDE00, 0};
    const std::int32_t advances[] = {5, 6, 7, 8, 0};
    const std::string expected = std::string(reinterpret_cast<const char*>(text), sizeof text) +
                                 std::string(reinterpret_cast<const char*>(advances), sizeof advances);
    EXPECT_NE(saved.find(expected), std::string::npos);
}

// Data memory the process may still take from now on.
void LimitMemoryGrowth(rlim_t Bytes) {
    std::ifstream status("/proc/self/status");
    std::string line;
    rlim_t data = 0;
    while (std::getline(status, line))
        if (line.rfind("VmData:", 0) == 0) data = std::strtoull(line.c_str() + 7, nullptr, 10) * 1024;
    const rlimit limit{data + Bytes, data + Bytes};
    setrlimit(RLIMIT_DATA, &limit);
}

// Draws Bytes onto a 200 x 120 picture with 64 MB to spare; exits 0 when
// the pen shows on the top row and the bottom row is left white.
[[noreturn]] void DrawWithinBoundedMemory(const TempDir& Dir, const std::string& Bytes) {
    auto picture = Load(Dir, Bytes);
    auto bitmap = WhiteBitmap(200, 120);
    LimitMemoryGrowth(64 << 20);
    picture->Draw(bitmap->GetCanvas(), TRect(0, 0, 200, 120));
    int top = 0, bottom = 0;
    for (int x = 0; x < 200; ++x) {
        top += DevicePixel(bitmap.get(), x, 0) == clBlack;
        bottom += DevicePixel(bitmap.get(), x, 119) != clWhite;
    }
    std::_Exit(top > 50 && bottom == 0 ? 0 : 3);
}

TEST(CraftedMetafileDeathTest, ShapesFarWiderThanThePictureCostWhatShows) {
    // Ellipses 10^8 pixels wide centred on the picture's left edge, their
    // upper halves (from 3 o'clock round to 9 o'clock) across its top row.
    const std::vector<std::int32_t> box = {-50000000, 0, 50000000, 240};
    auto shape = [&](std::uint32_t Type, std::int32_t PenStyle) {
        std::vector<std::int32_t> d = box;
        if (Type != EmrEllipse) d.insert(d.end(), {200, 120, -200, 120});
        // A black pen and a hollow brush.
        return TEmfBytes()
            .Record(EmrCreatePen, {1, PenStyle, 1, 0, 0})
            .Record(EmrSelectObject, {1})
            .Record(EmrCreateBrush, {2, 1, 0, 0})
            .Record(EmrSelectObject, {2})
            .Record(Type, d)
            .File();
    };
    struct Case {
        const char* what;
        std::uint32_t type;
        std::int32_t penStyle;
    };
    const Case cases[] = {
        {"arc", EmrArc, 0},   {"pie", EmrPie, 0},           {"chord", EmrChord, 0},
        {"dotted arc", EmrArc, 2}, {"dotted ellipse", EmrEllipse, 2},
    };
    TempDir dir;
    for (const Case& c : cases)
        EXPECT_EXIT(DrawWithinBoundedMemory(dir, shape(c.type, c.penStyle)), ::testing::ExitedWithCode(0), "")
            << c.what;
}

}  // namespace
