#include "net/HttpReply.h"

#include "net/NetErrors.h"
#include "platform/runtime/SysUtils.h"

namespace {

const std::string kPrefix = "HTTP/";

std::string WithoutCr(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::size_t FindHeadEnd(const std::string& Received) {
    for (std::size_t i = Received.find('\n'); i != std::string::npos; i = Received.find('\n', i + 1)) {
        if (i + 1 < Received.size() && Received[i + 1] == '\n') return i + 2;
        if (i + 2 < Received.size() && Received[i + 1] == '\r' && Received[i + 2] == '\n') return i + 3;
    }
    return 0;
}

bool MayBeHttpReply(const std::string& Received) {
    std::size_t n = std::min(Received.size(), kPrefix.size());
    return Received.compare(0, n, kPrefix, 0, n) == 0;
}

THttpReplyHead ParseReplyHead(const std::string& Head) {
    std::string text = Head;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    std::string status = WithoutCr(text.substr(0, text.find('\n')));
    // "HTTP/1.0 200 OK": version, a blank, three digits, then the reason.
    std::size_t blank = status.find(' ');
    if (status.rfind(kPrefix, 0) != 0 || blank == std::string::npos || status.size() < blank + 4 ||
        !IsDigit(status[blank + 1]) || !IsDigit(status[blank + 2]) || !IsDigit(status[blank + 3]) ||
        (status.size() > blank + 4 && status[blank + 4] != ' '))
        throw HTTPException("The server's reply is not HTTP: '" + AnsiString(status.substr(0, 80)) + "'");
    THttpReplyHead head;
    head.Status = std::stoi(status.substr(blank + 1, 3));
    head.Reason = AnsiString(status.size() > blank + 5 ? status.substr(blank + 5) : std::string()).Trim();
    head.Text = AnsiString(text);
    return head;
}

AnsiString THttpReplyHead::Field(const AnsiString& Name) const {
    const std::string& text = Text.str();
    std::size_t start = text.find('\n');
    while (start != std::string::npos) {
        std::size_t end = text.find('\n', start + 1);
        std::string line = WithoutCr(text.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1));
        std::size_t colon = line.find(':');
        if (colon != std::string::npos && CompareText(AnsiString(line.substr(0, colon)).Trim(), Name) == 0)
            return AnsiString(line.substr(colon + 1)).Trim();
        start = end;
    }
    return AnsiString();
}
