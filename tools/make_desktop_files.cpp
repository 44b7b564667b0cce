// Writes the files a Linux installation puts beside the programs: the desktop
// entry (share/applications) and the MIME type of modules (share/mime/packages),
// from the same texts the per-user file association writes.
//
//   build/make_desktop_files OUTPUT_FOLDER
#include <filesystem>
#include <iostream>

#include "platform/posix/desktop_entry.h"
#include "platform/posix/xdg_file_association.h"
#include "support/file_bytes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_desktop_files OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const bool ok =
      ec::WriteFileBytes(folder / ec::kDesktopFileName,
                         ec::DesktopEntryText("ecview", ec::kProgramIconName, ec::kModuleMimeType)) &&
      ec::WriteFileBytes(folder / ec::kMimePackageFileName, ec::MimePackageText());
  if (!ok) std::cerr << "make_desktop_files: cannot write into " << folder.string() << '\n';
  return ok ? 0 : 1;
}
