#include "app/control_states.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "app/wait_processing_messages.h"
#include "settings/control_state_store.h"

namespace ec {

namespace {

// One control's entries: its name is the key, or the key's stem.
struct Entry {
  ControlStateStore& store;
  std::string name;
  bool byteMode;

  std::string Key(std::string_view suffix) const { return name + std::string(suffix); }
};

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// A text that honours byte mode: kept in a side file instead of the INI.
void SaveString(const Entry& e, const std::string& key, const std::string& value) {
  if (e.byteMode) e.store.WriteBytes(key, value);
  else e.store.WriteText(key, value);
}

std::string RestoreString(const Entry& e, const std::string& key, const std::string& current) {
  return e.byteMode ? e.store.ReadBytes(key, current) : e.store.ReadText(key, current);
}

// Stored numbers may be anything the file holds; only whole numbers within
// [-1, limit) are usable as a row.
std::optional<int> ToRow(double value, int limit) {
  if (!std::isfinite(value) || value != std::trunc(value) || value < -1 || value >= limit) return std::nullopt;
  return static_cast<int>(value);
}

// Item lists as bytes: a marker line, then every item in UTF-8 followed by a
// zero byte. The marker keeps an empty list from reading as "no value" and
// lets unknown bytes be recognised and ignored.
constexpr std::string_view kItemsMarker = "items\n";

std::string EncodeItems(const QStringList& items) {
  std::string bytes(kItemsMarker);
  for (const QString& item : items) {
    bytes += item.toStdString();
    bytes += '\0';
  }
  return bytes;
}

std::optional<QStringList> DecodeItems(std::string_view bytes) {
  if (!bytes.starts_with(kItemsMarker)) return std::nullopt;
  bytes.remove_prefix(kItemsMarker.size());
  QStringList items;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\0');
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    items.append(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(end)));
    bytes.remove_prefix(end + 1);
  }
  return items;
}

std::string FormatRows(const std::vector<int>& rows) {
  std::string text;
  for (int row : rows) {
    if (!text.empty()) text += ',';
    text += std::to_string(row);
  }
  return text;
}

// Rows that are no number are skipped; so are rows the caller cannot use.
std::vector<int> ParseRows(std::string_view text) {
  std::vector<int> rows;
  while (!text.empty()) {
    const size_t comma = text.find(',');
    const std::string_view part = text.substr(0, comma);
    int row = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), row);
    if (error == std::errc{} && end == part.data() + part.size()) rows.push_back(row);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return rows;
}

QStringList ListItems(const QListWidget* list) {
  QStringList items;
  for (int row = 0; row < list->count(); ++row) items.append(list->item(row)->text());
  return items;
}

void ReplaceItems(QListWidget* list, const QStringList& items, bool checkable) {
  list->clear();
  list->addItems(items);
  if (!checkable) return;
  for (int row = 0; row < list->count(); ++row) {
    QListWidgetItem* item = list->item(row);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

std::vector<int> RowsWhere(const QListWidget* list, bool (*test)(const QListWidgetItem*)) {
  std::vector<int> rows;
  for (int row = 0; row < list->count(); ++row) {
    if (test(list->item(row))) rows.push_back(row);
  }
  return rows;
}

bool IsSelected(const QListWidgetItem* item) { return item->isSelected(); }
bool IsChecked(const QListWidgetItem* item) { return item->checkState() == Qt::Checked; }

// Buttons keep their tag.
void SaveButton(QWidget* w, const Entry& e) {
  if (qobject_cast<QAbstractButton*>(w) == nullptr) return;
  SaveString(e, e.Key(".标记"), w->property(kTagProperty).toString().toStdString());
}

void RestoreButton(QWidget* w, const Entry& e) {
  if (qobject_cast<QAbstractButton*>(w) == nullptr) return;
  const std::string current = w->property(kTagProperty).toString().toStdString();
  w->setProperty(kTagProperty, FromUtf8(RestoreString(e, e.Key(".标记"), current)));
}

// Multi-line edits hold "\n"; the store keeps line breaks as "\r\n" pairs.
std::optional<std::string> EditText(QWidget* w) {
  if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text().toStdString();
  QString text;
  if (auto* rich = qobject_cast<QTextEdit*>(w)) text = rich->toPlainText();
  else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) text = plain->toPlainText();
  else return std::nullopt;
  return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

void SetEditText(QWidget* w, const std::string& stored) {
  if (auto* line = qobject_cast<QLineEdit*>(w)) {
    line->setText(FromUtf8(stored));
    return;
  }
  const QString text = FromUtf8(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (auto* rich = qobject_cast<QTextEdit*>(w)) rich->setPlainText(text);
  else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) plain->setPlainText(text);
}

void SaveEdit(QWidget* w, const Entry& e) {
  if (const auto text = EditText(w)) SaveString(e, e.name, *text);
}

void RestoreEdit(QWidget* w, const Entry& e) {
  if (const auto text = EditText(w)) SetEditText(w, RestoreString(e, e.name, *text));
}

template <typename Box>
void SaveChecked(QWidget* w, const Entry& e) {
  if (auto* box = qobject_cast<Box*>(w)) e.store.WriteLogical(e.name, box->isChecked());
}

template <typename Box>
void RestoreChecked(QWidget* w, const Entry& e) {
  if (auto* box = qobject_cast<Box*>(w)) box->setChecked(e.store.ReadLogical(e.name, box->isChecked()));
}

QStringList ComboItems(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
  return items;
}

void SaveCombo(QWidget* w, const Entry& e) {
  auto* combo = qobject_cast<QComboBox*>(w);
  if (combo == nullptr) return;
  e.store.WriteNumber(e.name, combo->currentIndex());
  e.store.WriteBytes(e.Key(".列表"), EncodeItems(ComboItems(combo)));
  e.store.WriteText(e.Key(".内容"), combo->currentText().toStdString());
}

// The index comes first; replacing the items afterwards would lose it, so
// the restored index is set again once the items are in.
void RestoreCombo(QWidget* w, const Entry& e) {
  auto* combo = qobject_cast<QComboBox*>(w);
  if (combo == nullptr) return;
  const double stored = e.store.ReadNumber(e.name, combo->currentIndex());
  if (const auto index = ToRow(stored, combo->count())) combo->setCurrentIndex(*index);
  const QStringList current = ComboItems(combo);
  const auto items = DecodeItems(e.store.ReadBytes(e.Key(".列表"), EncodeItems(current)));
  if (items && *items != current) {
    combo->clear();
    combo->addItems(*items);
    if (const auto index = ToRow(stored, combo->count())) combo->setCurrentIndex(*index);
  }
  const std::string text = e.store.ReadText(e.Key(".内容"), combo->currentText().toStdString());
  if (combo->isEditable()) combo->setEditText(FromUtf8(text));
}

void RestoreItems(QListWidget* list, const Entry& e, bool checkable) {
  const auto items = DecodeItems(e.store.ReadBytes(e.name, EncodeItems(ListItems(list))));
  if (items) ReplaceItems(list, *items, checkable);
}

void SaveList(QWidget* w, const Entry& e) {
  auto* list = qobject_cast<QListWidget*>(w);
  if (list == nullptr) return;
  e.store.WriteBytes(e.name, EncodeItems(ListItems(list)));
  e.store.WriteText(e.Key(".选中"), FormatRows(RowsWhere(list, IsSelected)));
}

void RestoreList(QWidget* w, const Entry& e) {
  auto* list = qobject_cast<QListWidget*>(w);
  if (list == nullptr) return;
  RestoreItems(list, e, false);
  const std::string selected = e.store.ReadText(e.Key(".选中"), FormatRows(RowsWhere(list, IsSelected)));
  for (int row : ParseRows(selected)) {
    if (QListWidgetItem* item = list->item(row)) item->setSelected(true);
  }
}

void SaveCheckList(QWidget* w, const Entry& e) {
  auto* list = qobject_cast<QListWidget*>(w);
  if (list == nullptr) return;
  e.store.WriteBytes(e.name, EncodeItems(ListItems(list)));
  e.store.WriteNumber(e.Key(".选中"), list->currentRow());
  e.store.WriteText(e.Key(".打勾"), FormatRows(RowsWhere(list, IsChecked)));
}

void RestoreCheckList(QWidget* w, const Entry& e) {
  auto* list = qobject_cast<QListWidget*>(w);
  if (list == nullptr) return;
  RestoreItems(list, e, true);
  if (const auto row = ToRow(e.store.ReadNumber(e.Key(".选中"), list->currentRow()), list->count())) {
    list->setCurrentRow(*row);
  }
  const std::string checked = e.store.ReadText(e.Key(".打勾"), FormatRows(RowsWhere(list, IsChecked)));
  for (int row : ParseRows(checked)) {
    if (QListWidgetItem* item = list->item(row)) item->setCheckState(Qt::Checked);
  }
}

// Colours are kept as the number 0x00BBGGRR.
std::optional<QColor> ColorOf(const QWidget* w) {
  const QVariant value = w->property(kColorProperty);
  if (value.metaType() != QMetaType::fromType<QColor>()) return std::nullopt;
  return value.value<QColor>();
}

double ColorNumber(const QColor& color) {
  return static_cast<double>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

void SaveColor(QWidget* w, const Entry& e) {
  if (const auto color = ColorOf(w)) e.store.WriteNumber(e.name, ColorNumber(*color));
}

void RestoreColor(QWidget* w, const Entry& e) {
  const auto color = ColorOf(w);
  if (!color) return;
  const double number = e.store.ReadNumber(e.name, ColorNumber(*color));
  if (!std::isfinite(number) || number != std::trunc(number) || number < 0 || number > 0xFFFFFF) return;
  const int bgr = static_cast<int>(number);
  w->setProperty(kColorProperty, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
}

struct ControlKind {
  std::string_view word;
  void (*save)(QWidget*, const Entry&);
  void (*restore)(QWidget*, const Entry&);
};

constexpr ControlKind kKinds[] = {
    {"按钮", SaveButton, RestoreButton},
    {"编辑框", SaveEdit, RestoreEdit},
    {"选择框", SaveChecked<QCheckBox>, RestoreChecked<QCheckBox>},
    {"单选框", SaveChecked<QRadioButton>, RestoreChecked<QRadioButton>},
    {"组合框", SaveCombo, RestoreCombo},
    {"列表框", SaveList, RestoreList},
    {"选择列表框", SaveCheckList, RestoreCheckList},
    {"颜色选择器", SaveColor, RestoreColor},
};

const ControlKind* KindOf(const std::string& name) {
  for (const ControlKind& kind : kKinds) {
    if (std::string_view(name).starts_with(kind.word)) return &kind;
  }
  return nullptr;
}

enum class Direction { kSave, kRestore };

void ForEachControl(QWidget* window, ControlStateStore& store, const std::string& section, Direction direction) {
  if (window == nullptr) return;
  if (!section.empty()) store.SetSection(section);
  // Handlers run while events are processed and may delete controls, or the
  // whole window; guarded pointers notice.
  std::vector<QPointer<QWidget>> controls;
  for (QWidget* child : window->findChildren<QWidget*>()) controls.emplace_back(child);
  for (const QPointer<QWidget>& control : controls) {
    ProcessPendingEvents();
    if (control.isNull()) continue;
    const std::string name = control->objectName().toStdString();
    const ControlKind* kind = KindOf(name);
    if (kind == nullptr) continue;
    const QString tag = control->property(kTagProperty).toString();
    if (tag.toStdString() == kTagNoSave) continue;
    const Entry entry{store, name, tag.toStdString() == kTagByteMode};
    (direction == Direction::kSave ? kind->save : kind->restore)(control.data(), entry);
  }
}

}  // namespace

void SaveControls(QWidget* window, ControlStateStore& store, const std::string& section) {
  ForEachControl(window, store, section, Direction::kSave);
}

void RestoreControls(QWidget* window, ControlStateStore& store, const std::string& section) {
  ForEachControl(window, store, section, Direction::kRestore);
}

}  // namespace ec
