#pragma once
// A main window over a settings folder of its own and a fake file
// association, with the feedback waits cut short.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <filesystem>
#include <memory>
#include <string>

#include "app/copy_buttons.h"
#include "app/main_window.h"
#include "app/module_loader.h"
#include "app/module_opener.h"
#include "app/selection_presenter.h"
#include "app/viewer_application.h"
#include "platform/file_association.h"
#include "tests/support/temp_dir.h"

namespace ec::test {

struct AssociationCalls {
  int registered = 0;
  int removed = 0;
};

class FakeAssociation : public FileAssociation {
 public:
  explicit FakeAssociation(AssociationCalls& calls) : calls_(calls) {}
  AssociationOutcome Register(const std::filesystem::path&) override {
    ++calls_.registered;
    return {};
  }
  AssociationOutcome Remove(const std::filesystem::path&) override {
    ++calls_.removed;
    return {};
  }

 private:
  AssociationCalls& calls_;
};

inline std::string SampleModule() { return EC_SOURCE_DIR "/examples/sample.ec"; }

class WindowTest : public testing::Test {
 protected:
  void SetUp() override { Start(); }

  // A fresh start of the viewer on the same settings folder.
  void Start(const std::string& commandLinePath = "") {
    viewer_.reset();
    viewer_ = std::make_unique<ViewerApplication>(settings_.path(), std::make_unique<FakeAssociation>(calls_),
                                                  commandLinePath);
    Window().SetFeedbackMilliseconds(0);
  }
  // Closing the window saves its controls; the viewer then ends.
  void Stop() {
    Window().close();
    viewer_.reset();
  }

  MainWindow& Window() { return viewer_->Window(); }

  template <typename W>
  W* Control(const char* name) {
    W* control = Window().findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // A copy of a module in a folder of the test's own.
  std::string CopyOf(const std::string& source, const std::string& name) {
    const std::string path = files_.File(name);
    std::filesystem::copy_file(source, path, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    return path;
  }

  static std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }
  static void SetClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  }

  TempDir settings_;
  TempDir files_;
  AssociationCalls calls_;
  std::unique_ptr<ViewerApplication> viewer_;
};

// The window shown and active, as on a desktop, for tests that send keys.
class ShownWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Window().show();
    QApplication::setActiveWindow(&Window());
    Window().OnFirstActivation();
  }
};

}  // namespace ec::test
