#include "dirtree/dir_tree_settings_file.h"

#include <system_error>

#include "platform/folder_system.h"
#include "settings/settings_reads.h"
#include "support/read_within.h"
#include "support/utf8_path.h"

namespace ec {

DirTreeSettingsFile::DirTreeSettingsFile(const DirTreeServices& services) : services_(services) {
  if (services_.settingsFolder.empty()) return;
  // On a disk that does not answer, the Bind below gives up in time too.
  ReadWithin(kLaterReadWait, [folder = services_.settingsFolder] {
    std::error_code error;
    return std::filesystem::create_directories(folder, error);
  });
  store_.SetFileWriteGate(services_.settingsWriteGate);
  store_.SetFileReadGate(services_.settingsReadGate);
  store_.Bind(services_.settingsFolder / PathFromUtf8(kTreeSettingsFileName));
}

DirTreeSettingsFile::~DirTreeSettingsFile() { store_.Release(); }

void DirTreeSettingsFile::Load() {
  ReadTreeSettings(store_, [this](const std::string& path) { return services_.folders->Exists(path); },
                   services_.programFolder, settings_);
}

void DirTreeSettingsFile::Save() { WriteTreeSettings(store_, settings_); }

}  // namespace ec
