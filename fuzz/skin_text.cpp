// Fuzzing the skin reader: any text either replaces a skin's objects or
// raises ESkinError naming a line, and a refused text leaves the skin as it
// was. The objects hold colours, sizes and font descriptions only, so no
// window system is started.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/Check.h"
#include "skin/engine/KsSkinSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TSeSkin skin;
    skin.LoadFromText(ClassicSkinText());
    const int classicCount = skin.GetObjectCount();
    try {
        skin.LoadFromText(AnsiString(std::string(reinterpret_cast<const char*>(Data), Size)));
    } catch (const ESkinError& e) {
        FuzzCheck(e.GetMessage().Pos("line ") > 0, "a refused skin without the line at fault");
        FuzzCheck(skin.GetName() == "Classic" && skin.GetObjectCount() == classicCount,
                  "a refused skin changed the skin loaded");
        return 0;
    }
    // Names are unique regardless of case, so each is found as itself.
    for (int i = 0; i < skin.GetObjectCount(); ++i) {
        TSeSkinObject* object = skin.GetObjects(i);
        FuzzCheck(skin.FindObject(object->GetName()) == object, "an object is not found by its name");
        FuzzCheck(skin.FindObject(object->GetName().UpperCase()) == object, "an object is not found by its name in capitals");
    }
    return 0;
}
