#include "site/site_manifest.h"

#include <charconv>
#include <system_error>

#include "site/page_names.h"
#include "support/file_bytes.h"

namespace ec::site {
namespace {

constexpr std::string_view kMagic = "ecview-site 1";

// Fields are separated by tabs and entries by line ends, which a path may
// hold: those, and "%", are written as %XX.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '%') out += "%25";
    else if (c == '\t') out += "%09";
    else if (c == '\n') out += "%0A";
    else if (c == '\r') out += "%0D";
    else out += c;
  }
  return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= text.size()) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
    if (error != std::errc() || end != text.data() + i + 3) return std::nullopt;
    out += static_cast<char>(value);
    i += 2;
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::optional<ManifestEntry> ParseEntry(const std::vector<std::string_view>& f) {
  if (f.size() != 6 || f[0] != "module") return std::nullopt;
  ManifestEntry entry;
  const std::optional<std::string> file = Unescaped(f[1]);
  int64_t ticks = 0;
  if (!file || !ParseNumber(f[2], entry.stamp.size) || !ParseNumber(f[3], ticks)) return std::nullopt;
  entry.file = *file;
  entry.stamp.modified = std::filesystem::file_time_type(std::filesystem::file_time_type::duration(ticks));
  entry.page = std::string(f[4]);
  entry.hasPage = f[5] == "1";
  // The page name becomes a file name in OUT: only a name this program could
  // have given is taken, never "../x" or "a/b" from an edited manifest.
  if (entry.page.empty() || SafePageName(entry.page) != entry.page) return std::nullopt;
  return entry;
}

}  // namespace

std::string ManifestText(const SiteManifest& manifest) {
  std::string text = std::string(kMagic) + "\ngenerator\t" + Escaped(manifest.generator) + "\ntitle\t" +
                     Escaped(manifest.title) + "\n";
  for (const ManifestEntry& m : manifest.modules) {
    text += "module\t" + Escaped(m.file) + "\t" + std::to_string(m.stamp.size) + "\t" +
            std::to_string(static_cast<int64_t>(m.stamp.modified.time_since_epoch().count())) + "\t" + m.page +
            "\t" + (m.hasPage ? "1" : "0") + "\n";
  }
  return text;
}

std::optional<SiteManifest> ParseManifest(std::string_view text) {
  if (!text.starts_with(kMagic) || text.substr(kMagic.size(), 1) != "\n") return std::nullopt;
  SiteManifest manifest;
  text.remove_prefix(kMagic.size() + 1);
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::vector<std::string_view> f = Fields(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (f.size() == 2 && (f[0] == "generator" || f[0] == "title")) {
      (f[0] == "title" ? manifest.title : manifest.generator) = Unescaped(f[1]).value_or("");
    } else if (auto entry = ParseEntry(f)) {
      manifest.modules.push_back(std::move(*entry));
    }
  }
  return manifest;
}

std::filesystem::path ManifestPath(const std::filesystem::path& out) { return out / kStateFolder / "manifest.txt"; }

std::optional<SiteManifest> ReadManifest(const std::filesystem::path& out) {
  const std::optional<std::string> text = ReadFileBytes(ManifestPath(out));
  if (!text) return std::nullopt;
  return ParseManifest(*text);
}

bool WriteManifest(const std::filesystem::path& out, const SiteManifest& manifest) {
  const std::filesystem::path path = ManifestPath(out);
  std::filesystem::path temporary = path;
  temporary += ".new";
  if (!WriteFileBytes(temporary, ManifestText(manifest))) return false;
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

}  // namespace ec::site
