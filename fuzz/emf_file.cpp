// Fuzzing the enhanced metafile reader: any bytes either load as a picture
// or raise EInvalidGraphic with a reason; a picture loaded is drawn onto a
// small bitmap, in time and memory bounded by the bitmap whatever the
// file's coordinates say, and written again as a file that loads back and
// writes the same bytes.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/Check.h"
#include "fuzz/ScratchFile.h"
#include "platform/gdi/Metafile.h"
#include "platform/runtime/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static const TScratchFile file(".emf");
    file.Write(std::string(reinterpret_cast<const char*>(Data), Size));
    TMetafile picture;
    try {
        picture.LoadFromFile(file.Path().c_str());
    } catch (const EInvalidGraphic& e) {
        FuzzCheck(!e.GetMessage().IsEmpty(), "a refused metafile without a reason");
        return 0;
    }
    FuzzCheck(picture.GetWidth() > 0 && picture.GetHeight() > 0, "a picture without a size");
    TBitmap bitmap;
    bitmap.SetSize(64, 48);
    picture.Draw(bitmap.GetCanvas(), TRect(0, 0, 64, 48));

    const std::string written = picture.SaveToBytes();
    file.Write(written);
    TMetafile again;
    try {
        again.LoadFromFile(file.Path().c_str());
    } catch (const Exception& e) {
        FuzzFault("a metafile written from a picture read does not load: " + e.GetMessage().str());
    }
    FuzzCheck(again.SaveToBytes() == written, "a picture loaded back writes other bytes");
    return 0;
}
