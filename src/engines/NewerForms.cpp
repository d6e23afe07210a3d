// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NewerForms.h"

#include <algorithm>
#include <array>

namespace {

using enum EEngineFate;

// Read against public sources in December 2026; no request was made to the
// hosts themselves. Short names of the sources:
//   bangs   Kagi's community bang list (kagisearch/bangs, July 2026)
//   searx   SearXNG's engines, which scrape the result pages (August 2026)
//   wiki    the Wikipedia article on the service
// Keys are the built-in templates byte for byte; a test holds them to the
// built-in catalogue.
constexpr std::array<SNewerForm, 61> kNewerForms{{
    // bangs [g]; searx google
    {"http://www.google.com/search?q=[keyword]", Alive, 2026, "https://www.google.com/search?q=[keyword]"},
    // images are a web-search vertical now: searx google_images, bangs [gi]
    {"http://images.google.com/images?q=[keyword]", Moved, 2026, "https://www.google.com/search?q=[keyword]&tbm=isch"},
    // bangs [gm]
    {"http://maps.google.com/maps?q=[keyword]", Alive, 2026, "https://maps.google.com/maps?q=[keyword]"},
    // bangs [gn]
    {"http://news.google.com/news?q=[keyword]", Moved, 2026, "https://news.google.com/search?q=[keyword]"},
    // the Froogle-era /products is gone: bangs [gs] udm=28
    {"http://www.google.com/products?q=[keyword]", Moved, 2026, "https://www.google.com/search?q=[keyword]&udm=28"},
    // video hosting shut in 2012 (wiki "Google Video"); searx google_videos
    {"http://video.google.com/videosearch?q=[keyword]", Moved, 2012,
     "https://www.google.com/search?q=[keyword]&tbm=vid"},
    // bangs [gbks]
    {"http://books.google.com/books?q=[keyword]", Alive, 2026, "https://books.google.com/books?q=[keyword]"},
    // searx google_scholar
    {"http://scholar.google.com/scholar?q=[keyword]", Alive, 2026, "https://scholar.google.com/scholar?q=[keyword]"},
    // patents.google.com since 2015 (wiki "Google Patents"); bangs [patg]
    {"http://www.google.com/patents?q=[keyword]", Moved, 2015, "https://patents.google.com/?q=[keyword]"},
    // blog search turned into web search in 2014 (wiki "Google Blog Search")
    {"http://blogsearch.google.com/blogsearch?q=[keyword]", Closed, 2014, ""},
    // Code Search shut in January 2012 (Google blog, "A fall sweep")
    {"http://www.google.com/codesearch?q=[keyword]", Closed, 2012, ""},
    // bangs [gtrends]
    {"http://www.google.com/trends?q=[keyword]", Moved, 2026, "https://trends.google.com/trends/explore?q=[keyword]"},
    // discontinued July 2011 (wiki "Google Directory")
    {"http://www.google.com/search?hl=en&cat=gwd%2FTop&q=[keyword]&btnG=Search", Closed, 2011, ""},
    // searx yahoo; bangs [y]
    {"http://search.yahoo.com/search?p=[keyword]", Alive, 2026, "https://search.yahoo.com/search?p=[keyword]"},
    // bangs [yi]
    {"http://images.search.yahoo.com/search/images?p=[keyword]", Alive, 2026,
     "https://images.search.yahoo.com/search/images?p=[keyword]"},
    // searx yahoo_news
    {"http://news.search.yahoo.com/search/news?p=[keyword]", Moved, 2026,
     "https://news.search.yahoo.com/search?p=[keyword]"},
    // bangs [yv]
    {"http://video.search.yahoo.com/search/video?p=[keyword]", Alive, 2026,
     "https://video.search.yahoo.com/search/video?p=[keyword]"},
    // bangs [shop]
    {"http://shopping.yahoo.com/search?p=[keyword]", Alive, 2026, "https://shopping.yahoo.com/search?p=[keyword]"},
    // closed 4 May 2021 (technical.ly)
    {"http://answers.yahoo.com/search/search_result?p=[keyword]", Closed, 2021, ""},
    // retired 31 December 2014 (Yahoo's announcement)
    {"http://search.yahoo.com/search/dir?p=[keyword]", Closed, 2014, ""},
    // HotJobs sold to Monster in 2010 (Reuters)
    {"http://hotjobs.yahoo.com/jobseeker/jobsearch/search_results.html?keywords_all=[keyword]", Closed, 2010, ""},
    // MSN Search became Bing in 2009 (wiki "Bing"); bangs [bing]; FORM= dropped
    {"http://search.msn.com/results.aspx?q=[keyword]&FORM=MSNH", Moved, 2009,
     "https://www.bing.com/search?q=[keyword]"},
    // bangs [bi]
    {"http://search.msn.com/images/results.aspx?q=[keyword]&FORM=MSNH", Moved, 2009,
     "https://www.bing.com/images/search?q=[keyword]"},
    // bangs [bv]
    {"http://search.msn.com/video/results.aspx?q=[keyword]&FORM=MSNH&mkt=en-US", Moved, 2009,
     "https://www.bing.com/videos?q=[keyword]"},
    // bangs [bnews]
    {"http://search.msn.com/news/results.aspx?q=[keyword]&FORM=MSNH&mkt=en-US", Moved, 2009,
     "https://www.bing.com/news/search?q=[keyword]"},
    // bangs [bs] (only source)
    {"http://shopping.msn.com/allresults/shp/?text=[keyword]", Moved, 2026, "https://www.bing.com/shop?q=[keyword]"},
    // bangs [ask]; the qsrc/o/l partner codes dropped
    {"http://www.ask.com/web?q=[keyword]&qsrc=0&o=0&l=dir", Alive, 2026, "https://www.ask.com/web?q=[keyword]"},
    // bangs [a]; without the third party's affiliate tag
    {"https://www.amazon.com/s/?tag=4817-20&field-keywords=[keyword]", Alive, 2026,
     "https://www.amazon.com/s?k=[keyword]"},
    // bangs [auk]; without the affiliate tag
    {"https://www.amazon.co.uk/s/?tag=4817-20&field-keywords=[keyword]&x=0&y=0", Alive, 2026,
     "https://www.amazon.co.uk/s?k=[keyword]"},
    // searx ebay; bangs [e]; without the tracking id
    {"http://search.ebay.com/search/search.dll?from=R40&_trksid=m37&satitle=[keyword]", Moved, 2026,
     "https://www.ebay.com/sch/i.html?_nkw=[keyword]"},
    // bangs [e.uk]
    {"http://search.ebay.co.uk/search/search.dll?from=R40&_trksid=m37&satitle=[keyword]", Moved, 2026,
     "https://www.ebay.co.uk/sch/i.html?_nkw=[keyword]"},
    // bangs [cnet]
    {"http://search.cnet.com/4244-5_1-0.html?query=[keyword]&tag=srch&target=nw", Moved, 2026,
     "https://www.cnet.com/search/?searchQuery=[keyword]"},
    // the downloads site retired in 2021, library given to the Internet Archive
    {"http://www.tucows.com/"
     "search.html?search_scope=win&search_lib=soft&search_adv=0&search_size=&search_size_multi=b&search_terms=[keyword]"
     "&srch_pf=win&x=0&y=0",
     Closed, 2021, ""},
    // article addresses still resolve (bangs [w])
    {"http://en.wikipedia.org/wiki/[keyword]", Alive, 2026, "https://en.wikipedia.org/wiki/[keyword]"},
    // searx youtube_noapi; without the nav-bar attribution
    {"http://www.youtube.com/results?q=[keyword]&sa=N&tab=b1", Alive, 2026,
     "https://www.youtube.com/results?search_query=[keyword]"},
    // About.com became Dotdash in May 2017 (Ad Age)
    {"http://search.about.com/fullsearch.htm?terms=[keyword]", Closed, 2017, ""},
    // MSDN search is Microsoft Learn now: bangs [msdn]
    {"http://search.msdn.microsoft.com/Default.aspx?query=[keyword]", Moved, 2026,
     "https://learn.microsoft.com/en-us/search/?terms=[keyword]"},
    // Alexa.com retired 1 May 2022 (wiki "Alexa Internet")
    {"http://www.alexa.com/data/details/traffic_details/[keyword]", Closed, 2022, ""},
    {"http://www.alexa.com/browse/search/?CategoryID=Top&Query=[keyword]&Current=Top&IdLink=", Closed, 2022, ""},
    // bangs [bbc]
    {"http://search.bbc.co.uk/cgi-bin/search/results.pl?scope=all&tab=all&recipe=all&q=[keyword]", Moved, 2026,
     "https://www.bbc.co.uk/search/?q=[keyword]"},
    // bangs [imdb]
    {"http://www.imdb.com/find?s=all&q=[keyword]", Alive, 2026, "https://www.imdb.com/find?s=all&q=[keyword]"},
    // searx flickr_noapi
    {"http://www.flickr.com/search/?q=[keyword]", Alive, 2026, "https://www.flickr.com/search?text=[keyword]"},
    // relaunch suspended in March 2026 (TechCrunch, via techbuzz.ai)
    {"http://digg.com/search?section=all&s=[keyword]", Closed, 2026, ""},
    // bangs [dm]
    {"http://www.dailymotion.com/relevance/search/[keyword]", Moved, 2026,
     "https://www.dailymotion.com/search/[keyword]"},
    // searx deviantart
    {"http://search.deviantart.com/?q=[keyword]", Moved, 2026, "https://www.deviantart.com/search?q=[keyword]"},
    // bangs [gamespot]
    {"http://www.gamespot.com/search.html?qs=[keyword]", Moved, 2026, "https://www.gamespot.com/search/?q=[keyword]"},
    // bangs [ign]
    {"http://search.ign.com/products?query=[keyword]", Moved, 2026, "https://www.ign.com/search?q=[keyword]"},
    // bangs [whois]
    {"http://whois.domaintools.com/[keyword]", Alive, 2026, "https://whois.domaintools.com/[keyword]"},
    // bangs [nyt]
    {"http://query.nytimes.com/search/query?query=[keyword]", Moved, 2026,
     "https://www.nytimes.com/search?query=[keyword]"},
    // bangs [cnn]; without srchst
    {"http://search.cnn.com/search.jsp?query=[keyword]&srchst=nyt", Moved, 2026,
     "https://www.cnn.com/search/?q=[keyword]"},
    // closed 30 June 2018, accounts moved to Mix (digitaltrends.com)
    {"http://www.stumbleupon.com/tag/[keyword]/", Closed, 2018, ""},
    // bangs [ne]; without the "/" the old template added to every query
    {"http://www.newegg.com/Product/ProductList.aspx?Submit=ENE&DEPA=0&Description=[keyword]/", Alive, 2026,
     "https://www.newegg.com/Product/ProductList.aspx?Submit=ENE&DEPA=0&Description=[keyword]"},
    // Dictionary.com: bangs [dxn]
    {"http://dictionary.reference.com/browse/[keyword]", Moved, 2026, "https://www.dictionary.com/browse/[keyword]"},
    // Thesaurus.com: bangs [thesaurus]
    {"http://thesaurus.reference.com/browse/[keyword]", Moved, 2026, "https://www.thesaurus.com/browse/[keyword]"},
    // bangs [bby]; without the session id every user shared, and without the
    // forced ISO-8859-1 that garbled UTF-8 queries
    {"http://www.bestbuy.com/site/"
     "olspage.jsp;jsessionid=KXJTRWMB7PLLQZA5H8UESOD?_dyncharset=ISO-8859-1&id=pcat17071&type=page&st=[keyword]&sc="
     "Global&cp=1&nrp=15&sp=&qp=&list=n&iht=y&usc=All+Categories&ks=960",
     Alive, 2026,
     "https://www.bestbuy.com/site/"
     "olspage.jsp?id=pcat17071&type=page&st=[keyword]&sc=Global&cp=1&nrp=15&sp=&qp=&list=n&"
     "iht=y&usc=All+Categories&ks=960"},
    // bangs [walmart]
    {"http://www.walmart.com/search/"
     "search-ng.do?search_constraint=0&search_query=[keyword]&ic=24_0&Find.x=16&Find.y=13",
     Moved, 2026, "https://www.walmart.com/search/?query=[keyword]"},
    // replaced by thetimes.co.uk in May 2010 (Press Gazette); no source for
    // today's search address
    {"http://www.timesonline.co.uk/tol/sitesearch.do?query=[keyword]", Moved, 2010, ""},
    // bangs [foxnews]
    {"http://search.foxnews.com/"
     "search?ie=UTF-8&oe=UTF-8&client=my_frontend&proxystylesheet=my_frontend&output=xml_no_dtd&site=story&getfields=*&"
     "filter=0&sort=date%3AD%3AS%3Ad1&q=[keyword]",
     Moved, 2026, "https://www.foxnews.com/search-results/search?q=[keyword]"},
    // closed 17 March 2017 (wiki "DMOZ")
    {"http://search.dmoz.org/cgi-bin/search?search=[keyword]", Closed, 2017, ""},
    // bangs [sourceforge]
    {"http://sourceforge.net/search/?type_of_search=soft&type_of_search=soft&words=[keyword]", Moved, 2026,
     "https://sourceforge.net/directory/?q=[keyword]"},
    // bangs [ia]
    {"http://web.archive.org/web/*/[keyword]", Alive, 2026, "https://web.archive.org/web/*/[keyword]"},
}};

bool Offered(const SSearch& entry, const SNewerForm& form)
{
    if (form.fate == Closed) return entry.selected;
    return !form.today.empty();
}

}  // namespace

std::span<const SNewerForm> NewerForms()
{
    return kNewerForms;
}

const SNewerForm* FindNewerForm(std::string_view url)
{
    const auto found =
        std::find_if(kNewerForms.begin(), kNewerForms.end(), [url](const SNewerForm& f) { return f.builtIn == url; });
    return found == kNewerForms.end() ? nullptr : &*found;
}

std::vector<SBuiltInUpdate> FindBuiltInUpdates(const CEngineList& engines)
{
    std::vector<SBuiltInUpdate> updates;
    for (std::int32_t i = 0; i < engines.Count(); ++i) {
        const SNewerForm* form = FindNewerForm(engines.At(i).url);
        if (form && Offered(engines.At(i), *form)) updates.push_back({i, form});
    }
    return updates;
}

void ApplyBuiltInUpdates(CEngineList& engines, std::span<const SBuiltInUpdate> chosen, bool deleteClosed)
{
    std::vector<bool> remove(static_cast<std::size_t>(std::max(engines.Count(), 0)), false);
    bool anyRemoved = false;
    for (const SBuiltInUpdate& update : chosen) {
        if (update.entry < 0 || update.entry >= engines.Count() || !update.form) continue;
        SSearch& entry = engines.At(update.entry);
        // An entry changed since the offer was made is left alone.
        if (entry.url != update.form->builtIn) continue;
        if (update.form->fate != Closed) {
            if (!update.form->today.empty()) entry.url = update.form->today;
        } else if (deleteClosed) {
            remove[static_cast<std::size_t>(update.entry)] = true;
            anyRemoved = true;
        } else {
            entry.selected = false;
        }
    }
    if (anyRemoved) engines.RemoveMarked(remove);
}
