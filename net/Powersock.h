#pragma once
// TPowersock: a TCP client socket component over POSIX sockets. Every wait
// (host lookup, connect, send, receive) loops on a 2 ms poll followed by the
// application object's message processing, so the GUI stays live while an
// operation is outstanding; it ends when the operation does, after TimeOut
// milliseconds of the tick clock (TickClock.h; ESockError "Timed out ...")
// or on Cancel (EAbortError).
//
// Freeing the component from a handler that runs during one of its own waits
// is not supported; cancel it instead.

#include "net/NetErrors.h"
#include "platform/runtime/Components.h"
#include "platform/runtime/Events.h"

using TOnStatus = TClosure<void(TObject* Sender, const AnsiString& Status)>;

// ReportLevel: which steps reach OnStatus.
enum : int { rlNone = 0, rlSteps = 1, rlPackets = 2 };

class TPowersock : public TComponent {
public:
    explicit TPowersock(TComponent* AOwner);
    ~TPowersock() override;

    const AnsiString& GetHost() const { return host_; }
    void SetHost(const AnsiString& Value);
    // 1..65535; anything else raises ESockError.
    int GetPort() const { return port_; }
    void SetPort(int Value);
    // Milliseconds allowed for the connect and for each receive; 0 waits
    // without limit. Negative values raise ESockError.
    int GetTimeOut() const { return timeOut_; }
    void SetTimeOut(int Value);
    int GetReportLevel() const { return reportLevel_; }
    void SetReportLevel(int Value) { reportLevel_ = Value; }
    // The last step taken, whatever the report level.
    const AnsiString& GetStatus() const { return status_; }
    bool GetConnected() const { return fd_ >= 0; }

    // Looks up Host and connects to Port, trying each address in turn.
    void Connect();
    // Closes the connection; nothing happens when there is none.
    void Disconnect();
    // Makes the outstanding wait raise EAbortError; for handlers that run
    // during a wait or between packets.
    void Cancel() { cancelled_ = true; }

    // Sends all of Data.
    void SendText(const AnsiString& Data);
    // The bytes of one receive, waiting up to TimeOut for them; empty when
    // the peer has closed the connection, which is then closed here too.
    // A failed send or receive closes the connection.
    AnsiString ReceivePacket();

    // Fired with each step whose level is at most ReportLevel.
    TOnStatus OnStatus;

protected:
    void Report(int Level, const AnsiString& Text);
    // The host and port for messages, "host:port".
    AnsiString Peer() const;
    // Raises EAbortError when Cancel was called since the operation began.
    void CheckCancelled() const;
    void ClearCancelled() { cancelled_ = false; }

private:
    // Repeats Ready (which sleeps up to 2 ms) and message processing until
    // Ready reports true, the time is up or a handler cancels.
    template <class ReadyFn>
    void WaitUntil(ReadyFn Ready, const AnsiString& TimedOutText);
    // Waits until the socket is ready for Events (poll flags).
    void WaitForSocket(short Events, const AnsiString& TimedOutText);
    bool ConnectTo(const struct addrinfo& Address, int& Error);
    template <class Body>
    auto Transfer(Body body);

    AnsiString host_;
    int port_ = 80;
    int timeOut_ = 0;
    int reportLevel_ = rlNone;
    AnsiString status_;
    int fd_ = -1;
    bool cancelled_ = false;
};
