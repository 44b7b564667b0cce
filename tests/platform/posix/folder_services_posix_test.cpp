// The Linux backends behind the directory tree: special folders from XDG,
// drives from a mounts file, folders on disk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "platform/folder_system.h"
#include "platform/posix/mounted_drives.h"
#include "platform/posix/xdg_known_folders.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

using testing::ElementsAre;
namespace fs = std::filesystem;

TEST(XdgKnownFolders, UserDirsWellKnownPathsAndGaps) {
  test::TempDir home;
  fs::create_directories(home.path() / ".config");
  std::ofstream(home.path() / ".config/user-dirs.dirs")
      << "# written by xdg-user-dirs-update\n"
         "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"
         "XDG_MUSIC_DIR=\"/srv/music\"\n"
         "XDG_VIDEOS_DIR=\"relative/videos\"\n"  // neither absolute nor below $HOME: ignored
         "XDG_PICTURES_DIR=unquoted\n";
  fs::create_directories(home.path() / ".local/share/fonts");
  std::map<std::string, std::string> environment = {{"HOME", home.path().string()}, {"TMPDIR", "/var/tmp"}};
  XdgKnownFolders folders([&](const char* name) -> std::optional<std::string> {
    const auto found = environment.find(name);
    return found == environment.end() ? std::nullopt : std::optional<std::string>(found->second);
  });
  const std::string h = home.path().string();
  EXPECT_EQ(folders.Folder("Desktop"), h + "/桌面");
  EXPECT_EQ(folders.Folder("DESKTOP"), h + "/桌面");  // value names ignore case
  EXPECT_EQ(folders.Folder("My Music"), "/srv/music");
  EXPECT_EQ(folders.Folder("My Video"), h + "/Videos");
  EXPECT_EQ(folders.Folder("My Pictures"), h + "/Pictures");
  EXPECT_EQ(folders.Folder("Personal"), h + "/Documents");
  EXPECT_EQ(folders.Folder("Fonts"), h + "/.local/share/fonts");
  EXPECT_EQ(folders.Folder("temp"), "/var/tmp");
  EXPECT_EQ(folders.Folder("SystemRoot"), "/");
  EXPECT_EQ(folders.Folder("USERPROFILE"), h);
  EXPECT_EQ(folders.Folder("APPDATA"), h + "/.config");
  for (const char* missing : {"Favorites", "Cookies", "History", "NetHood", "SendTo", "ALLUSERSPROFILE"}) {
    EXPECT_EQ(folders.Folder(missing), std::nullopt) << missing;
  }
}

TEST(MountedDrives, BlockDevicesAndTheRootWithLabels) {
  const auto mounts = ParseMounts(
      "overlay / overlay rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sda1 /media/u/My\\040Stick vfat rw 0 0\n"
      "/dev/sr0 /media/cd iso9660 ro 0 0\n"
      "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
      "/dev/vda /etc/hosts ext4 rw 0 0\n"  // a file bind-mounted from a disk
      "/dev/sdb2 /data ext4 rw 0 0\n"
      "/dev/sdb3 /data ext4 rw 0 0\n"  // mounted over the first: this one is seen
      "short line\n");
  ASSERT_EQ(mounts.size(), 8u);
  EXPECT_EQ(mounts[2].mountPoint, "/media/u/My Stick");
  MountProbe probe;
  probe.device = [](const std::string& device, const std::string&) {
    DeviceFacts facts;
    facts.blockDevice = true;
    facts.removable = device == "/dev/sda1";
    facts.cdRom = device == "/dev/sr0";
    facts.label = device == "/dev/sdb3" ? "数据" : "";
    return facts;
  };
  probe.isFolder = [](const std::string& path) { return path != "/etc/hosts"; };
  const auto drives = DrivesFromMounts(mounts, probe);
  std::vector<std::string> names;
  for (const Drive& drive : drives) names.push_back(drive.name);
  EXPECT_THAT(names, ElementsAre("/", "/media/u/My Stick", "/media/cd", "/data"));
  EXPECT_TRUE(drives[0].system);
  EXPECT_EQ(drives[0].type, DriveType::kFixed);
  EXPECT_EQ(drives[1].type, DriveType::kRemovable);
  EXPECT_EQ(drives[2].type, DriveType::kCdRom);
  EXPECT_EQ(drives[3].label, "数据");
  EXPECT_FALSE(drives[3].system);
}

TEST(PosixFolderSystem, ListsFoldersOnlyWithAttributes) {
  test::TempDir root;
  const auto r = root.path();
  fs::create_directories(r / "plain");
  fs::create_directories(r / ".dot");
  fs::create_directories(r / "elsewhere/inside");
  std::ofstream(r / "file.txt") << "x";
  fs::create_directory_symlink(r / "elsewhere", r / "link");
  fs::create_symlink(r / "file.txt", r / "file-link");
  auto folders = CreatePlatformFolderSystem();
  std::map<std::string, std::uint32_t> seen;
  folders->ListFolders(r.string(), true, [&](const FolderEntry& entry) {
    seen[entry.name] = entry.attributes;
    return true;
  });
  EXPECT_EQ(seen.size(), 4u);  // plain, .dot, elsewhere, link: no files
  EXPECT_EQ(seen.at(".dot") & kFolderHidden, kFolderHidden);
  EXPECT_EQ(seen.at("plain") & kFolderHidden, 0u);
  EXPECT_EQ(seen.count("link"), 1u);

  int visited = 0;
  folders->ListFolders(r.string(), false, [&](const FolderEntry&) { return ++visited < 2; });
  EXPECT_EQ(visited, 2);
  folders->ListFolders((r / "missing").string(), false, [&](const FolderEntry&) { return ++visited > 0; });
  EXPECT_EQ(visited, 2);

  // Renaming never replaces; deleting removes links, not their targets.
  EXPECT_FALSE(folders->RenameFolder((r / "plain").string(), (r / "elsewhere").string()));
  EXPECT_TRUE(folders->RenameFolder((r / "plain").string(), (r / "renamed").string()));
  EXPECT_TRUE(folders->CreateFolder((r / "renamed/new").string()));
  EXPECT_FALSE(folders->CreateFolder((r / "renamed/new").string()));
  fs::create_directory_symlink(r / "elsewhere", r / "renamed/link");
  EXPECT_TRUE(folders->DeleteFolder((r / "renamed").string()));
  EXPECT_FALSE(folders->Exists((r / "renamed").string()));
  EXPECT_TRUE(folders->Exists((r / "elsewhere/inside").string()));
  EXPECT_FALSE(folders->DeleteFolder("/"));
  EXPECT_FALSE(folders->DeleteFolder(""));
}

}  // namespace
}  // namespace ec
