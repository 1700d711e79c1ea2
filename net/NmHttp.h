#pragma once
// TNMHTTP: an HTTP/1.0 client. Get fetches a URL into Body and reports each
// packet of the body (OnPacketRecvd) and the outcome: OnSuccess for a 2xx
// reply, after the connection is closed, so a handler may call Get again on
// the same component; OnFailure for an error reply, after which Get raises
// HTTPException "HTTP error 404: Not Found" whether or not OnFailure is
// bound, so an error reply is never taken for success. Redirects (300-303,
// 307, 308 with a Location) are followed up to 10 times; interim replies
// (1xx) before the real one are skipped. Only GET and HEAD
// are offered; no proxy, cookies or request bodies.

#include "net/Powersock.h"

enum TCmdType { cmdGET, cmdHEAD };
using TResultEvent = TClosure<void(TObject* Sender, TCmdType Cmd)>;

class TNMHTTP : public TPowersock {
public:
    explicit TNMHTTP(TComponent* AOwner);

    // Raises ESockError on lookup, connect and socket failures and time-outs,
    // EAbortError on Cancel, HTTPException on a malformed URL, a reply that
    // is not HTTP, a body cut short, an error reply or too many redirects;
    // ESockError also when a request of this component is still in progress.
    void Get(const AnsiString& URL);
    // The same with HEAD: the reply's head only, Body stays empty.
    void Head(const AnsiString& URL);

    // The last reply's status number, 0 before one arrived.
    int GetReplyNumber() const { return replyNumber_; }
    // The length the reply's head announced for its body, -1 when it named
    // none; known from the first OnPacketRecvd on.
    long long GetContentLength() const { return contentLength_; }
    // The last reply's status line and header lines.
    const AnsiString& GetHeader() const { return header_; }
    // The last reply's body, bytes as received; empty after a failure other
    // than an error reply.
    const AnsiString& GetBody() const { return body_; }
    // The body is always kept in Body; true (a file instead) raises
    // EInvalidOperation.
    bool GetInputFileMode() const { return false; }
    void SetInputFileMode(bool Value);
    bool GetOutputFileMode() const { return false; }
    void SetOutputFileMode(bool Value);

    TNotifyEvent OnPacketRecvd;
    TResultEvent OnSuccess;
    TResultEvent OnFailure;

private:
    void Request(TCmdType Cmd, const AnsiString& URL);
    // One request and its reply; true when the reply redirects to Location.
    bool Exchange(TCmdType Cmd, const struct THttpUrl& Target, AnsiString& Location);
    bool ExchangeOnce(TCmdType Cmd, const struct THttpUrl& Target, AnsiString& Location);
    std::size_t ReceiveHead(std::string& Received, std::size_t Limit);
    void ReceiveBody(long long Expected);
    void AppendBody(const std::string& Bytes);

    int replyNumber_ = 0;
    long long contentLength_ = -1;
    AnsiString header_;
    AnsiString reason_;
    AnsiString body_;
    bool busy_ = false;
};
