#pragma once
// A skin: the named skin objects read from a skin description. The format
// is documented at the top of skins/velmora.skin, the program's own skin,
// which is compiled into the program (EmbeddedSkinText).

#include <memory>
#include <utility>
#include <vector>

#include "skin/engine/KsSkinObjects.h"

class TSeSkin : public TObject {
public:
    // Replaces the objects by those Text describes; raises ESkinError naming
    // the line of the first fault and keeps the old objects then.
    void LoadFromText(const AnsiString& Text);
    // The object of that name, ignoring case; nullptr when absent.
    TSeSkinObject* FindObject(const AnsiString& Name) const;
    int GetObjectCount() const { return static_cast<int>(objects_.size()); }
    TSeSkinObject* GetObjects(int Index) const;  // EListError out of range
    // Swaps the objects and names of the two skins.
    void Exchange(TSeSkin& Other) {
        objects_.swap(Other.objects_);
        std::swap(name_, Other.name_);
    }
    // The skin's own name, from its "skin" line.
    const AnsiString& GetName() const { return name_; }

private:
    std::vector<std::unique_ptr<TSeSkinObject>> objects_;
    AnsiString name_;
};

// The description of the program's skin, skins/velmora.skin.
const char* EmbeddedSkinText();
// The frame and caption buttons of windows when no skin is loaded.
const char* ClassicSkinText();
