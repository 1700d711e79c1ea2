#pragma once
// The class library's exception family. Every failure inside the program is
// raised as one of these (or a descendant) carrying its message text.

#include <exception>

#include "platform/runtime/AnsiString.h"

class Exception : public std::exception {
public:
    explicit Exception(const AnsiString& message) : message_(message) {}
    const AnsiString& GetMessage() const { return message_; }
    void SetMessage(const AnsiString& message) { message_ = message; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    AnsiString message_;
};

#define VELMORA_EXCEPTION(Name, Base)                                \
    class Name : public Base {                                       \
    public:                                                          \
        explicit Name(const AnsiString& message) : Base(message) {} \
    };

VELMORA_EXCEPTION(EListError, Exception)
VELMORA_EXCEPTION(EStringListError, Exception)
VELMORA_EXCEPTION(EConvertError, Exception)
VELMORA_EXCEPTION(ERangeError, Exception)
VELMORA_EXCEPTION(EAssignError, Exception)  // "Cannot assign a X to a Y"
VELMORA_EXCEPTION(EComponentError, Exception)
VELMORA_EXCEPTION(EInvalidOperation, Exception)
VELMORA_EXCEPTION(EInvalidGraphic, Exception)
VELMORA_EXCEPTION(EInvalidGraphicOperation, Exception)
VELMORA_EXCEPTION(EOutOfResources, Exception)
VELMORA_EXCEPTION(EPrinter, Exception)
VELMORA_EXCEPTION(EInOutError, Exception)
VELMORA_EXCEPTION(EFCreateError, EInOutError)
VELMORA_EXCEPTION(EFOpenError, EInOutError)
VELMORA_EXCEPTION(ERegistryException, Exception)
VELMORA_EXCEPTION(EZeroDivide, Exception)
// Streams and the component streaming: a short read or write, a malformed
// or unknown form stream, a class that was never registered.
VELMORA_EXCEPTION(EStreamError, Exception)
VELMORA_EXCEPTION(EFilerError, EStreamError)
VELMORA_EXCEPTION(EReadError, EFilerError)
VELMORA_EXCEPTION(EWriteError, EFilerError)
VELMORA_EXCEPTION(EClassNotFound, EFilerError)
// Silent exception: unwinds without a message box (the class library's Abort).
VELMORA_EXCEPTION(EAbort, Exception)

[[noreturn]] void Abort();
