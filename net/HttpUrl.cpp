#include "net/HttpUrl.h"

#include "net/NetErrors.h"
#include "platform/runtime/SysUtils.h"

namespace {

[[noreturn]] void Malformed(const AnsiString& url, const AnsiString& why) {
    throw HTTPException("Malformed URL '" + url + "': " + why);
}

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool HasScheme(const std::string& s) {
    std::size_t colon = s.find("://");
    return colon != std::string::npos && colon > 0 && s.find_first_of("/?#") > colon;
}

}  // namespace

AnsiString THttpUrl::Authority() const {
    AnsiString host = Host.Pos(":") > 0 ? "[" + Host + "]" : Host;
    return Port == 80 ? host : host + ":" + IntToStr(Port);
}

AnsiString THttpUrl::Origin() const { return "http://" + Authority(); }

THttpUrl SplitHttpUrl(const AnsiString& Url) {
    const std::string& s = Url.str();
    for (unsigned char c : s)
        if (c <= 0x20 || c >= 0x7F) Malformed(Url, "it holds a blank, control or non-ASCII character");
    if (!HasScheme(s)) Malformed(Url, "no http:// in front");
    std::size_t schemeEnd = s.find("://");
    if (UpperCase(AnsiString(s.substr(0, schemeEnd))) != "HTTP")
        throw HTTPException("Unsupported URL scheme '" + AnsiString(s.substr(0, schemeEnd)) + "' in '" + Url + "'");

    std::size_t authorityStart = schemeEnd + 3;
    std::size_t authorityEnd = s.find_first_of("/?#", authorityStart);
    if (authorityEnd == std::string::npos) authorityEnd = s.size();
    std::string authority = s.substr(authorityStart, authorityEnd - authorityStart);
    if (authority.find('@') != std::string::npos) Malformed(Url, "user names are not supported");

    THttpUrl result;
    std::string port;
    if (!authority.empty() && authority[0] == '[') {
        std::size_t close = authority.find(']');
        if (close == std::string::npos) Malformed(Url, "unclosed [");
        result.Host = AnsiString(authority.substr(1, close - 1));
        std::string after = authority.substr(close + 1);
        if (!after.empty()) {
            if (after[0] != ':') Malformed(Url, "text after ]");
            port = after.substr(1);
            if (port.empty()) Malformed(Url, "empty port");
        }
    } else {
        std::size_t colon = authority.find(':');
        result.Host = AnsiString(authority.substr(0, colon));
        if (colon != std::string::npos) {
            port = authority.substr(colon + 1);
            if (port.empty()) Malformed(Url, "empty port");
        }
    }
    if (result.Host.IsEmpty()) Malformed(Url, "no host");
    if (!port.empty()) {
        if (!AllDigits(port) || port.size() > 5 || std::stoi(port) < 1 || std::stoi(port) > 65535)
            Malformed(Url, "bad port '" + AnsiString(port) + "'");
        result.Port = std::stoi(port);
    }

    std::string path = s.substr(authorityEnd);
    path = path.substr(0, path.find('#'));
    if (path.empty() || path[0] != '/') path = "/" + path;
    result.Path = AnsiString(path);
    return result;
}

AnsiString ResolveLocation(const THttpUrl& Base, const AnsiString& Location) {
    const std::string location = Location.Trim().str();
    if (HasScheme(location)) return AnsiString(location);
    if (location.rfind("//", 0) == 0) return AnsiString("http:" + location);
    if (!location.empty() && location[0] == '/') return Base.Origin() + AnsiString(location);
    const std::string& basePath = Base.Path.str();
    std::string withoutQuery = basePath.substr(0, basePath.find('?'));
    if (!location.empty() && location[0] == '?') return Base.Origin() + AnsiString(withoutQuery + location);
    std::string directory = withoutQuery.substr(0, withoutQuery.rfind('/') + 1);
    return Base.Origin() + AnsiString(directory + location);
}
