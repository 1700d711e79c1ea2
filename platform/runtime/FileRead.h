#pragma once
// Reading a whole file the user chose, safely: only a regular file is read
// (a folder, a device, a pipe or a socket is refused before a byte is read,
// so a pipe never blocks and /dev/zero never fills the memory), and never
// more than a size limit that the caller sets above what any real file of
// its kind holds.

#include <cstdint>
#include <string>

#include "platform/runtime/AnsiString.h"

// Bytes holds the whole file and the result is empty, or the result says
// why the file was not read, in words that follow "Cannot read <file>:"
// ("it is a folder", "you do not have permission to read it", "it is
// larger than 256 MB") and Bytes is empty.
AnsiString TryReadRegularFile(const AnsiString& FileName, std::uint64_t MaxBytes, std::string& Bytes);

// The same, raising EFOpenError "Cannot read "<file>": <why>." on a refusal.
std::string ReadRegularFile(const AnsiString& FileName, std::uint64_t MaxBytes);

// "256 MB", "1.5 kB": a byte count as a limit is stated to the user.
AnsiString ByteSizeText(std::uint64_t Bytes);
