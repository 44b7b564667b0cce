#pragma once
// What the directory-tree panel needs from outside: the platform's folder,
// drive and shell services (chosen once at start-up), the way it asks and
// tells the user, and where it keeps its settings.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace ec {

class DriveList;
class FolderSystem;
class ShellCommands;
class KnownFolders;

// Information boxes and OK / Cancel confirmations; only OK answers true.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual bool Confirm(const std::string& text) = 0;
  virtual void Inform(const std::string& text) = 0;
};

struct DirTreeServices {
  FolderSystem* folders = nullptr;
  KnownFolders* knownFolders = nullptr;
  DriveList* drives = nullptr;
  ShellCommands* shell = nullptr;
  Prompter* prompter = nullptr;
  std::function<void()> trimWorkingSet;
  std::string programFolder;             // UTF-8: the default pinned folder
  std::filesystem::path settingsFolder;  // holds "目录树.ini"; empty keeps the settings in memory
  // Runs on the settings file's writing thread before each write of
  // "目录树.ini" (false fails the write); for tests that make the disk slow.
  std::function<bool()> settingsWriteGate;
  // Runs on a reading thread before each read of "目录树.ini" (false fails the
  // read); for tests that make the disk hang at the start.
  std::function<bool(const std::filesystem::path&)> settingsReadGate;
};

// The platform's services and message boxes, owned for the whole run.
class PlatformDirTreeServices {
 public:
  explicit PlatformDirTreeServices(std::filesystem::path settingsFolder);
  ~PlatformDirTreeServices();
  PlatformDirTreeServices(const PlatformDirTreeServices&) = delete;
  PlatformDirTreeServices& operator=(const PlatformDirTreeServices&) = delete;

  const DirTreeServices& Services() const { return services_; }

 private:
  std::unique_ptr<FolderSystem> folders_;
  std::unique_ptr<KnownFolders> knownFolders_;
  std::unique_ptr<DriveList> drives_;
  std::unique_ptr<ShellCommands> shell_;
  std::unique_ptr<Prompter> prompter_;
  DirTreeServices services_;
};

}  // namespace ec
