#include "dirtree/dir_tree_settings_file.h"

#include "platform/folder_system.h"
#include "settings/settings_reads.h"
#include "support/utf8_path.h"

namespace ec {

DirTreeSettingsFile::DirTreeSettingsFile(const DirTreeServices& services) : services_(services) {
  if (services_.settingsFolder.empty()) return;
  MakeSettingsFolder(services_.settingsFolder);
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
