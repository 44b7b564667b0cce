#include "platform/child_process.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <thread>

#include "platform/win32/wide_text.h"

namespace ec {
namespace {

// One argument as CommandLineToArgvW and the C runtime read it back:
// backslashes are literal except before a double quote.
void AppendQuoted(std::wstring& line, std::wstring_view argument) {
  line += L'"';
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

std::wstring FoldedName(std::wstring_view name) {
  std::wstring folded(name);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return folded;
}

// This process's environment with the requested changes, as the sorted
// block of "NAME=value\0" entries that CreateProcessW takes.
std::wstring EnvironmentBlock(const ChildProcessOptions& options) {
  std::map<std::wstring, std::wstring> entries;  // by folded name: names ignore case
  if (LPWCH strings = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
      const std::wstring_view text(entry);
      // Entries such as "=C:=C:\" keep the current folder of each drive.
      const size_t equals = text.find(L'=', 1);
      if (equals != std::wstring_view::npos) entries[FoldedName(text.substr(0, equals))] = text;
    }
    FreeEnvironmentStringsW(strings);
  }
  for (const auto& [name, value] : options.environment) {
    const std::wstring wide_name = Utf8ToWide(name);
    entries[FoldedName(wide_name)] = wide_name + L"=" + Utf8ToWide(value);
  }
  std::wstring block;
  for (const auto& [folded, entry] : entries) block.append(entry).push_back(L'\0');
  block.push_back(L'\0');
  return block;
}

void Drain(HANDLE pipe, std::string& out) {
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  CloseHandle(pipe);
}

// A pipe whose write end the child inherits.
bool InheritedPipe(HANDLE& read_end, HANDLE& write_end) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return false;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  return true;
}

}  // namespace

ChildProcessResult RunChildProcess(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments,
                                   const ChildProcessOptions& options) {
  ChildProcessResult result;
  std::wstring line;
  AppendQuoted(line, program.native());
  for (const std::string& argument : arguments) {
    line += L' ';
    AppendQuoted(line, Utf8ToWide(argument));
  }
  std::wstring environment = EnvironmentBlock(options);

  HANDLE out_read, out_write, err_read, err_write;
  if (!InheritedPipe(out_read, out_write)) return result;
  if (!InheritedPipe(err_read, err_write)) {
    CloseHandle(out_read);
    CloseHandle(out_write);
    return result;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out_write;
  startup.hStdError = err_write;
  PROCESS_INFORMATION process{};
  const std::wstring directory = options.working_directory.native();
  const bool started =
      CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                     environment.data(), directory.empty() ? nullptr : directory.c_str(), &startup, &process);
  // Only the child may hold the write ends now, so the reads below end with it.
  CloseHandle(out_write);
  CloseHandle(err_write);
  if (!started) {
    CloseHandle(out_read);
    CloseHandle(err_read);
    return result;
  }
  {
    std::jthread out_reader(Drain, out_read, std::ref(result.out));
    Drain(err_read, result.err);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  if (GetExitCodeProcess(process.hProcess, &code)) result.status = static_cast<int>(code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace ec
