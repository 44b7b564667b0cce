#pragma once
// What lives for the whole run of the viewer: the settings store, the file
// association service and the main window.

#include <filesystem>
#include <memory>
#include <string>

#include "settings/control_state_store.h"

namespace ec {

class FileAssociation;
class MainWindow;
class PlatformDirTreeServices;

class ViewerApplication {
 public:
  // Binds the settings store to the settings file in `settingsFolder` (kept
  // in memory only when the folder is empty) and creates the main window,
  // without an owner. `commandLinePath` is the module to open, or "".
  ViewerApplication(const std::filesystem::path& settingsFolder, std::unique_ptr<FileAssociation> association,
                    std::string commandLinePath);
  // Releases the store first: its file is already up to date.
  ~ViewerApplication();
  ViewerApplication(const ViewerApplication&) = delete;
  ViewerApplication& operator=(const ViewerApplication&) = delete;

  MainWindow& Window() { return *window_; }
  ControlStateStore& Store() { return store_; }

 private:
  ControlStateStore store_;
  std::unique_ptr<FileAssociation> association_;
  std::unique_ptr<PlatformDirTreeServices> dirTreeServices_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace ec
