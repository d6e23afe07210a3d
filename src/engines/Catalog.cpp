// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalog.h"

namespace {

// Columns: name, URL template, abbreviation, group, selected. Templates are
// kept byte for byte, escapes included ("%2F", "%3A").
constexpr std::array<SCatalogRow, 79> kCatalog{{
    {"Google", "http://www.google.com/search?q=[keyword]", "g", "Search", "true"},                    // 0
    {"Google Image", "http://images.google.com/images?q=[keyword]", "gi", "Image", "true"},           // 1
    {"Google Map", "http://maps.google.com/maps?q=[keyword]", "gm", "Map", "false"},                  // 2
    {"Google News", "http://news.google.com/news?q=[keyword]", "gn", "News", "false"},                // 3
    {"Google Shopping", "http://www.google.com/products?q=[keyword]", "gsh", "Shopping", "true"},     // 4
    {"Google Video", "http://video.google.com/videosearch?q=[keyword]", "gv", "Video", "true"},       // 5
    {"Google Group", "http://groups.google.com/groups?q=[keyword]", "gg", "Groups", "true"},          // 6
    {"Google Books", "http://books.google.com/books?q=[keyword]", "gbk", "Books", "false"},           // 7
    {"Google Scholar", "http://scholar.google.com/scholar?q=[keyword]", "gsc", "Scholar", "false"},   // 8
    {"Google Patents", "http://www.google.com/patents?q=[keyword]", "gp", "Patents", "false"},        // 9
    {"Google Finance", "http://www.google.com/finance?q=[keyword]", "gf", "Finance", "false"},        // 10
    {"Google Blogs", "http://blogsearch.google.com/blogsearch?q=[keyword]", "gb", "Blogs", "false"},  // 11
    {"Google Code", "http://www.google.com/codesearch?q=[keyword]", "gc", "Code", "false"},           // 12
    {"Google Trends", "http://www.google.com/trends?q=[keyword]", "gt", "Trends", "false"},           // 13
    {"Google Directory", "http://www.google.com/search?hl=en&cat=gwd%2FTop&q=[keyword]&btnG=Search", "gd", "Directory",
     "false"},                                                                                                 // 14
    {"Yahoo!", "http://search.yahoo.com/search?p=[keyword]", "y", "Search", "true"},                           // 15
    {"Yahoo Image", "http://images.search.yahoo.com/search/images?p=[keyword]", "yi", "Image", "false"},       // 16
    {"Yahoo News", "http://news.search.yahoo.com/search/news?p=[keyword]", "yn", "News", "false"},             // 17
    {"Yahoo Video", "http://video.search.yahoo.com/search/video?p=[keyword]", "yv", "Video", "false"},         // 18
    {"Yahoo Local", "http://local.yahoo.com/results?stx=[keyword]", "yl", "Local", "false"},                   // 19
    {"Yahoo Shopping", "http://shopping.yahoo.com/search?p=[keyword]", "ys", "Shopping", "false"},             // 20
    {"Yahoo Answers", "http://answers.yahoo.com/search/search_result?p=[keyword]", "ya", "Answers", "false"},  // 21
    {"Yahoo Audio", "http://audio.search.yahoo.com/search/audio?p=[keyword]", "ym", "Music", "false"},         // 22
    {"Yahoo Directory", "http://search.yahoo.com/search/dir?p=[keyword]", "yd", "Directory", "false"},         // 23
    {"Yahoo Jobs", "http://hotjobs.yahoo.com/jobseeker/jobsearch/search_results.html?keywords_all=[keyword]", "yj",
     "Jobs", "false"},                                                                                         // 24
    {"MSN", "http://search.msn.com/results.aspx?q=[keyword]&FORM=MSNH", "m", "Search", "true"},                // 25
    {"MSN Image", "http://search.msn.com/images/results.aspx?q=[keyword]&FORM=MSNH", "mi", "Image", "false"},  // 26
    {"MSN Video", "http://search.msn.com/video/results.aspx?q=[keyword]&FORM=MSNH&mkt=en-US", "mv", "Video",
     "false"},  // 27
    {"MSN News", "http://search.msn.com/news/results.aspx?q=[keyword]&FORM=MSNH&mkt=en-US", "mn", "News",
     "false"},                                                                                                // 28
    {"MSN Shopping", "http://shopping.msn.com/allresults/shp/?text=[keyword]", "msh", "Shopping", "false"},   // 29
    {"Ask", "http://www.ask.com/web?q=[keyword]&qsrc=0&o=0&l=dir", "ask", "Search", "false"},                 // 30
    {"Ask Image", "http://www.ask.com/pictures?qsrc=167&o=0&l=dir&q=[keyword]", "aski", "Image", "false"},    // 31
    {"Ask News", "http://www.ask.com/news?qsrc=2087&q=[keyword]", "askn", "News", "false"},                   // 32
    {"Ask Video", "http://www.ask.com/video?qsrc=28&o=0&l=dir&q=[keyword]", "askv", "Video", "false"},        // 33
    {"Ask Blogs", "http://www.ask.com/blogsearch?qsrc=180&o=0&l=dir&q=[keyword]", "askb", "Blogs", "false"},  // 34
    {"Ask Shopping", "http://shopping.ask.com/user/search.do?query=[keyword]&asko=0&askl=dir", "asksh", "Shopping",
     "false"},  // 35
    {"Ask Map", "http://www.ask.com/maps?a1=&a2=[keyword]&btnGetMap=Get+Map&qsrc=106&qsrc=93#1", "askm", "Map",
     "false"},                                                                                              // 36
    {"Amazon", "https://www.amazon.com/s/?tag=4817-20&field-keywords=[keyword]", "a", "Shopping", "true"},  // 37
    {"Amazon UK", "https://www.amazon.co.uk/s/?tag=4817-20&field-keywords=[keyword]&x=0&y=0", "auk", "Shopping",
     "false"},  // 38
    {"eBay", "http://search.ebay.com/search/search.dll?from=R40&_trksid=m37&satitle=[keyword]", "e", "Shopping",
     "true"},  // 39
    {"eBay UK", "http://search.ebay.co.uk/search/search.dll?from=R40&_trksid=m37&satitle=[keyword]", "euk", "Shopping",
     "false"},  // 40
    {"CNET", "http://search.cnet.com/4244-5_1-0.html?query=[keyword]&tag=srch&target=nw", "cnet", "News",
     "false"},  // 41
    {"CNET Download", "http://download.cnet.com/3120-20_4.html?tg=dl-20&qt=[keyword]&tag=srch", "d", "Software",
     "true"},  // 42
    {"TuCows",
     "http://www.tucows.com/"
     "search.html?search_scope=win&search_lib=soft&search_adv=0&search_size=&search_size_multi=b&search_terms=[keyword]"
     "&srch_pf=win&x=0&y=0",
     "t", "Software", "true"},                                                                                // 43
    {"Wikipedia", "http://en.wikipedia.org/wiki/[keyword]", "w", "Search", "true"},                           // 44
    {"YouTube", "http://www.youtube.com/results?q=[keyword]&sa=N&tab=b1", "yt", "Video", "true"},             // 45
    {"About", "http://search.about.com/fullsearch.htm?terms=[keyword]", "ab", "Search", "false"},             // 46
    {"CodeProject", "http://www.codeproject.com/info/search.aspx?artkw=[keyword]", "cp", "Source", "false"},  // 47
    {"MSDN", "http://search.msdn.microsoft.com/Default.aspx?query=[keyword]", "ms", "Source", "false"},       // 48
    {"Alexa", "http://www.alexa.com/data/details/traffic_details/[keyword]", "aa", "Site Info", "false"},     // 49
    {"Alexa Directory", "http://www.alexa.com/browse/search/?CategoryID=Top&Query=[keyword]&Current=Top&IdLink=", "ad",
     "Site Info", "false"},                                                                       // 50
    {"Answers", "http://www.answers.com/[keyword]?cat=entertainment", "an", "Answers", "false"},  // 51
    {"BBC", "http://search.bbc.co.uk/cgi-bin/search/results.pl?scope=all&tab=all&recipe=all&q=[keyword]", "bbc", "News",
     "false"},                                                                                                // 52
    {"IMBD", "http://www.imdb.com/find?s=all&q=[keyword]", "imbd", "Video", "false"},                         // 53
    {"Flikr", "http://www.flickr.com/search/?q=[keyword]", "fr", "Photo", "false"},                           // 54
    {"Veoh", "http://www.veoh.com/search.html?type=&search=[keyword]", "vh", "Video", "false"},               // 55
    {"Digg", "http://digg.com/search?section=all&s=[keyword]", "dg", "Other", "false"},                       // 56
    {"Dailymotion", "http://www.dailymotion.com/relevance/search/[keyword]", "dm", "Video", "false"},         // 57
    {"Deviantart", "http://search.deviantart.com/?q=[keyword]", "da", "Image", "false"},                      // 58
    {"Gamespot", "http://www.gamespot.com/search.html?qs=[keyword]", "gs", "Games", "false"},                 // 59
    {"IGN", "http://search.ign.com/products?query=[keyword]", "ign", "Games", "false"},                       // 60
    {"whois.domaintools.com", "http://whois.domaintools.com/[keyword]", "wi", "Whois", "false"},              // 61
    {"The New York Times", "http://query.nytimes.com/search/query?query=[keyword]", "nyt", "News", "false"},  // 62
    {"CNN", "http://search.cnn.com/search.jsp?query=[keyword]&srchst=nyt", "cnn", "News", "false"},           // 63
    {"Stumbleupon", "http://www.stumbleupon.com/tag/[keyword]/", "su", "Web Search", "false"},                // 64
    {"Newegg", "http://www.newegg.com/Product/ProductList.aspx?Submit=ENE&DEPA=0&Description=[keyword]/", "ng",
     "Shopping", "false"},                                                                                      // 65
    {"Reference Encyclopedia", "http://www.reference.com/search?q=[keyword]", "re", "Encyclopedia", "false"},   // 66
    {"Reference Dictionary", "http://dictionary.reference.com/browse/[keyword]", "rd", "Dictionary", "false"},  // 67
    {"Reference Thesaurus", "http://thesaurus.reference.com/browse/[keyword]", "rt", "Thesaurus", "false"},     // 68
    {"Best Buy",
     "http://www.bestbuy.com/site/"
     "olspage.jsp;jsessionid=KXJTRWMB7PLLQZA5H8UESOD?_dyncharset=ISO-8859-1&id=pcat17071&type=page&st=[keyword]&sc="
     "Global&cp=1&nrp=15&sp=&qp=&list=n&iht=y&usc=All+Categories&ks=960",
     "bb", "Shopping", "false"},  // 69
    {"Walmart",
     "http://www.walmart.com/search/"
     "search-ng.do?search_constraint=0&search_query=[keyword]&ic=24_0&Find.x=16&Find.y=13",
     "wm", "Shopping", "false"},                                                                                // 70
    {"Times online", "http://www.timesonline.co.uk/tol/sitesearch.do?query=[keyword]", "to", "News", "false"},  // 71
    {"Fox News",
     "http://search.foxnews.com/"
     "search?ie=UTF-8&oe=UTF-8&client=my_frontend&proxystylesheet=my_frontend&output=xml_no_dtd&site=story&getfields=*&"
     "filter=0&sort=date%3AD%3AS%3Ad1&q=[keyword]",
     "fn", "News", "false"},                                                                        // 72
    {"DMOZ", "http://search.dmoz.org/cgi-bin/search?search=[keyword]", "d", "Directory", "false"},  // 73
    {"Softonic", "http://en.softonic.com/search/[keyword]", "sn", "Software", "false"},             // 74
    {"SourceForge", "http://sourceforge.net/search/?type_of_search=soft&type_of_search=soft&words=[keyword]", "sf",
     "Software", "false"},                                                                            // 75
    {"Internet Archive", "http://web.archive.org/web/*/[keyword]", "ia", "Archive", "false"},         // 76
    {"Shopping", "http://www.shopping.com/xFS?KW=[keyword]&CLT=SCH", "sh", "Shopping", "false"},      // 77
    {"Shopping UK", "http://uk.shopping.com/xFS?KW=[keyword]&CLT=SCH", "shuk", "Shopping", "false"},  // 78
}};

constexpr std::array<std::string_view, 18> kGroups{
    "Search",  "Shopping", "News",  "Image", "Groups",    "Code",    "Software", "Music", "Video",
    "Finance", "Blogs",    "Books", "Map",   "Translate", "Answers", "Source",   "Photo", "Other",
};

}  // namespace

std::span<const SCatalogRow> BuiltInCatalog()
{
    return kCatalog;
}

std::span<const std::string_view> GroupList()
{
    return kGroups;
}

void BuildDefaultCatalog(CEngineList& engines)
{
    engines.RemoveAll();
    for (const SCatalogRow& row : kCatalog) {
        SSearch s;
        s.name = row.name;
        s.url = row.url;
        s.abbreviation = row.abbreviation;
        s.group = row.group;
        s.selected = row.selected == "true";
        s.extra = 0;
        engines.Append(s);
    }
}
