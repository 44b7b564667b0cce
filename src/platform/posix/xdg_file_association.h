#pragma once
// The file association on freedesktop desktops, for the current user: a MIME
// type for *.ec files, a desktop entry for ecview and ecview as the type's
// default application in mimeapps.list.

#include <functional>
#include <string>
#include <vector>

#include "platform/file_association.h"
#include "platform/posix/xdg_base_directories.h"

namespace ec {

inline constexpr std::string_view kModuleMimeType = "application/x-e-module";
inline constexpr std::string_view kDesktopFileName = "ecview.desktop";
inline constexpr std::string_view kMimePackageFileName = "ecview-e-module.xml";
inline constexpr std::string_view kProgramIconName = "ecview";

// Runs a helper program (update-mime-database, update-desktop-database) and
// waits for it; a helper that is not installed is silently skipped.
using CommandRunner = std::function<void(const std::vector<std::string>& argv)>;

class XdgFileAssociation : public FileAssociation {
 public:
  XdgFileAssociation(XdgBaseDirectories directories, CommandRunner run);

  AssociationOutcome Register(const std::filesystem::path& program) override;
  // Leaves everything alone when ecview's desktop entry runs another program.
  AssociationOutcome Remove(const std::filesystem::path& program) override;

  std::filesystem::path MimePackagePath() const;
  std::filesystem::path DesktopEntryPath() const;
  std::filesystem::path MimeAppsListPath() const;

 private:
  void RefreshDatabases();

  XdgBaseDirectories directories_;
  CommandRunner run_;
};

// The shared-mime-info package that declares the module type.
std::string MimePackageText();

}  // namespace ec
