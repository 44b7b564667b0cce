// Explorer command lines and program starts through ShellExecuteW, which
// returns without waiting for the program.
#include <windows.h>
#include <shellapi.h>

#include "platform/shell_commands.h"
#include "platform/win32/wide_text.h"

namespace ec {
namespace {

bool Execute(const std::wstring& file, const std::wstring& parameters) {
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
      nullptr, L"open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL));
  return result > 32;
}

class Win32ShellCommands : public ShellCommands {
 public:
  bool OpenFolder(const std::string& path) override { return Execute(L"explorer", L"/n,\"" + Utf8ToWide(path) + L"\""); }
  bool ShowItem(const std::string& path) override {
    return Execute(L"explorer", L"/n,/select,\"" + Utf8ToWide(path) + L"\"");
  }
  bool StartsPrograms() const override { return true; }
  bool StartProgram(const std::string& path) override { return Execute(Utf8ToWide(path), L""); }
  void Beep() override { MessageBeep(MB_OK); }
};

}  // namespace

std::unique_ptr<ShellCommands> CreatePlatformShellCommands() { return std::make_unique<Win32ShellCommands>(); }

}  // namespace ec
