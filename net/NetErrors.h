#pragma once
// The network components' exceptions.

#include "platform/runtime/Exceptions.h"

// A socket failure; the text names the operation and the system's reason.
class ESockError : public Exception {
public:
    explicit ESockError(const AnsiString& message, int errorCode = 0) : Exception(message), code_(errorCode) {}
    // errno (or the resolver's code) of the failure, 0 when it has none.
    int GetErrorCode() const { return code_; }

private:
    int code_;
};

// The operation was cancelled; unwinds silently like EAbort.
VELMORA_EXCEPTION(EAbortError, EAbort)

// A URL the client cannot use, a reply that is not HTTP, an error reply or
// a redirect that does not end.
class HTTPException : public Exception {
public:
    explicit HTTPException(const AnsiString& message, int replyNumber = 0)
        : Exception(message), replyNumber_(replyNumber) {}
    // The reply's status number, 0 when the failure came before one.
    int GetReplyNumber() const { return replyNumber_; }

private:
    int replyNumber_;
};
