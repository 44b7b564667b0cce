#include "search/folder_search.h"

#include <algorithm>

#include "reader/module_file.h"

namespace ec {

FolderSearch::FolderSearch(FolderSearchRequest request, NamesCache& cache)
    : request_(std::move(request)),
      cache_(cache),
      stages_(new std::atomic<Stage>[request_.files.size()]),
      results_(request_.files.size()) {
  for (size_t i = 0; i < request_.files.size(); ++i) stages_[i] = Stage::Waiting;
  unsigned jobs = request_.jobs != 0 ? request_.jobs : std::max(1u, std::thread::hardware_concurrency());
  jobs = static_cast<unsigned>(std::min<size_t>(jobs, std::max<size_t>(request_.files.size(), 1)));
  workers_.reserve(jobs);
  for (unsigned i = 0; i < jobs; ++i) workers_.emplace_back([this] { Work(); });
}

FolderSearch::~FolderSearch() { StopAndWait(); }

void FolderSearch::StopAndWait() {
  Stop();
  for (std::jthread& worker : workers_)
    if (worker.joinable()) worker.join();
}

void FolderSearch::Stop() {
  stopped_ = true;
  std::lock_guard lock(mutex_);
  ready_.notify_all();
}

void FolderSearch::Work() {
  const KeptReadBuffer keptBuffer;
  NameMatcher matcher(request_.text);
  while (!stopped_) {
    const size_t index = nextToStart_++;
    if (index >= request_.files.size()) return;
    ModuleSearchResult result = Examine(index, matcher);
    stages_[index] = Stage::Done;
    std::lock_guard lock(mutex_);
    results_[index] = std::move(result);
    if (index == nextToTake_) ready_.notify_all();
  }
}

// One module that cannot be read (even for lack of memory) is reported as
// failed; the search goes on with the next.
ModuleSearchResult FolderSearch::Examine(size_t index, NameMatcher& matcher) {
  try {
    return ExamineModule(index, matcher);
  } catch (const std::bad_alloc&) {
    ModuleSearchResult failed;
    failed.problems = {"内存不足，无法读取此模块"};
    return failed;
  } catch (const std::exception& e) {
    ModuleSearchResult failed;
    failed.problems = {std::string("读取此模块时出错：") + e.what()};
    return failed;
  } catch (...) {
    ModuleSearchResult failed;
    failed.problems = {"读取此模块时出错"};
    return failed;
  }
}

ModuleSearchResult FolderSearch::ExamineModule(size_t index, NameMatcher& matcher) {
  stages_[index] = Stage::Reading;
  const std::shared_ptr<const ModuleNames> names = Names(request_.files[index]);
  stages_[index] = Stage::Matching;
  if (!names) return {.problems = {"无法打开文件"}};
  ModuleSearchResult result = SearchModule(
      *names, matcher, request_.kinds, [this] { return !stopped_.load(std::memory_order_relaxed); }, request_.scope);
  if (!names->outcome.Clean()) result.problems = names->outcome.problems;
  return result;
}

// A module the reader rejects has no names, and keeps having none until
// the file changes.
std::shared_ptr<const ModuleNames> FolderSearch::Names(const std::string& path) {
  const std::optional<FileStamp> stamp = StampOf(path);
  if (!stamp) return nullptr;
  // Names read without their texts do not serve a search of remarks or parameters.
  const bool withTexts = request_.scope != SearchScope::Names;
  if (auto cached = cache_.Find(path, *stamp); cached && (cached->withTexts || !withTexts)) return cached;
  auto names = std::make_shared<ModuleNames>();
  ++modulesRead_;
  ReadModuleNames(path, request_.readOnly, *names, withTexts, request_.repairOnlyWhole);
  // A repair changed the file's time: keep the names under the new stamp.
  const bool rewritten = !request_.readOnly && names->outcome.repairedSegments > 0;
  const std::optional<FileStamp> after = rewritten ? StampOf(path) : stamp;
  if (after) cache_.Put(path, *after, names);
  return names;
}

std::optional<ModuleOutcome> FolderSearch::TakeReady() {
  std::lock_guard lock(mutex_);
  if (stopped_ || nextToTake_ >= results_.size() || !results_[nextToTake_]) return std::nullopt;
  ModuleOutcome outcome{nextToTake_, std::move(*results_[nextToTake_])};
  results_[nextToTake_++].reset();
  return outcome;
}

std::optional<ModuleOutcome> FolderSearch::WaitNext() {
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [this] { return stopped_ || nextToTake_ >= results_.size() || results_[nextToTake_]; });
  if (stopped_ || nextToTake_ >= results_.size()) return std::nullopt;
  ModuleOutcome outcome{nextToTake_, std::move(*results_[nextToTake_])};
  results_[nextToTake_++].reset();
  return outcome;
}

bool FolderSearch::Finished() const {
  std::lock_guard lock(mutex_);
  return stopped_ || nextToTake_ >= results_.size();
}

size_t FolderSearch::NextIndex() const {
  std::lock_guard lock(mutex_);
  return nextToTake_;
}

bool FolderSearch::NextIsBeingRead() const {
  const size_t next = NextIndex();
  return next < request_.files.size() && stages_[next] == Stage::Reading;
}

}  // namespace ec
