#pragma once
// Reading the head of an HTTP reply: the status line and the header lines,
// ended by an empty line. Lines may end in LF or CR LF.

#include <string>

#include "platform/runtime/AnsiString.h"

struct THttpReplyHead {
    int Status = 0;
    AnsiString Reason;
    AnsiString Text;  // status line and header lines as received, without the empty line

    // The value of a header field (name without regard to case), blanks
    // trimmed; empty when absent.
    AnsiString Field(const AnsiString& Name) const;
};

// Offset just past the empty line that ends the head in Received, 0 while
// the head is incomplete.
std::size_t FindHeadEnd(const std::string& Received);

// False as soon as the first bytes received cannot begin "HTTP/".
bool MayBeHttpReply(const std::string& Received);

// Raises HTTPException when Head's first line is not an HTTP status line.
THttpReplyHead ParseReplyHead(const std::string& Head);
