#pragma once
// The parts of an http URL that a request needs, and the resolution of a
// redirect's Location against the URL that answered it.

#include "platform/runtime/AnsiString.h"

struct THttpUrl {
    AnsiString Host;  // an IPv6 address without its brackets
    int Port = 80;
    AnsiString Path;  // path and query, at least "/"; the fragment is dropped

    // "host" or "host:port" for the Host header line.
    AnsiString Authority() const;
    // "http://" + Authority.
    AnsiString Origin() const;
};

// Raises HTTPException for anything but "http://host[:port][/path][?query]":
// another scheme, a missing host, a user name, a bad port, or a blank,
// control or non-ASCII character (which could break the request line).
THttpUrl SplitHttpUrl(const AnsiString& Url);

// The absolute URL a Location names: an absolute URL as it is, "//host/..."
// with http, "/path" on Base's host, "?query" on Base's path, anything else
// beside the last segment of Base's path.
AnsiString ResolveLocation(const THttpUrl& Base, const AnsiString& Location);
