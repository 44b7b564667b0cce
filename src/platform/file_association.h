#pragma once
// The ".ec opens with ecview" switch of the main window and of
// `ecview-cli associate`. The platform decides at start-up how the desktop
// learns about it: the registry on Windows, freedesktop files on Linux.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ec {

inline constexpr std::string_view kModuleExtension = "ec";
inline constexpr std::string_view kModuleTypeDescription = "易语言模块";

struct AssociationOutcome {
  std::vector<std::string> changes;   // what was written or deleted, one line each
  std::vector<std::string> failures;  // steps that could not be carried out
  std::vector<std::string> notes;     // what was deliberately left alone
};

class FileAssociation {
 public:
  virtual ~FileAssociation() = default;
  // Makes `program` the opener of module files.
  virtual AssociationOutcome Register(const std::filesystem::path& program) = 0;
  // Undoes a registration of `program`; another program's stays untouched.
  virtual AssociationOutcome Remove(const std::filesystem::path& program) = 0;
};

// The check box's click handler: a checked box registers, an unchecked one
// removes.
AssociationOutcome ApplyAssociation(FileAssociation& association, bool checked,
                                    const std::filesystem::path& program);

// The backend of this platform, for the current user.
std::unique_ptr<FileAssociation> CreatePlatformFileAssociation();

}  // namespace ec
