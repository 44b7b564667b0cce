// Special folders read from the registry, as on Windows, from a registry in memory.
#include <gtest/gtest.h>

#include <memory>

#include "platform/memory_registry.h"
#include "platform/registry_known_folders.h"

namespace ec {
namespace {

TEST(RegistryKnownFolders, ReadsShellFoldersWithExpansion) {
  auto registry = std::make_unique<MemoryRegistry>();
  registry->SetVariable("USERPROFILE", "C:\\Users\\lan");
  registry->WriteExpandableString(RegistryRoot::kCurrentUser, kShellFoldersKey, "Personal", "%USERPROFILE%\\Documents");
  registry->WriteString(RegistryRoot::kCurrentUser, kShellFoldersKey, "Fonts", "C:\\Windows\\Fonts");
  RegistryKnownFolders folders(std::move(registry));
  EXPECT_EQ(folders.Folder("personal"), "C:\\Users\\lan\\Documents");
  EXPECT_EQ(folders.Folder("Fonts"), "C:\\Windows\\Fonts");
  EXPECT_EQ(folders.Folder("Desktop"), std::nullopt);
}

}  // namespace
}  // namespace ec
