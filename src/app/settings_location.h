#pragma once
// Where the viewer keeps its settings file "澜禾·观澄.ini".

#include <filesystem>
#include <string_view>

namespace ec {

inline constexpr std::string_view kSettingsFileName = "澜禾·观澄.ini";
// Overrides the settings folder, so that tests and trial runs leave the
// user's own settings alone.
inline constexpr char kSettingsFolderVariable[] = "ECVIEW_SETTINGS_DIR";

// The settings folder: $ECVIEW_SETTINGS_DIR when set, otherwise the system's
// place for them (PlatformSettingsFolder). Empty when none can be worked out.
std::filesystem::path DefaultSettingsFolder();

// The settings file inside `folder`, creating the folder when it is missing.
std::filesystem::path SettingsFilePath(const std::filesystem::path& folder);

}  // namespace ec
