#pragma once
// Searching the modules of a folder on worker threads: each worker takes the
// next module of the file list, reads its names (or takes them from the
// cache when the file did not change) and matches them. The results come
// out in file-list order, whichever worker finishes first, so the window and
// the command line show the same thing in the same order as a search done
// one module after the other.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "search/module_search.h"
#include "search/names_cache.h"

namespace ec {

struct FolderSearchRequest {
  std::vector<std::string> files;  // the modules, in the order the results are wanted
  std::string text;                // the search text (not empty)
  SearchKinds kinds;
  SearchScope scope = SearchScope::Names;
  bool readOnly = true;  // false: check values are repaired as the viewer does
  bool repairOnlyWhole = false;  // repair only modules read without any other damage
  unsigned jobs = 0;     // worker threads; 0: one per core
};

struct ModuleOutcome {
  size_t index = 0;  // position in the file list
  ModuleSearchResult result;
};

class FolderSearch {
 public:
  // Starts the workers at once. `cache` outlives the search.
  FolderSearch(FolderSearchRequest request, NamesCache& cache);
  // Stops the workers and waits for them.
  ~FolderSearch();
  FolderSearch(const FolderSearch&) = delete;
  FolderSearch& operator=(const FolderSearch&) = delete;

  // Asks the workers to stop; they do within a name of the search, or after
  // the module they are reading. Results not yet taken are dropped.
  void Stop();
  // Stops and waits until every worker has left the module it was on.
  void StopAndWait();

  // The next module's outcome, in file-list order, if it is ready.
  std::optional<ModuleOutcome> TakeReady();
  // Waits for the next module's outcome; nothing once all were taken or the
  // search was stopped.
  std::optional<ModuleOutcome> WaitNext();
  // All outcomes taken, or stopped.
  bool Finished() const;

  // The position of the module whose outcome is awaited next.
  size_t NextIndex() const;
  // Whether that module is being read right now (not yet matched).
  bool NextIsBeingRead() const;
  // How many modules were read from their files (the others came from the cache).
  size_t ModulesRead() const { return modulesRead_; }

 private:
  enum class Stage : uint8_t { Waiting, Reading, Matching, Done };
  void Work();
  ModuleSearchResult Examine(size_t index, NameMatcher& matcher);
  ModuleSearchResult ExamineModule(size_t index, NameMatcher& matcher);
  std::shared_ptr<const ModuleNames> Names(const std::string& path);

  const FolderSearchRequest request_;
  NamesCache& cache_;
  std::unique_ptr<std::atomic<Stage>[]> stages_;
  std::atomic<size_t> nextToStart_{0};
  std::atomic<size_t> modulesRead_{0};
  std::atomic<bool> stopped_{false};

  mutable std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::optional<ModuleSearchResult>> results_;
  size_t nextToTake_ = 0;
  std::vector<std::jthread> workers_;
};

}  // namespace ec
