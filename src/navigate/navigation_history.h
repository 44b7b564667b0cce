#pragma once
// Back and forward over the nodes the user selected, as a browser keeps them.
// Nodes are kept by their path of texts from the root, so a module read again
// (F5, or changed on disk) keeps its history where the nodes still exist.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ec {

class NavigationHistory {
 public:
  using NodePath = std::vector<std::string>;

  // A node the user went to: it becomes the current entry, and what lay ahead
  // of the old one is dropped. Going to the current node again changes nothing.
  void Visit(NodePath path);
  // The entry before (after) the current one, which becomes current; nothing
  // at the start (end).
  std::optional<NodePath> Back();
  std::optional<NodePath> Forward();
  bool CanGoBack() const { return current_ > 0; }
  bool CanGoForward() const { return current_ + 1 < entries_.size(); }

  void Clear();
  // Drops the entries whose node no longer exists, and runs of the same node
  // that leaves; the current entry stays current when it exists, else the
  // nearest earlier one that does.
  void Retain(const std::function<bool(const NodePath&)>& exists);

  size_t Size() const { return entries_.size(); }

 private:
  static constexpr size_t kMostEntries = 200;
  std::vector<NodePath> entries_;
  size_t current_ = 0;  // meaningful when entries_ is not empty
};

}  // namespace ec
