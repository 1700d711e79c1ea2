#include <gtest/gtest.h>

#include "net/HttpUrl.h"
#include "net/NmUrl.h"
#include "net/NetErrors.h"

TEST(UrlEncoding, KeepsUnreservedAndEscapesEverythingElse) {
    struct Case {
        const char* plain;
        const char* encoded;
    } cases[] = {
        {"^GSPC", "%5EGSPC"},
        {"BRK.B", "BRK.B"},
        {"a-z_0~9", "a-z_0~9"},
        {"A B", "A%20B"},
        {"x&s=y", "x%26s%3Dy"},
        {"1+1/2?#%", "1%2B1%2F2%3F%23%25"},
        {"\xC3\xA9\r\n", "%C3%A9%0D%0A"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UrlEncode(c.plain), c.encoded) << c.plain;
        EXPECT_EQ(UrlDecode(c.encoded), c.plain) << c.encoded;
    }
    EXPECT_EQ(UrlDecode("%5egspc+x"), "^gspc+x");
    EXPECT_EQ(UrlDecode(AnsiString(std::string("%00", 3))), AnsiString(std::string(1, '\0')));
    for (const char* bad : {"%", "%4", "%G0", "abc%2"}) EXPECT_THROW(UrlDecode(bad), EConvertError) << bad;
}

TEST(HttpUrl, SplitsHostPortAndPath) {
    struct Case {
        const char* url;
        const char* host;
        int port;
        const char* path;
        const char* authority;
    } cases[] = {
        {"http://127.0.0.1:8080/table.csv?a=0&s=X", "127.0.0.1", 8080, "/table.csv?a=0&s=X", "127.0.0.1:8080"},
        {"HTTP://Example.test", "Example.test", 80, "/", "Example.test"},
        {"http://h.test?q=1#frag", "h.test", 80, "/?q=1", "h.test"},
        {"http://h.test:80/a/b#x", "h.test", 80, "/a/b", "h.test"},
        {"http://[::1]:9000/x", "::1", 9000, "/x", "[::1]:9000"},
    };
    for (const Case& c : cases) {
        THttpUrl url = SplitHttpUrl(c.url);
        EXPECT_EQ(url.Host, c.host) << c.url;
        EXPECT_EQ(url.Port, c.port) << c.url;
        EXPECT_EQ(url.Path, c.path) << c.url;
        EXPECT_EQ(url.Authority(), c.authority) << c.url;
    }
}

TEST(HttpUrl, RefusesWhatCannotBeRequested) {
    const char* bad[] = {
        "",
        "127.0.0.1/table.csv",
        "https://h.test/",
        "ftp://h.test/",
        "http://",
        "http:///path",
        "http://h.test:/",
        "http://h.test:0/",
        "http://h.test:65536/",
        "http://h.test:8x/",
        "http://user@h.test/",
        "http://[::1/",
        "http://h.test/a b",
        "http://h.test/a\r\nX-Injected: 1",
        "http://h.test/\xC3\xA9",
    };
    for (const char* url : bad) {
        try {
            SplitHttpUrl(url);
            ADD_FAILURE() << "accepted " << url;
        } catch (const HTTPException& e) {
            EXPECT_EQ(e.GetReplyNumber(), 0);
            EXPECT_NE(e.GetMessage().Pos("URL"), 0) << e.GetMessage().c_str();
        }
    }
}

TEST(HttpUrl, ResolvesRedirectLocations) {
    THttpUrl base = SplitHttpUrl("http://127.0.0.1:8080/dir/page.csv?y=200");
    struct Case {
        const char* location;
        const char* resolved;
    } cases[] = {
        {"http://other.test/x", "http://other.test/x"},
        {"  http://other.test:81/x  ", "http://other.test:81/x"},
        {"//other.test/y", "http://other.test/y"},
        {"/top?y=400", "http://127.0.0.1:8080/top?y=400"},
        {"?y=400", "http://127.0.0.1:8080/dir/page.csv?y=400"},
        {"next.csv", "http://127.0.0.1:8080/dir/next.csv"},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveLocation(base, c.location), c.resolved) << c.location;
}
