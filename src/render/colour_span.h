#pragma once
// The two forms of declaration text, and the coloured spans of the HTML form.

#include <string>
#include <string_view>

namespace ec {

// Plain text: CR LF line ends and no markup, what a programmer pastes into the
// E IDE. HTML: the same lines with coloured spans and <br> line breaks.
enum class CodeMode { PlainText, Html };

// The colours of declaration text, as the E IDE shows them.
namespace colour {
inline constexpr std::string_view kName = "#0000AD";     // classes, subroutines, commands, constants, types
inline constexpr std::string_view kType = "#0000FF";     // type names
inline constexpr std::string_view kKeyword = "#800000";  // 公开, flag words, library names, numbers
inline constexpr std::string_view kTextValue = "#008080";
inline constexpr std::string_view kRemark = "#008000";
}  // namespace colour

// In plain-text mode `text` as it is. In HTML mode `text` inside a span of
// `colour`, with "&", "<" and ">" escaped and each pair of apostrophes written
// as one double quote (the IDE's way of quoting inside a declaration).
std::string ColourSpan(std::string_view text, std::string_view colour, CodeMode mode);
void AppendColourSpan(std::string& out, std::string_view text, std::string_view colour, CodeMode mode);

}  // namespace ec
