#include "dirtree/dir_tree_services.h"

#include "dirtree/message_box_prompter.h"
#include "platform/drive_list.h"
#include "platform/executable_path.h"
#include "platform/folder_system.h"
#include "platform/shell_commands.h"
#include "platform/known_folders.h"
#include "platform/working_set.h"
#include "support/utf8_path.h"

namespace ec {

PlatformDirTreeServices::PlatformDirTreeServices(std::filesystem::path settingsFolder)
    : folders_(CreatePlatformFolderSystem()),
      knownFolders_(CreatePlatformKnownFolders()),
      drives_(CreatePlatformDriveList()),
      shell_(CreatePlatformShellCommands()),
      prompter_(std::make_unique<MessageBoxPrompter>()) {
  services_.folders = folders_.get();
  services_.knownFolders = knownFolders_.get();
  services_.drives = drives_.get();
  services_.shell = shell_.get();
  services_.prompter = prompter_.get();
  services_.trimWorkingSet = TrimWorkingSet;
  services_.programFolder = Utf8FromPath(ExecutablePath().parent_path());
  services_.settingsFolder = std::move(settingsFolder);
}

PlatformDirTreeServices::~PlatformDirTreeServices() = default;

}  // namespace ec
