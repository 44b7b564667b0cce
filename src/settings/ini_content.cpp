#include "settings/ini_content.h"

#include <string>

namespace ec {
namespace {

bool BeginsLine(std::string_view content, size_t pos) {
  return pos == 0 || (pos >= 2 && content.substr(pos - 2, 2) == kIniLineBreak);
}

// The line starting at `line` is "[" ... "]" and is followed by a line break.
bool IsHeaderLine(std::string_view content, size_t line) {
  if (line >= content.size() || content[line] != '[') return false;
  const size_t end = content.find(kIniLineBreak, line);
  return end != std::string_view::npos && end > line + 1 && content[end - 1] == ']';
}

}  // namespace

std::optional<size_t> FindIniSection(std::string_view content, std::string_view section) {
  std::string header;
  header.reserve(section.size() + 2);
  header.append("[").append(section).append("]");
  for (size_t pos = content.find(header); pos != std::string_view::npos; pos = content.find(header, pos + 1)) {
    if (BeginsLine(content, pos)) return pos + header.size() - 1;
  }
  return std::nullopt;
}

std::optional<IniValueSpan> FindIniEntry(std::string_view content, size_t header_close, std::string_view key) {
  // Walking the line breaks in order finds the first occurrence of CR LF key "="
  // and meets every header line that lies before it.
  for (size_t brk = content.find(kIniLineBreak, header_close); brk != std::string_view::npos;
       brk = content.find(kIniLineBreak, brk + 2)) {
    const size_t line = brk + 2;
    const std::string_view rest = content.substr(line);
    if (rest.size() > key.size() && rest.substr(0, key.size()) == key && rest[key.size()] == '=') {
      const size_t begin = line + key.size() + 1;
      return IniValueSpan{begin, IniLineEnd(content, begin)};
    }
    if (IsHeaderLine(content, line)) return std::nullopt;
  }
  return std::nullopt;
}

size_t IniLineEnd(std::string_view content, size_t pos) {
  const size_t end = content.find(kIniLineBreak, pos);
  return end == std::string_view::npos ? content.size() : end;
}

}  // namespace ec
