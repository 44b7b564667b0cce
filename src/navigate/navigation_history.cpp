#include "navigate/navigation_history.h"

namespace ec {

void NavigationHistory::Visit(HistoryEntry entry) {
  if (!entries_.empty() && entries_[current_].SamePlace(entry)) return;
  if (!entries_.empty()) entries_.resize(current_ + 1);
  entries_.push_back(std::move(entry));
  if (entries_.size() > kMostEntries) entries_.erase(entries_.begin());
  current_ = entries_.size() - 1;
}

std::optional<HistoryEntry> NavigationHistory::Back() {
  if (!CanGoBack()) return std::nullopt;
  return entries_[--current_];
}

std::optional<HistoryEntry> NavigationHistory::Forward() {
  if (!CanGoForward()) return std::nullopt;
  return entries_[++current_];
}

void NavigationHistory::SetScroll(int scroll) {
  if (!entries_.empty()) entries_[current_].scroll = scroll;
}

void NavigationHistory::Clear() {
  entries_.clear();
  current_ = 0;
}

void NavigationHistory::Retain(const std::function<bool(const NodePath&)>& exists) {
  std::vector<HistoryEntry> kept;
  size_t current = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (exists(entries_[i].node) && (kept.empty() || !kept.back().SamePlace(entries_[i])))
      kept.push_back(std::move(entries_[i]));
    if (i == current_ && !kept.empty()) current = kept.size() - 1;
  }
  entries_ = std::move(kept);
  current_ = current;
}

}  // namespace ec
