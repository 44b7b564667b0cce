#pragma once
// A shell that only writes down what it was asked to do, for tests.

#include <string>
#include <vector>

#include "platform/shell_commands.h"

namespace ec {

class RecordingShellCommands : public ShellCommands {
 public:
  bool OpenFolder(const std::string& path) override { return Record("open " + path); }
  bool ShowItem(const std::string& path) override { return Record("show " + path); }
  bool StartsPrograms() const override { return startsPrograms; }
  bool StartProgram(const std::string& path) override { return Record("start " + path); }
  void Beep() override { ++beeps; }

  std::vector<std::string> calls;
  int beeps = 0;
  bool startsPrograms = false;

 private:
  bool Record(std::string call) {
    calls.push_back(std::move(call));
    return true;
  }
};

}  // namespace ec
