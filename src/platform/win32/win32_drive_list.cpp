// The logical drives of Windows with their types and volume labels.
#include <windows.h>

#include "platform/drive_list.h"
#include "platform/registry_known_folders.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_registry.h"
#include "support/plain_text.h"

namespace ec {
namespace {

DriveType TypeOf(UINT type) {
  switch (type) {
    case DRIVE_FIXED: return DriveType::kFixed;
    case DRIVE_CDROM: return DriveType::kCdRom;
    case DRIVE_REMOVABLE: return DriveType::kRemovable;
    default: return DriveType::kOther;
  }
}

// A drive root ("C:\") against the first characters of a folder, letters
// compared without regard to case.
bool SameRoot(const std::string& root, const std::string& folder) {
  if (folder.size() < root.size()) return false;
  for (size_t i = 0; i < root.size(); ++i) {
    if (UpperAscii(root[i]) != UpperAscii(folder[i])) return false;
  }
  return true;
}

class Win32DriveList : public DriveList {
 public:
  std::vector<Drive> Drives() override {
    // The system drive holds the Fonts folder.
    RegistryKnownFolders folders(std::make_unique<Win32Registry>());
    const std::string fonts = folders.Folder("Fonts").value_or("");
    wchar_t buffer[256] = {};
    const DWORD length = GetLogicalDriveStringsW(255, buffer);
    std::vector<Drive> drives;
    if (length == 0 || length > 255) return drives;
    for (const wchar_t* root = buffer; *root != L'\0'; root += wcslen(root) + 1) {
      std::wstring wideRoot(root);
      wchar_t label[MAX_PATH + 1] = {};
      if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) label[0] = L'\0';
      const std::string rootText = WideToUtf8(wideRoot);
      Drive drive;
      drive.name = rootText.substr(0, rootText.find(':') + 1);
      drive.label = WideToUtf8(label);
      drive.type = TypeOf(GetDriveTypeW(root));
      drive.system = SameRoot(rootText, fonts);
      drives.push_back(drive);
    }
    return drives;
  }

  bool SetLabel(const std::string& name, const std::string& label) override {
    const std::wstring root = Utf8ToWide(name + "\\");
    return SetVolumeLabelW(root.c_str(), Utf8ToWide(label).c_str()) != 0;
  }
};

}  // namespace

std::unique_ptr<DriveList> CreatePlatformDriveList() { return std::make_unique<Win32DriveList>(); }

}  // namespace ec
