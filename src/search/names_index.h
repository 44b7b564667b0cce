#pragma once
// The names cache kept between runs of the program, in one file of the
// user's cache folder, so that a search after a restart reads only the
// modules that changed. Entries are keyed like the cache (path, size and
// modification time) and bounded like it: the file holds what the cache
// held, the most recently used first. The file is replaced in one step (a
// new file renamed over the old one), so a crash never leaves half of one;
// a file that is damaged or of another version is ignored, with a warning.
//
// Layout (little-endian): "ECNAMES\0", u32 version, u32 entry count, the
// entries, then a 64-bit FNV-1a hash of everything before it. An entry is
// its path, u64 size, i64 modification time (ticks of the file clock), then
// the counted lists of names (subroutines, classes with their methods, data
// types, DLL commands, constants, globals). Texts are a u32 length and bytes.
// Only names are kept: a search of remarks reads the modules again.

#include <filesystem>
#include <string>

#include "search/names_cache.h"

namespace ec {

inline constexpr uint32_t kNamesIndexVersion = 1;

// $XDG_CACHE_HOME/ecview/names.index (%LOCALAPPDATA%\ecview on Windows);
// empty when there is no cache folder.
std::filesystem::path DefaultNamesIndexPath();

// Puts the file's entries into `cache`. "" when they were taken or there is
// no file; otherwise why the file was ignored (and nothing was taken).
std::string LoadNamesIndex(const std::filesystem::path& file, NamesCache& cache);

// Writes the cache's entries; "" on success, otherwise what went wrong.
std::string SaveNamesIndex(const std::filesystem::path& file, const NamesCache& cache);

}  // namespace ec
