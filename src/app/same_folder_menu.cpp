#include "app/same_folder_menu.h"

#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPoint>
#include <QScreen>
#include <QVBoxLayout>

#include <filesystem>

#include "platform/path_text.h"
#include "search/module_files.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;  // index into the entries, -1 for the "no modules" line
constexpr int kRowsShown = 24;

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

QListWidgetItem* MakeItem(const ModuleListEntry& entry, int index) {
  QString text = QString::fromStdString(entry.fileName);
  if (entry.program) text += QString::fromUtf8(kProgramMark);
  auto* item = new QListWidgetItem(text);
  item->setData(kPathRole, QString::fromStdString(entry.path));
  item->setData(kEntryRole, index);
  if (entry.recent)
    item->setToolTip(QString::fromStdString(entry.missing ? entry.path + "（文件已不存在）" : entry.path));
  if (entry.missing) item->setForeground(QApplication::palette().color(QPalette::Disabled, QPalette::Text));
  return item;
}

}  // namespace

SameFolderMenu::SameFolderMenu(QObject* parent)
    : QObject(parent), popup_(new QFrame(nullptr, Qt::Popup)), filter_(new QLineEdit), list_(new QListWidget) {
  popup_->setObjectName(QStringLiteral("模块列表"));
  popup_->setWindowTitle(QStringLiteral("模块列表"));
  popup_->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(popup_);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  filter_->setPlaceholderText(QStringLiteral("输入文字筛选模块（↑↓ 选择，回车打开）"));
  filter_->setClearButtonEnabled(true);
  list_->setUniformItemSizes(true);  // laid out without measuring every row
  list_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(filter_);
  layout->addWidget(list_);
  connect(filter_, &QLineEdit::textChanged, this, &SameFolderMenu::ApplyFilter);
  connect(list_, &QListWidget::itemClicked, this, &SameFolderMenu::Choose);
  filter_->installEventFilter(this);
}

SameFolderMenu::~SameFolderMenu() { delete popup_; }

QFrame* SameFolderMenu::Build(const std::string& modulePathText) {
  folder_ = FolderPart(modulePathText);
  std::vector<std::string> files;
  ListModuleFiles(folder_, "*.ec|*.e", files);
  const bool none = files.empty();
  entries_ = ModuleListEntries(recent_, std::move(files), Exists);
  list_->clear();
  for (size_t i = 0; i < entries_.size(); ++i) list_->addItem(MakeItem(entries_[i], static_cast<int>(i)));
  if (none) {
    auto* item = new QListWidgetItem(QString::fromStdString(NoModulesText(folder_)));
    item->setData(kEntryRole, -1);
    item->setFlags(Qt::NoItemFlags);  // greyed, and nothing to choose
    list_->addItem(item);
  }
  filter_->blockSignals(true);
  filter_->clear();
  filter_->blockSignals(false);
  ApplyFilter({});
  return popup_;
}

QStringList SameFolderMenu::VisibleTexts() const {
  QStringList texts;
  for (int row = 0; row < list_->count(); ++row)
    if (!list_->item(row)->isHidden()) texts.append(list_->item(row)->text());
  return texts;
}

void SameFolderMenu::ApplyFilter(const QString& text) {
  const std::string filter = text.trimmed().toStdString();
  QListWidgetItem* first = nullptr;
  for (int row = 0; row < list_->count(); ++row) {
    QListWidgetItem* item = list_->item(row);
    const int index = item->data(kEntryRole).toInt();
    const bool shown = index >= 0 ? EntryMatchesFilter(entries_[index], filter) : filter.empty();
    item->setHidden(!shown);
    if (shown && first == nullptr && (item->flags() & Qt::ItemIsEnabled)) first = item;
  }
  list_->setCurrentItem(first);
  if (first != nullptr) list_->scrollToItem(first);
}

void SameFolderMenu::Show(const std::string& modulePathText, const QPoint& globalPos) {
  Build(modulePathText);
  const int rowHeight = list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : 20;
  const int rows = std::min(kRowsShown, std::max(list_->count(), 4));
  QSize size(kSameFolderPopupWidth, filter_->sizeHint().height() + rows * rowHeight + 12);
  QPoint at = globalPos;
  // Kept on the screen: a list that runs off an edge hides modules.
  const QScreen* screen = QGuiApplication::screenAt(globalPos);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect room = screen->availableGeometry();
    size = size.boundedTo(room.size());
    at.setX(std::clamp(at.x(), room.left(), room.right() - size.width() + 1));
    at.setY(std::clamp(at.y(), room.top(), room.bottom() - size.height() + 1));
  }
  popup_->setGeometry(QRect(at, size));
  popup_->show();
  filter_->setFocus(Qt::PopupFocusReason);
}

void SameFolderMenu::ChooseCurrent() { Choose(list_->currentItem()); }

void SameFolderMenu::Choose(QListWidgetItem* item) {
  if (item == nullptr || item->isHidden()) return;
  const int index = item->data(kEntryRole).toInt();
  if (index < 0) return;  // the "no modules" line
  const QString path = item->data(kPathRole).toString();
  popup_->hide();
  if (entries_[index].missing) {
    emit MissingRecentChosen(path);
  } else {
    emit ModuleChosen(path);
  }
}

// The keys that move in the list reach it from the filter box, where the focus stays.
bool SameFolderMenu::ForwardToList(int key) {
  int row = list_->currentRow();
  const int page = std::max(1, list_->viewport()->height() / std::max(1, list_->sizeHintForRow(0)));
  const int step = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : key == Qt::Key_PageUp ? -page : page;
  const int direction = step < 0 ? -1 : 1;
  int target = -1;
  for (int moved = 0, r = row + direction; r >= 0 && r < list_->count(); r += direction) {
    QListWidgetItem* item = list_->item(r);
    if (item->isHidden() || !(item->flags() & Qt::ItemIsEnabled)) continue;
    target = r;
    if (++moved == std::abs(step)) break;
  }
  if (target >= 0) list_->setCurrentRow(target);
  return true;
}

bool SameFolderMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched != filter_ || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return ForwardToList(key);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ChooseCurrent();
      return true;
    case Qt::Key_Escape:
      popup_->hide();
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace ec
