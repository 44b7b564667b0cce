#include "platform/posix/mimeapps_list.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace ec {
namespace {

constexpr std::string_view kDefaultGroup = "[Default Applications]";

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

// The applications of `line` when it is the entry of `mime_type`.
std::optional<std::vector<std::string>> EntryApplications(std::string_view line,
                                                          std::string_view mime_type) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || Trim(line.substr(0, equals)) != mime_type) {
    return std::nullopt;
  }
  std::vector<std::string> apps;
  std::string_view rest = Trim(line.substr(equals + 1));
  while (!rest.empty()) {
    const size_t semicolon = std::min(rest.find(';'), rest.size());
    if (const auto app = Trim(rest.substr(0, semicolon)); !app.empty()) apps.emplace_back(app);
    rest.remove_prefix(std::min(semicolon + 1, rest.size()));
  }
  return apps;
}

std::string EntryLine(std::string_view mime_type, const std::vector<std::string>& apps) {
  std::string line = std::string(mime_type) + "=";
  for (const auto& app : apps) line += app + ";";
  return line;
}

std::vector<std::string> Without(std::vector<std::string> apps, std::string_view desktop_file) {
  std::erase(apps, std::string(desktop_file));
  return apps;
}

// Calls `visit` with the index of each line inside a [Default Applications]
// group; `visit` answers whether to go on.
template <typename Visit>
void ForEachDefaultLine(const std::vector<std::string>& lines, Visit visit) {
  bool in_group = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = Trim(lines[i]);
    if (line.starts_with('[')) {
      in_group = line == kDefaultGroup;
    } else if (in_group && !visit(i)) {
      return;
    }
  }
}

}  // namespace

std::string SetDefaultApplication(std::string_view text, std::string_view mime_type,
                                  std::string_view desktop_file) {
  std::vector<std::string> lines = SplitLines(text);
  bool done = false;
  ForEachDefaultLine(lines, [&](size_t i) {
    const auto apps = EntryApplications(lines[i], mime_type);
    if (!apps) return true;
    std::vector<std::string> ordered{std::string(desktop_file)};
    for (auto& app : Without(*apps, desktop_file)) ordered.push_back(std::move(app));
    lines[i] = EntryLine(mime_type, ordered);
    done = true;
    return false;
  });
  if (done) return JoinLines(lines);

  const std::string entry = EntryLine(mime_type, {std::string(desktop_file)});
  for (size_t i = 0; i < lines.size(); ++i) {
    if (Trim(lines[i]) == kDefaultGroup) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, entry);
      return JoinLines(lines);
    }
  }
  if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
  lines.emplace_back(kDefaultGroup);
  lines.push_back(entry);
  return JoinLines(lines);
}

std::string RemoveDefaultApplication(std::string_view text, std::string_view mime_type,
                                     std::string_view desktop_file) {
  std::vector<std::string> lines = SplitLines(text);
  std::vector<size_t> emptied;
  bool changed = false;
  ForEachDefaultLine(lines, [&](size_t i) {
    const auto apps = EntryApplications(lines[i], mime_type);
    if (!apps) return true;
    const auto kept = Without(*apps, desktop_file);
    if (kept.size() == apps->size()) return true;
    changed = true;
    if (kept.empty()) {
      emptied.push_back(i);
    } else {
      lines[i] = EntryLine(mime_type, kept);
    }
    return true;
  });
  if (!changed) return std::string(text);
  for (auto i = emptied.rbegin(); i != emptied.rend(); ++i) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*i));
  }
  return JoinLines(lines);
}

}  // namespace ec
