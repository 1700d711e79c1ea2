#pragma once
// Platform-internal: every call from the host's event loop into the program
// (paint, mouse, keys, timers, closing) runs through HostCall. Exceptions of
// the program go to the application's default handler and the loop goes on;
// a failure the handler cannot show (an unanswered modal thing in a headless
// run) is kept and raised again at the next safe point, outside the host's
// frames: ProcessMessages, the message loops, the test input helpers.

#include <functional>

class TObject;

void HostCall(TObject* Sender, const std::function<void()>& Body);
// Runs Call from the host's event loop, after the events already waiting;
// Call guards itself with HostCall where the program's code may raise.
void PostHostCall(std::function<void()> Call);
// The same for a call that paints: it runs in paint passes too.
void PostHostPaintCall(std::function<void()> Call);
// Rethrows the kept failure, if any.
void RaisePendingHostFailure();
// Shows what canvases drew outside a paint and gives their handles up.
void ReleaseControlCanvases();
// Processes the host's pending events once; with Wait, blocks until one comes.
void ProcessHostEvents(bool Wait);
// A paint pass, for long work that keeps its windows drawn (printing): the
// program's pending paints and the window system's exposures and updates
// only. Input stays queued, timers and socket notices wait, and other posted
// calls run at the next full pass.
void ProcessHostPaintEvents();
// True under the headless platform, where nobody can answer a modal thing.
bool HeadlessHost();
