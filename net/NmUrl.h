#pragma once
// Percent-encoding of URL parts. Encoding keeps the unreserved characters
// (A-Z a-z 0-9 - . _ ~) and writes every other byte as %XX in upper-case
// hex, so a value can stand in a query whatever it holds ("^GSPC" becomes
// "%5EGSPC", "BRK.B" stays as it is, a blank becomes "%20").

#include "platform/runtime/AnsiString.h"

AnsiString UrlEncode(const AnsiString& Value);
// Turns every %XX back into its byte; "+" stays "+". A "%" not followed by
// two hex digits raises EConvertError.
AnsiString UrlDecode(const AnsiString& Value);
