#include "app/search/search_results_model.h"

#include <QFont>

#include <algorithm>

#include "support/utf8_path.h"

namespace ec {

SearchResultsModel::SearchResultsModel(QObject* parent) : QAbstractItemModel(parent) {}

void SearchResultsModel::Clear() {
  beginResetModel();
  modules_.clear();
  staged_.clear();
  records_.clear();
  shown_ = 0;
  lines_ = 0;
  full_ = false;
  notShown_ = 0;
  endResetModel();
}

// The module's groups as far as the cap allows; the category that crosses
// it is cut and the later ones dropped. Each hit costs one line, and one
// more for what matched beneath it; a bare class counts one hit.
// Once a hit does not fit, no later one is shown, though it might.
std::vector<SearchResultsModel::Group> SearchResultsModel::TakeWithinCap(std::vector<SearchHitGroup>& found) {
  std::vector<Group> groups;
  const auto lineCost = [](const SearchHitGroup& g, size_t i) -> size_t {
    const bool detail = g.bareClass ? !g.classDetail.empty() : i < g.details.size() && !g.details[i].empty();
    return detail ? 2 : 1;
  };
  for (auto hit = found.begin(); hit != found.end(); ++hit) {
    const size_t hits = hit->bareClass ? 1 : hit->names.size();
    size_t taken = 0;
    for (; taken < hits && !full_; ++taken) {
      full_ = lines_ + lineCost(*hit, taken) > cap_;
      if (full_) break;
      lines_ += lineCost(*hit, taken);
    }
    notShown_ += hits - taken;
    if (taken == 0) continue;
    shown_ += taken;
    Group group{.text = hit->Text(), .label = hit->label, .image = hit->image, .childImage = hit->childImage};
    hit->names.resize(std::min(hit->names.size(), taken));
    if (hit->details.size() > hit->names.size()) hit->details.resize(hit->names.size());
    group.names = std::move(hit->names);
    group.details = std::move(hit->details);
    group.classDetail = std::move(hit->classDetail);
    groups.push_back(std::move(group));
  }
  return groups;
}

void SearchResultsModel::Stage(const std::string& modulePath, int position, ModuleSearchResult result) {
  if (result.hitCount <= 0) return;
  std::vector<Group> groups = TakeWithinCap(result.groups);
  if (groups.empty()) return;
  staged_.push_back({Utf8FromPath(PathFromUtf8(modulePath).stem()), position, std::move(groups), 0});
}

void SearchResultsModel::AddRecords(Module& module, uint32_t moduleIndex) {
  module.record = static_cast<uint32_t>(records_.size());
  records_.push_back({moduleIndex, 0, 0, 0});
  for (uint32_t g = 0; g < module.groups.size(); ++g) {
    Group& group = module.groups[g];
    group.record = static_cast<uint32_t>(records_.size());
    records_.push_back({moduleIndex, g, 0, 1});
    group.hitRecords.assign(group.details.size(), 0);
    for (uint32_t h = 0; h < group.details.size(); ++h) {
      if (group.details[h].empty()) continue;
      group.hitRecords[h] = static_cast<uint32_t>(records_.size());
      records_.push_back({moduleIndex, g, h, 2});
    }
  }
}

std::pair<int, int> SearchResultsModel::Flush() {
  const int first = static_cast<int>(modules_.size());
  if (staged_.empty()) return {first, first};
  const int last = first + static_cast<int>(staged_.size());
  beginInsertRows({}, first, last - 1);
  for (Module& module : staged_) {
    AddRecords(module, static_cast<uint32_t>(modules_.size()));
    modules_.push_back(std::move(module));
  }
  staged_.clear();
  endInsertRows();
  return {first, last};
}

SearchResultsModel::Place SearchResultsModel::PlaceOf(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != this) return {};
  const auto row = static_cast<size_t>(index.row());
  if (index.internalId() == 0) return {0, row, 0, 0};
  if (index.internalId() > records_.size()) return {};
  const Record& r = records_[index.internalId() - 1];
  switch (r.level) {
    case 0:
      return {1, r.module, row, 0};
    case 1:
      return {2, r.module, r.group, row};
    default:
      return {3, r.module, r.group, r.hit};
  }
}

int64_t SearchResultsModel::RecordOf(const Place& place) const {
  if (place.level < 0 || place.module >= modules_.size()) return -1;
  const Module& module = modules_[place.module];
  if (place.level == 0) return module.record;
  if (place.group >= module.groups.size()) return -1;
  const Group& group = module.groups[place.group];
  if (place.level == 1) return group.record;
  if (place.level == 2 && place.hit < group.details.size() && !group.details[place.hit].empty())
    return group.hitRecords[place.hit];
  return -1;
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return static_cast<int>(modules_.size());
  const Place place = PlaceOf(parent);
  if (RecordOf(place) < 0) return 0;
  const Module& module = modules_[place.module];
  if (place.level == 0) return static_cast<int>(module.groups.size());
  const Group& group = module.groups[place.group];
  if (place.level == 1) return static_cast<int>(group.names.size()) + (group.classDetail.empty() ? 0 : 1);
  return 1;  // a hit with what matched under it
}

int SearchResultsModel::columnCount(const QModelIndex&) const { return 1; }

QModelIndex SearchResultsModel::index(int row, int column, const QModelIndex& parent) const {
  if (row < 0 || column != 0 || row >= rowCount(parent)) return {};
  if (!parent.isValid()) return createIndex(row, 0, quintptr{0});
  return createIndex(row, 0, static_cast<quintptr>(RecordOf(PlaceOf(parent)) + 1));
}

QModelIndex SearchResultsModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == 0 || child.internalId() > records_.size()) return {};
  const Record& r = records_[child.internalId() - 1];
  switch (r.level) {
    case 0:
      return createIndex(static_cast<int>(r.module), 0, quintptr{0});
    case 1:
      return createIndex(static_cast<int>(r.group), 0, static_cast<quintptr>(modules_[r.module].record + 1));
    default:
      return createIndex(static_cast<int>(r.hit), 0,
                         static_cast<quintptr>(modules_[r.module].groups[r.group].record + 1));
  }
}

std::string SearchResultsModel::TextOf(const Place& place) const {
  const Module& module = modules_[place.module];
  if (place.level == 0) return module.name;
  const Group& group = module.groups[place.group];
  if (place.level == 1) return group.text;
  if (place.level == 3) return group.details[place.hit];
  return place.hit < group.names.size() ? group.names[place.hit] : group.classDetail;
}

NodeKind SearchResultsModel::ImageOf(const Place& place) const {
  if (place.level == 0) return kKindModule;
  const Group& group = modules_[place.module].groups[place.group];
  if (place.level == 1 || (place.level == 2 && place.hit >= group.names.size())) return group.image;
  return group.childImage;
}

QIcon SearchResultsModel::IconOf(NodeKind kind) const {
  const auto at = static_cast<size_t>(kind);
  return at < icons_.size() ? icons_[at] : QIcon();
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
  const Place place = PlaceOf(index);
  if (place.level < 0) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(TextOf(place));
    case Qt::DecorationRole:
      return IconOf(ImageOf(place));
    case kResultImageRole:
      return static_cast<int>(ImageOf(place));
    case Qt::FontRole: {
      if (place.level != 0) return {};
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    default:
      return {};
  }
}

SearchHitTarget SearchResultsModel::TargetOf(const QModelIndex& index) const {
  const Place place = PlaceOf(index);
  if (place.level < 0) return {};
  const Module& module = modules_[place.module];
  SearchHitTarget target{module.position, {}};
  if (place.level == 0) return target;
  const Group& group = module.groups[place.group];
  // What matched in a remark finds its declaration; a category or class its label.
  if (place.level == 1 || place.hit >= group.names.size()) {
    target.name = group.label;
  } else {
    target.name = group.names[place.hit];
  }
  return target;
}

std::vector<QModelIndex> SearchResultsModel::OpenedNodes(int first, int last) const {
  std::vector<QModelIndex> nodes;
  for (int m = std::max(first, 0); m < last && m < static_cast<int>(modules_.size()); ++m) {
    const QModelIndex module = index(m, 0);
    nodes.push_back(module);
    const std::vector<Group>& groups = modules_[static_cast<size_t>(m)].groups;
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
      const QModelIndex group = index(g, 0, module);
      nodes.push_back(group);
      const std::vector<std::string>& details = groups[static_cast<size_t>(g)].details;
      for (int h = 0; h < static_cast<int>(details.size()); ++h)
        if (!details[static_cast<size_t>(h)].empty()) nodes.push_back(index(h, 0, group));
    }
  }
  return nodes;
}

}  // namespace ec
