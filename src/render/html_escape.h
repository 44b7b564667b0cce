#pragma once
// Module texts go into HTML pages as text, never as markup: a remark holding
// "<b>" must show those three characters, not embolden the rest of the page.

#include <string>
#include <string_view>

namespace ec {

// Appends `text` with "&", "<" and ">" written as character references.
void AppendHtmlEscaped(std::string& out, std::string_view text);

std::string HtmlEscaped(std::string_view text);

}  // namespace ec
