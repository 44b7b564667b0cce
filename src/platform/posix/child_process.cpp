#include "platform/child_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace ec {
namespace {

// Reads a pipe to its end; each stream gets its own reader so that a child
// filling one pipe never waits for the other to be drained.
void Drain(int fd, std::string& out) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    out.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
}

// The parent's environment with the requested changes, built before fork:
// the child may only call async-signal-safe functions.
std::vector<std::string> ChildEnvironment(const ChildProcessOptions& options) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    bool replaced = false;
    for (const auto& [name, value] : options.environment) {
      replaced = replaced || (text.starts_with(name) && text.size() > name.size() && text[name.size()] == '=');
    }
    if (!replaced) entries.emplace_back(text);
  }
  for (const auto& [name, value] : options.environment) entries.push_back(name + "=" + value);
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcessResult RunChildProcess(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments,
                                   const ChildProcessOptions& options) {
  ChildProcessResult result;
  std::vector<std::string> argv_texts{program.string()};
  argv_texts.insert(argv_texts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> env_texts = ChildEnvironment(options);
  const std::vector<char*> argv = Pointers(argv_texts);
  const std::vector<char*> envp = Pointers(env_texts);
  const std::string directory = options.working_directory.string();

  int out_pipe[2], err_pipe[2];
  if (::pipe2(out_pipe, O_CLOEXEC) != 0) return result;
  if (::pipe2(err_pipe, O_CLOEXEC) != 0) {
    ::close(out_pipe[0]);
    ::close(out_pipe[1]);
    return result;
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out_pipe[1], STDOUT_FILENO);
    ::dup2(err_pipe[1], STDERR_FILENO);
    if (!directory.empty() && ::chdir(directory.c_str()) != 0) ::_exit(127);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  if (pid < 0) {
    ::close(out_pipe[0]);
    ::close(err_pipe[0]);
    return result;
  }
  {
    std::jthread out_reader(Drain, out_pipe[0], std::ref(result.out));
    Drain(err_pipe[0], result.err);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace ec
