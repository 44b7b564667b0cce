#pragma once
// The results of the module search as an item model: one node per module
// with hits (its file name without the extension, bold), under it one node
// per category or class with its hits, and under a hit what matched when it
// was not the name. Modules arrive from the search workers one result at a
// time; they are kept aside and shown in one insertion when the window next
// flushes, so a run with a million hits costs the view a few dozen layouts
// instead of a million inserted items.
//
// Beyond a cap on the lines shown (a hit, and what matched beneath it),
// further hits are only counted: the view stays responsive and its memory
// bounded however much a search finds.

#include <QAbstractItemModel>
#include <QIcon>

#include <cstdint>
#include <string>
#include <vector>

#include "search/module_search.h"

namespace ec {

// The node kind (image index) of a node, as an int.
inline constexpr int kResultImageRole = Qt::UserRole + 1;
inline constexpr size_t kDefaultShownLines = 100'000;

// What a double click on a node asks for: the module (its 1-based place in
// the file list) and the name to find there ("" for the module node itself:
// the module is only opened).
struct SearchHitTarget {
  int position = 0;
  std::string name;
};

class SearchResultsModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  explicit SearchResultsModel(QObject* parent = nullptr);

  // Icons by node kind; nodes whose kind has no icon show none.
  void SetIcons(std::vector<QIcon> icons) { icons_ = std::move(icons); }
  // How many lines of hits are shown at most, counted from the next module staged.
  void SetShownLinesCap(size_t cap) { cap_ = cap; }
  size_t ShownLinesCap() const { return cap_; }
  void Clear();
  // Keeps the module's result for the next Flush; a module without hits
  // adds nothing. `position` is its 1-based place in the file list.
  void Stage(const std::string& modulePath, int position, ModuleSearchResult result);
  // Shows the staged modules at the end in one insertion. Answers the rows
  // of the new modules as [first, last), both equal when nothing was added.
  std::pair<int, int> Flush();
  bool HasStaged() const { return !staged_.empty(); }

  size_t HitsShown() const { return shown_; }
  size_t LinesShown() const { return lines_; }
  // Hits found beyond the cap, not shown.
  size_t HitsNotShown() const { return notShown_; }

  SearchHitTarget TargetOf(const QModelIndex& index) const;
  // The nodes below the modules of rows [first, last) that are shown opened:
  // the modules, their categories and the hits with something under them.
  std::vector<QModelIndex> OpenedNodes(int first, int last) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  struct Group {
    std::string text;  // "子程序(2)", with the count of all its hits, shown or not
    std::string label;
    NodeKind image = kKindModule;
    NodeKind childImage = kKindModule;
    std::vector<std::string> names;    // the hits shown
    std::vector<std::string> details;  // parallel to names, or empty
    std::string classDetail;
    uint32_t record = 0;
    std::vector<uint32_t> hitRecords;  // parallel to details: the record of a hit that has one
  };
  struct Module {
    std::string name;
    int position = 0;
    std::vector<Group> groups;
    uint32_t record = 0;
  };
  // A node that has children. An index's internal id is 1 + the record of
  // its parent (0 for a module), so any index leads back to its place.
  struct Record {
    uint32_t module = 0;
    uint32_t group = 0;
    uint32_t hit = 0;
    uint8_t level = 0;  // 0 module, 1 category or class, 2 hit
  };
  // Where an index is: its depth (0 module, 1 category, 2 hit or class
  // detail, 3 detail) and its module, group and hit.
  struct Place {
    int level = -1;
    size_t module = 0;
    size_t group = 0;
    size_t hit = 0;
  };

  Place PlaceOf(const QModelIndex& index) const;
  // The record of the node at `place`, or -1 when it has no children.
  int64_t RecordOf(const Place& place) const;
  std::vector<Group> TakeWithinCap(std::vector<SearchHitGroup>& found);
  void AddRecords(Module& module, uint32_t moduleIndex);
  QIcon IconOf(NodeKind kind) const;
  std::string TextOf(const Place& place) const;
  NodeKind ImageOf(const Place& place) const;

  std::vector<QIcon> icons_;
  size_t cap_ = kDefaultShownLines;
  size_t shown_ = 0;
  size_t lines_ = 0;   // hits shown and the lines beneath them
  bool full_ = false;  // a hit did not fit: none after it is shown
  size_t notShown_ = 0;
  std::vector<Module> modules_;
  std::vector<Module> staged_;
  std::vector<Record> records_;
};

}  // namespace ec
