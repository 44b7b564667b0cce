#include "app/screenshot_command.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>

#include "app/main_window.h"
#include "app/module_comparer.h"
#include "app/module_loader.h"
#include "app/node_icons.h"
#include "app/page_links.h"
#include "app/page_view.h"
#include "app/page_zoom.h"
#include "app/search/module_search_window.h"
#include "app/settings_location.h"
#include "app/wait_processing_messages.h"
#include "declarations/type_targets.h"
#include "dirtree/dir_tree_panel.h"
#include "dirtree/dir_tree_services.h"
#include "platform/file_association.h"
#include "settings/control_state_store.h"

namespace ec {
namespace {

// A picture must not register file types or touch the user's settings.
class NoFileAssociation : public FileAssociation {
 public:
  AssociationOutcome Register(const std::filesystem::path&) override { return {}; }
  AssociationOutcome Remove(const std::filesystem::path&) override { return {}; }
};

void UseCjkFont() {
  for (const char* family : {"WenQuanYi Zen Hei", "Noto Sans CJK SC"}) {
    if (QFontDatabase::hasFamily(QString::fromUtf8(family))) {
      QFont font(QString::fromUtf8(family));
      font.setPixelSize(13);
      QApplication::setFont(font);
      return;
    }
  }
}

class SilentPrompter : public Prompter {
 public:
  bool Confirm(const std::string&) override { return false; }
  void Inform(const std::string&) override {}
};

bool SavePicture(QWidget& widget, const std::string& output) {
  ProcessPendingEvents();
  if (widget.grab().save(QString::fromStdString(output), "PNG")) return true;
  std::fprintf(stderr, "ecview: cannot write %s\n", output.c_str());
  return false;
}

// The platform's folders and drives, but settings kept in memory and no
// message boxes: a picture must leave the user's settings alone.
int RunDirTreeScreenshot(const ScreenshotRequest& request) {
  PlatformDirTreeServices platform({});
  SilentPrompter prompter;
  DirTreeServices services = platform.Services();
  services.prompter = &prompter;
  DirTreePanel panel(services);
  panel.show();
  if (!panel.LocatePath(request.dirtreePath)) {
    std::fprintf(stderr, "ecview: cannot locate %s\n", request.dirtreePath.c_str());
    return 1;
  }
  return SavePicture(panel, request.output) ? 0 : 1;
}

// The search window over the platform's folders, settings in memory: the
// panel located on the folder, the run finished, the final title shown.
int RunSearchScreenshot(const ScreenshotRequest& request) {
  PlatformDirTreeServices platform({});
  SilentPrompter prompter;
  DirTreeServices services = platform.Services();
  services.prompter = &prompter;
  ControlStateStore store;
  ModuleSearchWindow window(store, services, NodeIcons(), {});
  window.show();
  if (!window.Panel().LocatePath(request.searchFolder)) {
    std::fprintf(stderr, "ecview: cannot locate %s\n", request.searchFolder.c_str());
    return 1;
  }
  window.findChild<QLineEdit*>(QStringLiteral("编辑框查找字符"))->setText(QString::fromStdString(request.searchText));
  window.OnStartClicked();
  while (window.IsSearching()) WaitProcessingMessages(10);
  return SavePicture(window, request.output) ? 0 : 1;
}

}  // namespace

int RunScreenshot(const ScreenshotRequest& request) {
  UseCjkFont();
  if (!request.dirtreePath.empty()) return RunDirTreeScreenshot(request);
  if (!request.searchFolder.empty()) return RunSearchScreenshot(request);
  ControlStateStore store;  // never bound: kept in memory
  NoFileAssociation association;
  MainWindow window(store, association, request.module);
  window.SetFeedbackMilliseconds(0);
  window.show();
  window.OnFirstActivation();
  if (window.Loader().CurrentPath().empty()) {
    std::fprintf(stderr, "ecview: cannot show %s\n", request.module.c_str());
    return 1;
  }
  if (!request.findText.empty()) {
    window.findChild<QLineEdit*>(QStringLiteral("编辑框查找文本"))->setText(QString::fromStdString(request.findText));
    window.findChild<QComboBox*>(QStringLiteral("组合框匹配"))->setCurrentIndex(0);
    window.FindNext();
  }
  if (!request.compareWith.empty()) {
    window.Comparer().CompareWith(request.compareWith);
    while (window.Comparer().IsComparing()) WaitProcessingMessages(10);
  }
  if (!request.usesOf.empty()) {
    const auto target = TypeTargets(window.Loader().Model()).Find(request.usesOf);
    if (!target) {
      std::fprintf(stderr, "ecview: %s names no data type or class of the module\n", request.usesOf.c_str());
      return 1;
    }
    window.Links().ShowUses(*target);
  }
  if (request.zoomPercent > 0) window.Zoom().SetPercent(request.zoomPercent);
  if (request.atEnd) window.Page()->ScrollToEnd();
  // The scroll bar shows the page's real height once every block is measured.
  while (!window.Page()->IsMeasured()) WaitProcessingMessages(10);
  return SavePicture(window, request.output) ? 0 : 1;
}

}  // namespace ec
