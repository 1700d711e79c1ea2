// Fuzzing the reading of an HTTP reply's head, as the client does it: the
// end of the head found in the bytes received, then the status line and the
// header fields read from the head.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/Check.h"
#include "net/HttpReply.h"
#include "net/NetErrors.h"

namespace {

// A field's value as Field gives it: one line, no blanks at either end.
void CheckValue(const AnsiString& Value) {
    const std::string& text = Value.str();
    FuzzCheck(text.find('\n') == std::string::npos, "a field's value runs over a line end");
    FuzzCheck(text.empty() || (static_cast<unsigned char>(text.front()) > ' ' &&
                               static_cast<unsigned char>(text.back()) > ' '),
              "a field's value is not trimmed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string received(reinterpret_cast<const char*>(Data), Size);

    const bool mayBe = MayBeHttpReply(received);
    FuzzCheck(!mayBe || MayBeHttpReply(received.substr(0, received.size() / 2)),
              "a reply's beginning was refused though the whole was not");
    const std::size_t end = FindHeadEnd(received);
    FuzzCheck(end <= received.size(), "the head ends past the bytes received");
    if (end > 0) {
        FuzzCheck(received[end - 1] == '\n', "the head does not end at a line end");
        FuzzCheck(FindHeadEnd(received.substr(0, end)) == end, "the head's end moves when the body is cut off");
    }

    // The client reads the head once its end has come; the whole input is
    // read as a head too, for the lines a real head cannot hold.
    for (const std::string& head : {received.substr(0, end), received}) {
        THttpReplyHead reply;
        try {
            reply = ParseReplyHead(head);
        } catch (const HTTPException& e) {
            FuzzCheck(!e.GetMessage().IsEmpty(), "a refused head without a reason");
            continue;
        }
        FuzzCheck(reply.Status >= 0 && reply.Status <= 999, "a status beyond three digits");
        FuzzCheck(mayBe, "a reply not starting \"HTTP/\" was read");
        CheckValue(reply.Reason);
        for (const char* name : {"Content-Length", "Location", "Content-Type", ""}) CheckValue(reply.Field(name));
        // A field named by the reply's own second line, as it would be looked up.
        const std::string& text = reply.Text.str();
        const std::size_t lineStart = text.find('\n');
        if (lineStart != std::string::npos) {
            const std::size_t colon = text.find(':', lineStart);
            if (colon != std::string::npos) CheckValue(reply.Field(AnsiString(text.substr(lineStart + 1, colon - lineStart - 1))));
        }
    }
    return 0;
}
