#pragma once
// Command-line arguments and file-name helpers of the class library's
// run-time. File names may use "/" or "\" as separators.

#include "platform/runtime/AnsiString.h"

// Stored by the application (or a test) from main's arguments; until then
// there are none and ParamStr(0) is empty.
void SetCommandLine(int argc, const char* const* argv);
int ParamCount();                 // arguments after the program name
AnsiString ParamStr(int Index);   // 0 is the program; empty beyond the last

// "C:\q\xyz.zrq" -> "xyz.zrq"
AnsiString ExtractFileName(const AnsiString& FileName);
// The directory with its trailing separator: "C:\q\" (empty without one).
AnsiString ExtractFilePath(const AnsiString& FileName);
// The directory without the trailing separator, except for a root ("/").
AnsiString ExtractFileDir(const AnsiString& FileName);
// The extension with its dot, ".zrq"; empty when the name has none.
AnsiString ExtractFileExt(const AnsiString& FileName);
// Replaces (or adds) the extension; Extension includes the dot.
AnsiString ChangeFileExt(const AnsiString& FileName, const AnsiString& Extension);

bool FileExists(const AnsiString& FileName);  // an existing file, not a folder
bool DirectoryExists(const AnsiString& Name);
