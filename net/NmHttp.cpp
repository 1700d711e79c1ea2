#include "net/NmHttp.h"

#include "net/HttpReply.h"
#include "net/HttpUrl.h"
#include "platform/runtime/SysUtils.h"

namespace {

constexpr int kMaxRedirects = 10;
constexpr std::size_t kMaxHeadSize = 65536;

const char* MethodName(TCmdType Cmd) { return Cmd == cmdHEAD ? "HEAD" : "GET"; }

bool IsRedirect(int status) { return (status >= 300 && status <= 303) || status == 307 || status == 308; }

AnsiString RequestText(TCmdType Cmd, const THttpUrl& Target) {
    return AnsiString(MethodName(Cmd)) + " " + Target.Path + " HTTP/1.0\r\n" + "Host: " + Target.Authority() +
           "\r\n" + "User-Agent: Velmora\r\n" + "Accept: */*\r\n" + "\r\n";
}

// -1 when the head names no length.
long long ContentLength(const THttpReplyHead& Head) {
    AnsiString value = Head.Field("Content-Length");
    if (value.IsEmpty()) return -1;
    const std::string& digits = value.str();
    if (digits.size() > 15 || digits.find_first_not_of("0123456789") != std::string::npos)
        throw HTTPException("The reply's Content-Length is not a number: '" + value + "'", Head.Status);
    return std::stoll(digits);
}

}  // namespace

TNMHTTP::TNMHTTP(TComponent* AOwner) : TPowersock(AOwner) {}

void TNMHTTP::SetInputFileMode(bool Value) {
    if (Value) throw EInvalidOperation("The reply body is always kept in Body");
}

void TNMHTTP::SetOutputFileMode(bool Value) {
    if (Value) throw EInvalidOperation("Request bodies from files are not supported");
}

void TNMHTTP::Get(const AnsiString& URL) { Request(cmdGET, URL); }

void TNMHTTP::Head(const AnsiString& URL) { Request(cmdHEAD, URL); }

void TNMHTTP::Request(TCmdType Cmd, const AnsiString& URL) {
    if (busy_) throw ESockError("A request is already in progress on " + Peer());
    AnsiString current = URL;
    for (int redirects = 0;; ++redirects) {
        THttpUrl target = SplitHttpUrl(current);
        AnsiString location;
        if (!Exchange(Cmd, target, location)) break;
        if (redirects == kMaxRedirects) throw HTTPException("Too many redirects", replyNumber_);
        current = ResolveLocation(target, location);
    }
    if (replyNumber_ >= 200 && replyNumber_ <= 299) {
        if (OnSuccess) OnSuccess(this, Cmd);
        return;
    }
    // Raised even when OnFailure is bound: the caller must never take an
    // error reply for a delivered body.
    if (OnFailure) OnFailure(this, Cmd);
    throw HTTPException("HTTP error " + IntToStr(replyNumber_) + (reason_.IsEmpty() ? "" : ": " + reason_),
                        replyNumber_);
}

bool TNMHTTP::Exchange(TCmdType Cmd, const THttpUrl& Target, AnsiString& Location) {
    busy_ = true;
    try {
        bool redirect = ExchangeOnce(Cmd, Target, Location);
        busy_ = false;
        return redirect;
    } catch (...) {
        // A body cut short by a failure is nobody's: its memory goes now,
        // not at the next request.
        body_ = AnsiString();
        busy_ = false;
        Disconnect();
        throw;
    }
}

bool TNMHTTP::ExchangeOnce(TCmdType Cmd, const THttpUrl& Target, AnsiString& Location) {
    replyNumber_ = 0;
    contentLength_ = -1;
    header_ = AnsiString();
    reason_ = AnsiString();
    body_ = AnsiString();
    SetHost(Target.Host);
    SetPort(Target.Port);
    Connect();
    SendText(RequestText(Cmd, Target));

    std::string received;
    THttpReplyHead head;
    // Interim replies ("100 Continue") come before the real one and are
    // skipped; together with it their heads may not pass the head's limit.
    for (std::size_t headBytes = 0;;) {
        const std::size_t headEnd = ReceiveHead(received, kMaxHeadSize - headBytes);
        head = ParseReplyHead(received.substr(0, headEnd));
        received.erase(0, headEnd);
        headBytes += headEnd;
        if (head.Status < 100 || head.Status > 199) break;
    }
    replyNumber_ = head.Status;
    header_ = head.Text;
    reason_ = head.Reason;

    Location = head.Field("Location");
    if (IsRedirect(head.Status) && !Location.IsEmpty()) {
        Disconnect();
        return true;
    }
    if (Cmd != cmdHEAD) {
        contentLength_ = ContentLength(head);
        if (!received.empty()) AppendBody(received);
        ReceiveBody(contentLength_);
    }
    Disconnect();
    return false;
}

// Reads until Received holds a whole head (more bytes may follow it) and
// returns where the head ends; a head longer than Limit is refused.
std::size_t TNMHTTP::ReceiveHead(std::string& Received, std::size_t Limit) {
    std::size_t headEnd = 0;
    while ((headEnd = FindHeadEnd(Received)) == 0 || headEnd > Limit) {
        if (Received.size() > Limit) throw HTTPException("The reply's header is too long");
        AnsiString packet = ReceivePacket();
        if (packet.IsEmpty())
            throw HTTPException(Received.empty() ? "The server closed the connection without a reply"
                                                 : "The server closed the connection inside the reply's header");
        Received += packet.str();
        if (!MayBeHttpReply(Received)) throw HTTPException("The server's reply is not HTTP");
    }
    return headEnd;
}

// Until the server closes or, when the head gave a length, until that many
// bytes arrived; fewer raise, so a cut reply is never delivered as whole.
void TNMHTTP::ReceiveBody(long long Expected) {
    while (Expected < 0 || body_.Length() < Expected) {
        AnsiString packet = ReceivePacket();
        if (packet.IsEmpty()) break;
        AppendBody(packet.str());
    }
    if (Expected < 0) return;
    if (body_.Length() < Expected)
        throw HTTPException("The reply ended after " + IntToStr(body_.Length()) + " of " + IntToStr(Expected) +
                                " bytes",
                            replyNumber_);
    body_.SetLength(static_cast<int>(Expected));
}

void TNMHTTP::AppendBody(const std::string& Bytes) {
    body_ += AnsiString(Bytes);
    if (OnPacketRecvd) OnPacketRecvd(this);
}
