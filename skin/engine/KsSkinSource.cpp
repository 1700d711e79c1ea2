#include "skin/engine/KsSkinSource.h"

#include <sstream>
#include <string>

#include "platform/runtime/SysUtils.h"

namespace {

[[noreturn]] void Fault(int Line, const AnsiString& What) {
    throw ESkinError("Skin description, line " + AnsiString(Line) + ": " + What);
}

}  // namespace

void TSeSkin::LoadFromText(const AnsiString& Text) {
    std::vector<std::unique_ptr<TSeSkinObject>> objects;
    AnsiString name;
    std::unique_ptr<TSeSkinObject> open;
    int openedAt = 0;
    std::istringstream in(Text.str());
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        AnsiString text = AnsiString(raw).Trim();
        if (text.IsEmpty() || text[1] == '#') continue;
        std::istringstream words(text.str());
        std::string first;
        words >> first;
        if (first == "skin") {
            if (open || !name.IsEmpty()) Fault(line, "\"skin\" belongs on the first line");
            std::string rest;
            std::getline(words, rest);
            name = AnsiString(rest).Trim();
            if (name.IsEmpty()) Fault(line, "the skin has no name");
        } else if (first == "object") {
            if (open) Fault(line, "\"object\" inside the object begun on line " + AnsiString(openedAt));
            std::string objectName, kind, extra;
            words >> objectName >> kind >> extra;
            if (kind.empty() || !extra.empty()) Fault(line, "expected \"object <name> <kind>\"");
            for (auto& o : objects)
                if (o->GetName().AnsiCompareIC(objectName) == 0) Fault(line, "\"" + AnsiString(objectName) + "\" is described twice");
            open = TSeSkinObjectRegistry::Create(kind);
            if (!open) Fault(line, "unknown kind \"" + AnsiString(kind) + "\"");
            open->SetName(objectName);
            openedAt = line;
        } else if (first == "end") {
            if (!open) Fault(line, "\"end\" without \"object\"");
            objects.push_back(std::move(open));
        } else {
            int eq = text.Pos("=");
            if (!open) Fault(line, "a parameter outside an object");
            if (eq == 0) Fault(line, "expected \"<parameter> = <value>\"");
            AnsiString key = text.SubString(1, eq - 1).Trim().LowerCase();
            AnsiString value = text.SubString(eq + 1, text.Length()).Trim();
            if (!open->ReadParam(key, value)) Fault(line, "bad parameter \"" + key + "\" or value \"" + value + "\"");
        }
    }
    if (open) Fault(line, "the object begun on line " + AnsiString(openedAt) + " has no \"end\"");
    objects_ = std::move(objects);
    name_ = name;
}

TSeSkinObject* TSeSkin::FindObject(const AnsiString& Name) const {
    for (auto& o : objects_)
        if (o->GetName().AnsiCompareIC(Name) == 0) return o.get();
    return nullptr;
}

TSeSkinObject* TSeSkin::GetObjects(int Index) const {
    if (Index < 0 || Index >= GetObjectCount()) throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return objects_[static_cast<std::size_t>(Index)].get();
}

const char* ClassicSkinText() {
    return R"(skin Classic
object Form form
  captionheight = 18
  borderwidth = 4
  buttonsize = 16
  bold = yes
  normal.face = #000080 #1084D0
  normal.border = #404040
  normal.text = #FFFFFF
  disabled.face = #808080 #B5B5B5
  disabled.text = #D4D0C8
end
)"
           R"(object Form.Button sysbutton
  glyphsize = 8
  normal.face = #D4D0C8
  normal.border = #404040
  normal.text = #000000
  hot.face = #E4E1DB
  pressed.face = #A0A0A0
end
)";
}
