// Fuzzing the bitmap file reader: any bytes either decode to a picture or
// raise EInvalidGraphic, never reading past them; a picture read is written
// again as a file of 24 bits per pixel (and of 1 bit when it is black and
// white) and read back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/Check.h"
#include "platform/gdi/BmpFile.h"
#include "platform/runtime/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    // A copy of exactly the bytes given, so that a read past them is caught.
    const std::string bytes(reinterpret_cast<const char*>(Data), Size);
    TPixelImage image;
    int bitsPerPixel = 0;
    bool monochrome = false;
    try {
        image = DecodeBmp(bytes, &bitsPerPixel, &monochrome);
    } catch (const EInvalidGraphic& e) {
        FuzzCheck(!e.GetMessage().IsEmpty(), "a refused bitmap without a reason");
        return 0;
    }
    FuzzCheck(image.Width() > 0 && image.Height() > 0, "a picture without pixels");
    FuzzCheck(bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
                  bitsPerPixel == 24 || bitsPerPixel == 32,
              "a depth that is not read");

    FuzzCheck(!monochrome || bitsPerPixel == 1, "a monochrome picture of more than one bit");

    for (bool oneBit : {false, monochrome}) {
        bool againMonochrome = false;
        const TPixelImage again = DecodeBmp(EncodeBmp(image, oneBit), nullptr, &againMonochrome);
        FuzzCheck(againMonochrome == oneBit, "the written picture is monochrome or not against its writing");
        FuzzCheck(again.Width() == image.Width() && again.Height() == image.Height(),
                  "the written picture has another size");
        const std::size_t rowBytes = static_cast<std::size_t>(image.Width()) * sizeof(std::uint32_t);
        for (int y = 0; y < image.Height(); ++y)
            FuzzCheck(std::memcmp(again.Row(y), image.Row(y), rowBytes) == 0, "the written picture has other pixels");
    }
    return 0;
}
