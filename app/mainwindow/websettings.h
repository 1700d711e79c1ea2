#pragma once
// The web addresses the program opens, kept in the settings beside the
// others (key "Software\Halvorsk\Velmora\init"): "quoteSiteUrl" the quote
// service's web site, "homePageUrl" the product's home page, "contactMail"
// the contact address, "quoteServiceUrl" the base address (scheme://host:port)
// of the service the quote download asks. A missing or empty value gives the default.

#include "platform/runtime/AnsiString.h"

extern const char* const kWebSettingsKey;
extern const char* const kDefaultQuoteSiteUrl;  // the test quote server on this machine
extern const char* const kDefaultQuoteServiceUrl;  // the test quote server too
extern const char* const kDefaultHomePageUrl;
extern const char* const kDefaultContactMail;

AnsiString QuoteSiteUrl();
// The quote service's symbol lookup ("/l") and exchanges ("/sd") pages.
AnsiString SymbolLookupUrl();
AnsiString ExchangesUrl();
AnsiString QuoteServiceUrl();
AnsiString HomePageUrl();
AnsiString ContactMail();
