// Bitmap files: what we write is read back by ImageMagick, what ImageMagick
// writes we read, malformed files are refused; sizes and the picture holder.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "CanvasTestSupport.h"
#include "support/HostileFiles.h"
#include "support/TempDir.h"

namespace {

// ImageMagick's view of a picture: colour per pixel (alpha dropped).
std::map<std::pair<int, int>, TColor> MagickPixels(const std::string& file) {
    std::map<std::pair<int, int>, TColor> pixels;
    std::istringstream lines(Shell("convert '" + file + "' txt:-"));
    std::string line;
    while (std::getline(lines, line)) {
        int x, y, r, g, b;
        if (std::sscanf(line.c_str(), "%d,%d: (%d,%d,%d", &x, &y, &r, &g, &b) == 5) pixels[{x, y}] = RGB(r, g, b);
    }
    return pixels;
}

void ExpectSamePixels(TBitmap* bitmap, const std::string& file) {
    auto magick = MagickPixels(file);
    ASSERT_EQ(magick.size(), static_cast<std::size_t>(bitmap->GetWidth() * bitmap->GetHeight())) << file;
    int differing = 0;
    for (const auto& [at, color] : magick) differing += DevicePixel(bitmap, at.first, at.second) != color;
    EXPECT_EQ(differing, 0) << file;
}

std::uint32_t U32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

// A bitmap file with a 40-byte information header.
std::string MakeBmp(int width, int height, int bpp, std::uint32_t compression, const std::vector<std::uint32_t>& palette,
                    const std::string& pixels, std::uint32_t colorsUsed = 0) {
    std::string s;
    auto u16 = [&](std::uint32_t v) { s.push_back(char(v & 0xFF)); s.push_back(char(v >> 8 & 0xFF)); };
    auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    std::uint32_t offBits = 54 + 4 * static_cast<std::uint32_t>(palette.size());
    s += "BM";
    u32(offBits + static_cast<std::uint32_t>(pixels.size()));
    u32(0);
    u32(offBits);
    u32(40);
    u32(static_cast<std::uint32_t>(width));
    u32(static_cast<std::uint32_t>(height));
    u16(1);
    u16(static_cast<std::uint32_t>(bpp));
    u32(compression);
    u32(static_cast<std::uint32_t>(pixels.size()));
    u32(3780);
    u32(3780);
    u32(colorsUsed);
    u32(0);
    for (std::uint32_t c : palette) u32(c);
    return s + pixels;
}

TEST(BitmapFile, SavedFileIsTwentyFourBitBottomUpAndReadsBackInImageMagick) {
    TempDir dir;
    TBitmap bitmap;
    bitmap.SetSize(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) bitmap.GetCanvas()->SetPixels(x, y, RGB(x * 40, y * 80, 200 - x * 10));
    std::string file = dir.File("out.bmp");
    bitmap.SaveToFile(file.c_str());

    std::string bytes = dir.Read("out.bmp");
    ASSERT_EQ(bytes.size(), 54u + 3 * 16);  // rows of 15 bytes padded to 16
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(U32(bytes, 2), bytes.size());
    EXPECT_EQ(U32(bytes, 10), 54u);
    EXPECT_EQ(U32(bytes, 14), 40u);
    EXPECT_EQ(U32(bytes, 18), 5u);
    EXPECT_EQ(U32(bytes, 22), 3u);  // positive: bottom-up
    EXPECT_EQ(U32(bytes, 28) & 0xFFFF, 24u);
    EXPECT_EQ(U32(bytes, 30), 0u);
    EXPECT_EQ(U32(bytes, 34), 48u);
    // The first stored row is the bottom one, blue-green-red.
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[54]), 200);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[55]), 160);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[56]), 0);
    EXPECT_EQ(bytes[54 + 15], 0);

    EXPECT_EQ(Shell("identify -format '%w %h %z' '" + file + "'"), "5 3 8");
    ExpectSamePixels(&bitmap, file);
}

TEST(BitmapFile, MonochromeSavesAsAOneBitFileThatReadsBack) {
    TempDir dir;
    // 37 pixels: two words of bits per row, the second partly padding.
    TBitmap bitmap;
    bitmap.SetSize(37, 5);
    bitmap.SetMonochrome(true);
    TCanvas* c = bitmap.GetCanvas();
    c->GetPen()->SetColor(clBlack);
    c->MoveTo(0, 0);
    c->LineTo(37, 5);
    c->SetPixels(36, 0, clBlack);
    c->SetPixels(8, 4, clBlack);
    std::string file = dir.File("mono.bmp");
    bitmap.SaveToFile(file.c_str());

    std::string bytes = dir.Read("mono.bmp");
    ASSERT_EQ(bytes.size(), 62u + 5 * 8);
    EXPECT_EQ(U32(bytes, 10), 62u);               // headers and two colours
    EXPECT_EQ(U32(bytes, 28) & 0xFFFF, 1u);       // bits per pixel
    EXPECT_EQ(U32(bytes, 46), 2u);                // colours used
    EXPECT_EQ(U32(bytes, 54), 0x000000u);         // 0: black
    EXPECT_EQ(U32(bytes, 58), 0xFFFFFFu);         // 1: white
    // The bottom row first: black at 8, the line's end near 36, most significant bit leftmost.
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[62 + 1]), 0x7F);
    EXPECT_EQ(Shell("identify -format '%w %h %z %[type]' '" + file + "'"), "37 5 1 Bilevel");
    ExpectSamePixels(&bitmap, file);

    TBitmap back;
    back.LoadFromFile(file.c_str());
    EXPECT_TRUE(back.GetMonochrome());
    EXPECT_EQ(back.GetPixelFormat(), pf1bit);
    EXPECT_EQ(Snapshot(&back), Snapshot(&bitmap));
}

TEST(BitmapFile, OneBitFilesAreMonochromeWhenTheirColoursAreBlackAndWhite) {
    TempDir dir;
    struct Case {
        const char* name;
        int bpp;
        std::vector<std::uint32_t> palette;
        bool monochrome;
        TColor first;  // the pixel of the 0 bit
    };
    const Case cases[] = {
        {"black and white", 1, {0x000000, 0xFFFFFF}, true, clBlack},
        {"white and black", 1, {0xFFFFFF, 0x000000}, true, clWhite},
        {"red and blue", 1, {0xFF0000, 0x0000FF}, false, clRed},
        {"black and white in eight bits", 8, {0x000000, 0xFFFFFF}, false, clBlack},
    };
    for (const Case& k : cases) {
        // Two pixels: a 0 and a 1.
        std::string pixels = k.bpp == 1 ? std::string("\x40\0\0\0", 4) : std::string("\x00\x01\0\0", 4);
        dir.Write("k.bmp", MakeBmp(2, 1, k.bpp, 0, k.palette, pixels, 2));
        TBitmap bitmap;
        bitmap.LoadFromFile(dir.File("k.bmp").c_str());
        EXPECT_EQ(bitmap.GetMonochrome(), k.monochrome) << k.name;
        EXPECT_EQ(DevicePixel(&bitmap, 0, 0), k.first) << k.name;
        ExpectSamePixels(&bitmap, dir.File("k.bmp"));
    }
    // What ImageMagick writes as two-level is monochrome and draws in the
    // colours of the canvas it is drawn on.
    std::string file = dir.File("magick.bmp");
    Shell("convert -size 3x1 xc:white -fill black -draw 'point 1,0' -type Bilevel BMP3:'" + file + "'");
    TBitmap bitmap;
    bitmap.LoadFromFile(file.c_str());
    EXPECT_TRUE(bitmap.GetMonochrome());
    auto target = WhiteBitmap(3, 1);
    target->GetCanvas()->GetFont()->SetColor(clRed);
    target->GetCanvas()->GetBrush()->SetColor(clLime);
    target->GetCanvas()->Draw(0, 0, &bitmap);
    EXPECT_EQ(DevicePixel(target.get(), 0, 0), clLime);
    EXPECT_EQ(DevicePixel(target.get(), 1, 0), clRed);
}

TEST(BitmapFile, ReadsTheDepthsImageMagickWrites) {
    TempDir dir;
    struct Case { const char* name; const char* command; TPixelFormat format; };
    const Case cases[] = {
        {"rose24.bmp", "rose: BMP3:", pf24bit},
        {"rose8.bmp", "rose: -colors 200 -type Palette -compress None BMP3:", pf8bit},
        {"four.bmp", "-size 5x3 xc:red -fill blue -draw 'point 1,1' -fill lime -draw 'point 2,2' -type Palette BMP3:",
         pf4bit},
        {"mono.bmp", "-size 9x3 xc:white -fill black -draw 'point 1,1' -draw 'point 8,2' -type Bilevel BMP3:", pf1bit},
        {"alpha.bmp", "-size 4x3 xc:red -fill blue -draw 'point 1,1' -alpha on -define bmp:format=bmp4 BMP:", pf32bit},
    };
    for (const Case& k : cases) {
        std::string file = dir.File(k.name);
        Shell(std::string("convert ") + k.command + "'" + file + "'");
        TBitmap bitmap;
        bitmap.LoadFromFile(file.c_str());
        EXPECT_EQ(bitmap.GetPixelFormat(), k.format) << k.name;
        ExpectSamePixels(&bitmap, file);
    }
}

TEST(BitmapFile, ReadsTopDownAndSixteenBitFiles) {
    TempDir dir;
    // Two rows stored top row first (negative height).
    std::string rows = std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8) + std::string("\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 8);
    dir.Write("top.bmp", MakeBmp(2, -2, 24, 0, {}, rows));
    TBitmap bitmap;
    bitmap.LoadFromFile(dir.File("top.bmp").c_str());
    EXPECT_EQ(DevicePixel(&bitmap, 0, 0), clRed);
    EXPECT_EQ(DevicePixel(&bitmap, 1, 0), clLime);
    EXPECT_EQ(DevicePixel(&bitmap, 0, 1), clBlue);
    EXPECT_EQ(DevicePixel(&bitmap, 1, 1), clWhite);

    // 5-5-5 pixels: full red, full blue.
    dir.Write("sixteen.bmp", MakeBmp(2, 1, 16, 0, {}, std::string("\x00\x7C\x1F\x00", 4)));
    bitmap.LoadFromFile(dir.File("sixteen.bmp").c_str());
    EXPECT_EQ(DevicePixel(&bitmap, 0, 0), clRed);
    EXPECT_EQ(DevicePixel(&bitmap, 1, 0), clBlue);
    EXPECT_EQ(bitmap.GetPixelFormat(), pf16bit);

    // 5-6-5 pixels with their masks after the header: full green, full red.
    dir.Write("masks.bmp", MakeBmp(2, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, std::string("\xE0\x07\x00\xF8", 4)));
    bitmap.LoadFromFile(dir.File("masks.bmp").c_str());
    EXPECT_EQ(DevicePixel(&bitmap, 0, 0), clLime);
    EXPECT_EQ(DevicePixel(&bitmap, 1, 0), clRed);
}

TEST(BitmapFile, MalformedFilesAreRefusedAndLeaveThePictureAlone) {
    TempDir dir;
    std::string good = MakeBmp(2, 2, 24, 0, {}, std::string(16, '\x7F'));
    std::string pal8 = MakeBmp(2, 1, 8, 0, {0xFF0000, 0x00FF00}, std::string("\x00\x01\x00\x00", 4), 2);
    auto patched = [](std::string s, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i) & 0xFF);
        return s;
    };
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"magic only", "BM"},
        {"not a bitmap", "GIF89a" + std::string(60, '\0')},
        {"cut in the header", good.substr(0, 30)},
        {"unknown header size", patched(good, 14, 99)},
        {"zero width", patched(good, 18, 0)},
        {"negative width", patched(good, 18, 0xFFFFFFFE)},
        {"zero height", patched(good, 22, 0)},
        {"two planes", patched(good, 26, 2 | 24 << 16)},
        {"seven bits", patched(good, 26, 1 | 7 << 16)},
        {"run-length coded", patched(pal8, 30, 1)},
        {"palette too long", patched(pal8, 46, 300)},
        {"palette beyond the file", patched(pal8, 46, 200)},
        {"palette running into the pixels", patched(pal8, 10, 54 + 4)},
        {"pixels beyond the file", patched(good, 10, 1000)},
        {"cut in the pixels", good.substr(0, good.size() - 3)},
        {"enormous", patched(patched(good, 18, 100000), 22, 100000)},
        // Red's bits with a gap in them (1101 1000 ...).
        {"scattered colour mask", MakeBmp(2, 1, 16, 3, {0xD800, 0x07E0, 0x001F}, std::string(4, '\x7F'))},
    };
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.GetCanvas()->SetPixels(1, 1, clRed);
    for (const auto& [name, bytes] : cases) {
        dir.Write("bad.bmp", bytes);
        try {
            bitmap.LoadFromFile(dir.File("bad.bmp").c_str());
            ADD_FAILURE() << name << " was accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.GetMessage().Pos("Bitmap image is not valid: "), 1) << name << ": " << e.what();
        }
        EXPECT_EQ(bitmap.GetWidth(), 3) << name;
        EXPECT_EQ(DevicePixel(&bitmap, 1, 1), clRed) << name;
    }
    dir.Write("good.bmp", pal8);
    bitmap.LoadFromFile(dir.File("good.bmp").c_str());
    EXPECT_EQ(DevicePixel(&bitmap, 0, 0), clRed);  // palette entries are 0x00RRGGBB
    EXPECT_EQ(DevicePixel(&bitmap, 1, 0), clLime);
}

TEST(BitmapFile, MissingFilesAndUnwritableFoldersRaiseFileErrors) {
    TempDir dir;
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromFile(dir.File("none.bmp").c_str()), EFOpenError);
    // Only regular files are pictures: a pipe would wait for ever, a device never end.
    MakeFifo(dir.File("pipe.bmp"));
    MakeLink(dir.File("zero.bmp"), "/dev/zero");
    for (const char* name : {"pipe.bmp", "zero.bmp"}) EXPECT_THROW(bitmap.LoadFromFile(dir.File(name).c_str()), EFOpenError);
    EXPECT_THROW(bitmap.SaveToFile(dir.File("x.bmp").c_str()), EInvalidGraphic);  // nothing to save
    bitmap.SetSize(2, 2);
    try {
        bitmap.SaveToFile(dir.File("no/such/folder/x.bmp").c_str());
        ADD_FAILURE();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.GetMessage(), ("Cannot write \"" + dir.File("no/such/folder/x.bmp") + "\": the folder " +
                                   dir.File("no/such/folder") + " does not exist.")
                                      .c_str());
    }
}

TEST(BitmapFile, NewSizeKeepsTheTopLeftAndPaintsNewAreaWhite) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.GetEmpty());
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetSize(4, 3);
    bitmap.GetCanvas()->GetBrush()->SetColor(clRed);
    bitmap.GetCanvas()->FillRect(TRect(0, 0, 4, 3));
    bitmap.SetSize(6, 5);
    EXPECT_EQ(DevicePixel(&bitmap, 3, 2), clRed);
    EXPECT_EQ(DevicePixel(&bitmap, 4, 2), clWhite);
    EXPECT_EQ(DevicePixel(&bitmap, 3, 3), clWhite);
    bitmap.SetWidth(2);
    EXPECT_EQ(bitmap.GetWidth(), 2);
    EXPECT_EQ(DevicePixel(&bitmap, 1, 1), clRed);
    EXPECT_EQ(changes, 3);
    // The canvas still draws after the picture changed under it.
    bitmap.GetCanvas()->GetBrush()->SetColor(clBlue);
    bitmap.GetCanvas()->FillRect(TRect(0, 0, 1, 1));
    EXPECT_EQ(DevicePixel(&bitmap, 0, 0), clBlue);

    TBitmap copy;
    copy.Assign(&bitmap);
    EXPECT_EQ(Snapshot(&copy), Snapshot(&bitmap));
    copy.GetCanvas()->SetPixels(0, 0, clLime);
    EXPECT_EQ(DevicePixel(&bitmap, 0, 0), clBlue);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.GetEmpty());
    TFont font;
    EXPECT_THROW(copy.Assign(&font), EAssignError);
}

TEST(BitmapFile, PictureLoadsBitmapsByExtension) {
    TempDir dir;
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.GetCanvas()->SetPixels(2, 1, clNavy);
    bitmap.SaveToFile(dir.File("p.BMP").c_str());
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromFile(dir.File("p.BMP").c_str());
    EXPECT_EQ(picture.GetWidth(), 3);
    EXPECT_EQ(picture.GetHeight(), 2);
    EXPECT_EQ(DevicePixel(picture.GetBitmap(), 2, 1), clNavy);
    EXPECT_THROW(picture.LoadFromFile(dir.File("p.png").c_str()), EInvalidGraphic);
    EXPECT_EQ(picture.GetWidth(), 3);
    picture.SaveToFile(dir.File("q.bmp").c_str());
    TPicture other;
    other.Assign(&picture);
    EXPECT_EQ(other.GetWidth(), 3);
    EXPECT_EQ(changes, 1);
}

}  // namespace

TEST(BitmapSize, WidthThenHeightOnAnEmptyBitmapGivesBoth) {
    TBitmap bitmap;
    bitmap.SetWidth(30);
    EXPECT_EQ(bitmap.GetWidth(), 30);
    EXPECT_TRUE(bitmap.GetEmpty());
    bitmap.SetHeight(20);
    EXPECT_EQ(bitmap.GetWidth(), 30);
    EXPECT_EQ(bitmap.GetHeight(), 20);
    EXPECT_FALSE(bitmap.GetEmpty());
    bitmap.SetHeight(0);
    EXPECT_EQ(bitmap.GetWidth(), 30);
    bitmap.SetHeight(5);
    EXPECT_EQ(bitmap.GetHeight(), 5);
    EXPECT_EQ(bitmap.GetCanvas()->GetPixels(29, 4), clWhite);
}
