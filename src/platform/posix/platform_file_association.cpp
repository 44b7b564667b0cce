// The Linux choice of the file association backend: freedesktop files in the
// user's XDG folders, refreshed with the desktop's database tools.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/file_association.h"
#include "platform/posix/xdg_file_association.h"

extern char** environ;

namespace ec {
namespace {

bool IsInstalled(const std::string& name) {
  const auto path = ProcessEnvironment("PATH");
  if (!path) return false;
  size_t start = 0;
  while (start <= path->size()) {
    const size_t end = std::min(path->find(':', start), path->size());
    const std::string folder = end > start ? path->substr(start, end - start) : ".";
    if (access((folder + "/" + name).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

// The tools only refresh caches: their output is of no use to the user and
// their failure changes nothing that was written.
void RunIfInstalled(const std::vector<std::string>& argv) {
  if (argv.empty() || !IsInstalled(argv[0])) return;
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

class UnavailableFileAssociation : public FileAssociation {
 public:
  AssociationOutcome Register(const std::filesystem::path&) override { return Failure(); }
  AssociationOutcome Remove(const std::filesystem::path&) override { return Failure(); }

 private:
  static AssociationOutcome Failure() {
    return {{}, {"no absolute HOME or XDG_DATA_HOME/XDG_CONFIG_HOME to keep the association in"}, {}};
  }
};

}  // namespace

std::unique_ptr<FileAssociation> CreatePlatformFileAssociation() {
  auto directories = ResolveXdgBaseDirectories(ProcessEnvironment);
  if (!directories) return std::make_unique<UnavailableFileAssociation>();
  return std::make_unique<XdgFileAssociation>(std::move(*directories), RunIfInstalled);
}

}  // namespace ec
