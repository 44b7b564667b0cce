#include "navigate/navigation_history.h"

namespace ec {

void NavigationHistory::Visit(NodePath path) {
  if (!entries_.empty() && entries_[current_] == path) return;
  if (!entries_.empty()) entries_.resize(current_ + 1);
  entries_.push_back(std::move(path));
  if (entries_.size() > kMostEntries) entries_.erase(entries_.begin());
  current_ = entries_.size() - 1;
}

std::optional<NavigationHistory::NodePath> NavigationHistory::Back() {
  if (!CanGoBack()) return std::nullopt;
  return entries_[--current_];
}

std::optional<NavigationHistory::NodePath> NavigationHistory::Forward() {
  if (!CanGoForward()) return std::nullopt;
  return entries_[++current_];
}

void NavigationHistory::Clear() {
  entries_.clear();
  current_ = 0;
}

void NavigationHistory::Retain(const std::function<bool(const NodePath&)>& exists) {
  std::vector<NodePath> kept;
  size_t current = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (exists(entries_[i]) && (kept.empty() || kept.back() != entries_[i])) kept.push_back(std::move(entries_[i]));
    if (i == current_ && !kept.empty()) current = kept.size() - 1;
  }
  entries_ = std::move(kept);
  current_ = current;
}

}  // namespace ec
