#pragma once
// The files every site holds besides its module pages: the style sheet, the
// search page, its script and the table of pinyin initials the script needs
// for the characters typed into the search box.

#include <string>
#include <string_view>

namespace ec::site {

std::string_view SiteStyleSheet();
std::string_view SearchScript();

// "search.html", headed by the site's title.
std::string SearchPage(std::string_view title);

// "pinyin.js": EC_SITE_PINYIN maps each initial to the characters that have it.
std::string PinyinScript();

}  // namespace ec::site
