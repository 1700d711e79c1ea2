#include "platform/runtime/FileUtils.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<AnsiString>& Params() {
    static std::vector<AnsiString> params;
    return params;
}

// 1-based position of the last separator, 0 when there is none.
int LastSeparator(const AnsiString& name) { return name.LastDelimiter("/\\"); }

// 1-based position of the extension's dot, 0 when the name has none.
int ExtensionDot(const AnsiString& name) {
    int dot = name.LastDelimiter(".");
    return dot > LastSeparator(name) ? dot : 0;
}

}  // namespace

void SetCommandLine(int argc, const char* const* argv) {
    Params().clear();
    for (int i = 0; i < argc && argv[i]; ++i) Params().emplace_back(argv[i]);
}

int ParamCount() { return Params().empty() ? 0 : static_cast<int>(Params().size()) - 1; }

AnsiString ParamStr(int Index) {
    if (Index < 0 || Index >= static_cast<int>(Params().size())) return AnsiString();
    return Params()[static_cast<std::size_t>(Index)];
}

AnsiString ExtractFileName(const AnsiString& FileName) {
    return FileName.SubString(LastSeparator(FileName) + 1, FileName.Length());
}

AnsiString ExtractFilePath(const AnsiString& FileName) { return FileName.SubString(1, LastSeparator(FileName)); }

AnsiString ExtractFileDir(const AnsiString& FileName) {
    int separator = LastSeparator(FileName);
    // A lone leading separator is the root and stays.
    return FileName.SubString(1, separator > 1 ? separator - 1 : separator);
}

AnsiString ExtractFileExt(const AnsiString& FileName) {
    int dot = ExtensionDot(FileName);
    return dot ? FileName.SubString(dot, FileName.Length()) : AnsiString();
}

AnsiString ChangeFileExt(const AnsiString& FileName, const AnsiString& Extension) {
    int dot = ExtensionDot(FileName);
    return (dot ? FileName.SubString(1, dot - 1) : FileName) + Extension;
}

bool FileExists(const AnsiString& FileName) {
    std::error_code ignored;
    return !FileName.IsEmpty() && std::filesystem::is_regular_file(FileName.str(), ignored);
}

bool DirectoryExists(const AnsiString& Name) {
    std::error_code ignored;
    return !Name.IsEmpty() && std::filesystem::is_directory(Name.str(), ignored);
}
