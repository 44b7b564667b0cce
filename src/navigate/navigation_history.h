#pragma once
// Back and forward over the pages the user went to, as a browser keeps them:
// the pages of the nodes selected, and pages of their own (a comparison
// report, the uses of a type) with the node that was selected beside them.
// Nodes are kept by their path of texts from the root, so a module read again
// (F5, or changed on disk) keeps its history where the nodes still exist.
// Each entry keeps where its page was scrolled to.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ec {

struct HistoryEntry {
  using NodePath = std::vector<std::string>;
  NodePath node;
  // What names a page of its own ("" for the node's page); two entries with
  // the same node and key are the same place.
  std::string pageKey;
  // That page's text, kept so going back shows it without making it again
  // (a report would read the other module again).
  std::shared_ptr<const std::string> page;
  int scroll = 0;
  bool SamePlace(const HistoryEntry& other) const { return node == other.node && pageKey == other.pageKey; }
};

class NavigationHistory {
 public:
  using NodePath = HistoryEntry::NodePath;

  // A place the user went to: it becomes the current entry, and what lay
  // ahead of the old one is dropped. Going to the current place again changes nothing.
  void Visit(HistoryEntry entry);
  void Visit(NodePath path) { Visit(HistoryEntry{std::move(path), {}, {}, 0}); }
  // The entry before (after) the current one, which becomes current; nothing
  // at the start (end).
  std::optional<HistoryEntry> Back();
  std::optional<HistoryEntry> Forward();
  bool CanGoBack() const { return current_ > 0; }
  bool CanGoForward() const { return current_ + 1 < entries_.size(); }
  // Where the current entry's page is scrolled to now.
  void SetScroll(int scroll);
  const HistoryEntry* Current() const { return entries_.empty() ? nullptr : &entries_[current_]; }

  void Clear();
  // Drops the entries whose node no longer exists, and runs of the same place
  // that leaves; the current entry stays current when it exists, else the
  // nearest earlier one that does.
  void Retain(const std::function<bool(const NodePath&)>& exists);

  size_t Size() const { return entries_.size(); }

 private:
  static constexpr size_t kMostEntries = 200;
  std::vector<HistoryEntry> entries_;
  size_t current_ = 0;  // meaningful when entries_ is not empty
};

}  // namespace ec
