#include "platform/posix/desktop_entry.h"

#include <algorithm>

namespace ec {
namespace {

// Inside a quoted Exec argument these need a backslash.
bool NeedsArgumentEscape(char c) { return c == '"' || c == '`' || c == '$' || c == '\\'; }

// A desktop file's string values escape backslashes and control characters
// once more, on top of the Exec quoting.
std::string EscapeStringValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string UnescapeStringValue(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      default: out += text[i];
    }
  }
  return out;
}

std::string UndoubledPercent(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
  }
  return out;
}

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string DesktopExecLine(std::string_view program) {
  std::string quoted = "\"";
  for (char c : program) {
    if (NeedsArgumentEscape(c)) quoted += '\\';
    quoted += c;
    if (c == '%') quoted += '%';  // a lone % would start a field code
  }
  quoted += "\" %f";
  return EscapeStringValue(quoted);
}

std::string DesktopExecProgram(std::string_view exec) {
  const std::string command = UnescapeStringValue(Trim(exec));
  std::string word;
  if (!command.starts_with('"')) {
    return UndoubledPercent(std::string_view(command).substr(0, command.find(' ')));
  }
  for (size_t i = 1; i < command.size() && command[i] != '"'; ++i) {
    if (command[i] == '\\' && i + 1 < command.size()) ++i;
    word += command[i];
  }
  return UndoubledPercent(word);
}

std::string DesktopEntryValue(std::string_view text, std::string_view key) {
  bool in_entry_group = false;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.starts_with('[')) {
      in_entry_group = line == "[Desktop Entry]";
      continue;
    }
    const size_t equals = line.find('=');
    if (in_entry_group && equals != std::string_view::npos && Trim(line.substr(0, equals)) == key) {
      return std::string(Trim(line.substr(equals + 1)));
    }
  }
  return {};
}

std::string DesktopEntryText(std::string_view program, std::string_view icon,
                             std::string_view mime_type) {
  std::string text = "[Desktop Entry]\n";
  text += "Type=Application\n";
  text += "Name=ecview\n";
  text += "GenericName=E Module Viewer\n";
  text += "Comment=View modules (.ec files) of the E programming language\n";
  text += "Exec=" + DesktopExecLine(program) + "\n";
  text += "Icon=" + EscapeStringValue(icon) + "\n";
  text += "MimeType=" + std::string(mime_type) + ";\n";
  text += "Terminal=false\n";
  text += "Categories=Development;\n";
  return text;
}

}  // namespace ec
