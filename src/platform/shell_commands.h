#pragma once
// What the directory tree asks of the desktop shell: open a folder in the
// file manager, show an item selected in its folder, start a program, beep.
// Programs are started without waiting for them.

#include <memory>
#include <string>

namespace ec {

class ShellCommands {
 public:
  virtual ~ShellCommands() = default;
  virtual bool OpenFolder(const std::string& path) = 0;
  virtual bool ShowItem(const std::string& path) = 0;
  // Whether paths ending in ".exe" are programs this system can start.
  virtual bool StartsPrograms() const = 0;
  virtual bool StartProgram(const std::string& path) = 0;
  virtual void Beep() = 0;
};

// On Linux this lives with the window code, since it talks D-Bus through Qt.
std::unique_ptr<ShellCommands> CreatePlatformShellCommands();

}  // namespace ec
