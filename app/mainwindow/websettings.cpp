#include "app/mainwindow/websettings.h"

#include "platform/host/Registry.h"

const char* const kWebSettingsKey = "Software\\Halvorsk\\Velmora\\init";
const char* const kDefaultQuoteSiteUrl = "http://127.0.0.1:8080";
const char* const kDefaultQuoteServiceUrl = "http://127.0.0.1:8080";
const char* const kDefaultHomePageUrl = "https://velmora.example/";
const char* const kDefaultContactMail = "info@velmora.example";

namespace {

AnsiString Setting(const char* Name, const char* Default) {
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    AnsiString value;
    if (registry.OpenKey(kWebSettingsKey, false)) value = registry.ReadString(Name).Trim();
    return value.IsEmpty() ? AnsiString(Default) : value;
}

// The site's address with Path, whether or not the setting ends in "/".
AnsiString SitePage(const char* Path) {
    AnsiString site = QuoteSiteUrl();
    while (!site.IsEmpty() && site[site.Length()] == '/') site = site.SubString(1, site.Length() - 1);
    return site + Path;
}

}  // namespace

AnsiString QuoteSiteUrl() { return Setting("quoteSiteUrl", kDefaultQuoteSiteUrl); }
AnsiString SymbolLookupUrl() { return SitePage("/l"); }
AnsiString ExchangesUrl() { return SitePage("/sd"); }
AnsiString QuoteServiceUrl() { return Setting("quoteServiceUrl", kDefaultQuoteServiceUrl); }
AnsiString HomePageUrl() { return Setting("homePageUrl", kDefaultHomePageUrl); }
AnsiString ContactMail() { return Setting("contactMail", kDefaultContactMail); }
