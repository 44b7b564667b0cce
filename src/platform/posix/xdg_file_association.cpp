#include "platform/posix/xdg_file_association.h"

#include <fstream>
#include <sstream>

#include "platform/posix/desktop_entry.h"
#include "platform/posix/mimeapps_list.h"

namespace ec {
namespace fs = std::filesystem;
namespace {

std::optional<std::string> ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

// Through a temporary file and a rename, so an interrupted write never
// leaves a half-written mimeapps.list behind.
bool WriteTextAtomically(const fs::path& path, const std::string& text, std::string& error) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  fs::path temporary = path;
  temporary += ".ecview-new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
      error = "cannot write " + temporary.string();
      fs::remove(temporary, ec);
      return false;
    }
  }
  fs::rename(temporary, path, ec);
  if (ec) {
    error = "cannot replace " + path.string() + ": " + ec.message();
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

void WriteIfChanged(const fs::path& path, const std::string& text, AssociationOutcome& outcome) {
  if (ReadText(path) == text) return;
  std::string error;
  if (WriteTextAtomically(path, text, error)) {
    outcome.changes.push_back("wrote " + path.string());
  } else {
    outcome.failures.push_back(error);
  }
}

void RemoveIfPresent(const fs::path& path, AssociationOutcome& outcome) {
  std::error_code ec;
  if (fs::remove(path, ec)) {
    outcome.changes.push_back("removed " + path.string());
  } else if (ec) {
    outcome.failures.push_back("cannot remove " + path.string() + ": " + ec.message());
  }
}

// A mimeapps.list that exists but cannot be read must not be replaced by a
// file holding only our line.
std::optional<std::string> ReadOptionalText(const fs::path& path, AssociationOutcome& outcome) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return ec ? std::nullopt : std::optional<std::string>("");
  auto text = ReadText(path);
  if (!text) outcome.failures.push_back("cannot read " + path.string());
  return text;
}

}  // namespace

std::string MimePackageText() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" + std::string(kModuleMimeType) + "\">\n"
         "    <comment>" + std::string(kModuleTypeDescription) + "</comment>\n"
         "    <glob pattern=\"*.ec\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

XdgFileAssociation::XdgFileAssociation(XdgBaseDirectories directories, CommandRunner run)
    : directories_(std::move(directories)), run_(std::move(run)) {}

fs::path XdgFileAssociation::MimePackagePath() const {
  return directories_.data_home / "mime" / "packages" / kMimePackageFileName;
}

fs::path XdgFileAssociation::DesktopEntryPath() const {
  return directories_.data_home / "applications" / kDesktopFileName;
}

fs::path XdgFileAssociation::MimeAppsListPath() const {
  return directories_.config_home / "mimeapps.list";
}

AssociationOutcome XdgFileAssociation::Register(const fs::path& program) {
  AssociationOutcome outcome;
  WriteIfChanged(MimePackagePath(), MimePackageText(), outcome);
  WriteIfChanged(DesktopEntryPath(),
                 DesktopEntryText(program.string(), kProgramIconName, kModuleMimeType), outcome);
  if (const auto list = ReadOptionalText(MimeAppsListPath(), outcome)) {
    WriteIfChanged(MimeAppsListPath(),
                   SetDefaultApplication(*list, kModuleMimeType, kDesktopFileName), outcome);
  }
  RefreshDatabases();
  return outcome;
}

AssociationOutcome XdgFileAssociation::Remove(const fs::path& program) {
  AssociationOutcome outcome;
  const auto entry = ReadOptionalText(DesktopEntryPath(), outcome);
  if (!entry) return outcome;
  if (!entry->empty()) {
    const std::string runs = DesktopExecProgram(DesktopEntryValue(*entry, "Exec"));
    if (runs != program.string()) {
      outcome.notes.push_back("left alone: " + DesktopEntryPath().string() + " opens files with " +
                              runs);
      return outcome;
    }
  }
  RemoveIfPresent(MimePackagePath(), outcome);
  RemoveIfPresent(DesktopEntryPath(), outcome);
  if (const auto list = ReadOptionalText(MimeAppsListPath(), outcome)) {
    const std::string edited = RemoveDefaultApplication(*list, kModuleMimeType, kDesktopFileName);
    if (edited != *list) WriteIfChanged(MimeAppsListPath(), edited, outcome);
  }
  RefreshDatabases();
  return outcome;
}

void XdgFileAssociation::RefreshDatabases() {
  run_({"update-mime-database", (directories_.data_home / "mime").string()});
  run_({"update-desktop-database", (directories_.data_home / "applications").string()});
}

}  // namespace ec
