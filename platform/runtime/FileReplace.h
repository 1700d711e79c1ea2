#pragma once
// Writing a whole file the user chose so that nobody ever sees it
// half-written and it stays the user's file. The bytes go to a temporary
// file beside it, made under a fresh unique name that no link can stand in
// for (created exclusively, links not followed), flushed to the disk, given
// the old file's permission bits and owner through its own descriptor, and
// renamed into place; the folder is flushed after the rename. A link names
// the file it leads to, which is the one replaced.

#include <string_view>

#include "platform/runtime/AnsiString.h"

// Empty when Bytes is now the whole file; otherwise why not, in words that
// follow "Cannot write <file>:" ("the disk is full", "the folder /x is
// read-only"), and the file is as it was.
AnsiString TryReplaceFile(const AnsiString& FileName, std::string_view Bytes);

// The same, raising EFCreateError "Cannot write "<file>": <why>.".
void ReplaceFile(const AnsiString& FileName, std::string_view Bytes);

// True when the file is there and may not be written, as an editor decides:
// it has no write permission for anybody (which holds for root too), or none
// for the program's effective user and group.
bool IsReadOnlyFile(const AnsiString& FileName);
