// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/Catalog.h"
#include "engines/Dispatch.h"
#include "engines/NewerForms.h"
#include "engines/SecureAddress.h"

#include "common/BuiltInEngines.h"

#include <gtest/gtest.h>

#include <string>

TEST(SecureAddress, BuiltInHostsGoOverHttps)
{
    EXPECT_EQ(UpgradeToHttps("http://www.google.com/search?q=cats"), "https://www.google.com/search?q=cats");
    EXPECT_EQ(UpgradeToHttps("http://en.wikipedia.org/wiki/Dublin+Bay"), "https://en.wikipedia.org/wiki/Dublin+Bay");
    EXPECT_EQ(UpgradeToHttps("HTTP://WWW.Google.COM/search?q=x"), "https://WWW.Google.COM/search?q=x");
    EXPECT_EQ(UpgradeToHttps("http://search.msn.com"), "https://search.msn.com");  // moved, still served
    EXPECT_EQ(UpgradeToHttps("http://www.ask.com/news?qsrc=2087&q=x"), "https://www.ask.com/news?qsrc=2087&q=x");
    EXPECT_EQ(UpgradeToHttps("http://groups.google.com/groups?q=x"), "https://groups.google.com/groups?q=x");
    EXPECT_EQ(UpgradeToHttps("http://www.google.com#x"), "https://www.google.com#x");
    EXPECT_EQ(UpgradeToHttps("https://www.google.com/search?q=x"), "https://www.google.com/search?q=x");

    // Every built-in engine that is alive or moved is searched over https.
    for (const SNewerForm& form : NewerForms()) {
        std::string url(form.builtIn);
        if (form.fate == EEngineFate::Closed) continue;
        EXPECT_TRUE(UpgradeToHttps(url).starts_with("https://")) << url;
    }
}

TEST(SecureAddress, OtherAddressesAsTheyAre)
{
    for (const char* address : {
             "http://wiki.intranet/?q=cats",                 // a user's own host
             "http://google.com/search?q=cats",              // not the built-in host itself
             "http://www.google.com.evil.example/?q=x",      // a longer host
             "http://evil.example/?www.google.com/",         // the host appears later
             "http://www.google.com:8080/search?q=x",        // a port: another service
             "http://user@www.google.com/search?q=x",        // a user name
             "http://www.tucows.com/search.html?x=1",        // closed
             "http://www.alexa.com/data/details/x",          // closed
             "http://local.yahoo.com/results?stx=x",         // fate unknown
             "http://download.cnet.com/3120-20_4.html?q=x",  // fate unknown
             "ftp://www.google.com/",
             "www.google.com/search?q=x",
             "http://",
             "",
         }) {
        EXPECT_EQ(UpgradeToHttps(address), address);
    }
}

TEST(SecureAddress, SearchesUpgradeWhileTheStoredTemplateStays)
{
    CEngineList list = BuiltInEngines();
    const CEngineList before = list;
    const SSearch google = list.At(0);
    EXPECT_EQ(BuildSearchAddress("cats", google, list), "https://www.google.com/search?q=cats");
    EXPECT_EQ(BuildSearchAddress("w Dublin Bay", google, list), "https://en.wikipedia.org/wiki/Dublin%20Bay");
    EXPECT_EQ(BuildSearchAddress("a lamp", google, list),
              "https://www.amazon.com/s/?tag=4817-20&field-keywords=lamp");  // already https, not updated
    EXPECT_EQ(list, before);
    EXPECT_EQ(BuiltInCatalog()[0].url, "http://www.google.com/search?q=[keyword]");

    SSearch own;
    own.name = "Intranet";
    own.url = "http://wiki.intranet/?q=[keyword]";
    own.abbreviation = "in";
    list.Append(own);
    EXPECT_EQ(BuildSearchAddress("in cats", google, list), "http://wiki.intranet/?q=cats");
}
