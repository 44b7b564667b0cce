#pragma once
// Edits the default application of one MIME type in the text of a
// mimeapps.list file, keeping every other line as it was.

#include <string>
#include <string_view>

namespace ec {

// Puts `desktop_file` first in the [Default Applications] list of
// `mime_type`; applications already listed stay behind it as fallbacks.
std::string SetDefaultApplication(std::string_view text, std::string_view mime_type,
                                  std::string_view desktop_file);

// Takes `desktop_file` out of the list of `mime_type`; a line left with no
// application goes.
std::string RemoveDefaultApplication(std::string_view text, std::string_view mime_type,
                                     std::string_view desktop_file);

}  // namespace ec
