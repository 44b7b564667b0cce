// Folders on Windows: FindFirstFileExW limited to folders, the shell's file
// operation for deleting.
#include <windows.h>
#include <shellapi.h>

#include "platform/folder_system.h"
#include "platform/win32/wide_text.h"

namespace ec {
namespace {

// "C:" names the drive's current folder to the API; the tree means its root.
std::wstring FolderPattern(const std::string& folder) {
  std::wstring wide = Utf8ToWide(folder);
  if (wide.empty() || (wide.back() != L'\\' && wide.back() != L'/')) wide += L'\\';
  return wide + L"*";
}

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

class Win32FolderSystem : public FolderSystem {
 public:
  bool Exists(const std::string& path) override {
    return !path.empty() && GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  void ListFolders(const std::string& folder, bool, const Visitor& visit) override {
    if (folder.empty()) return;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileExW(FolderPattern(folder).c_str(), FindExInfoBasic, &data,
                                   FindExSearchLimitToDirectories, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || IsDotEntry(data.cFileName)) continue;
      const FolderEntry entry{WideToUtf8(data.cFileName),
                              static_cast<std::uint32_t>(data.dwFileAttributes & (kFolderReadOnly | kFolderHidden | kFolderSystem))};
      if (!visit(entry)) break;
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }

  bool CreateFolder(const std::string& path) override {
    return !path.empty() && CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) != 0;
  }

  bool RenameFolder(const std::string& from, const std::string& to) override {
    return !from.empty() && !to.empty() && MoveFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str()) != 0;
  }

  bool DeleteFolder(const std::string& path) override {
    if (path.size() < 4) return false;  // never a drive root such as "C:\"
    std::wstring from = Utf8ToWide(path);
    from.push_back(L'\0');  // the list of paths ends with a second zero
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;  // no FOF_ALLOWUNDO: no recycle bin
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted && !Exists(path);
  }
};

}  // namespace

std::unique_ptr<FolderSystem> CreatePlatformFolderSystem() { return std::make_unique<Win32FolderSystem>(); }

}  // namespace ec
