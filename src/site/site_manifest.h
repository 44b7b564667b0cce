#pragma once
// What a site remembers of the run that made it, in OUT/.ecview-site/: the
// manifest (each module's path, size, modification time and page name) and,
// per page, the module's index row and search-index statement. The manifest
// is also the mark of a site: a non-empty OUT without it is not written to.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "search/names_cache.h"

namespace ec::site {

inline constexpr char kStateFolder[] = ".ecview-site";

struct ManifestEntry {
  std::string file;  // path below the published folder, "/"-separated
  FileStamp stamp;
  std::string page;  // page name without ".html"; the module's fragments share it
  bool hasPage = true;
  bool operator==(const ManifestEntry&) const = default;
};

struct SiteManifest {
  std::string generator;  // the program version that wrote the pages
  std::string title;
  std::vector<ManifestEntry> modules;
  bool operator==(const SiteManifest&) const = default;
};

// The manifest text and back. Parse gives nothing for a text that is not a
// manifest; entries whose page name could lead outside the site are dropped.
std::string ManifestText(const SiteManifest& manifest);
std::optional<SiteManifest> ParseManifest(std::string_view text);

std::filesystem::path ManifestPath(const std::filesystem::path& out);
std::optional<SiteManifest> ReadManifest(const std::filesystem::path& out);
// Written beside and renamed over the old one, so an interrupted run leaves
// the old manifest, whose stale entries the next run simply renders again.
bool WriteManifest(const std::filesystem::path& out, const SiteManifest& manifest);

}  // namespace ec::site
