#pragma once
// The "about" box the banner's logo and home-page controls open.

#include <QString>

#include <filesystem>

class QWidget;

namespace ec {

inline constexpr char kViewerName[] = "澜禾·观澄 (ecview)";

// Name, version, Qt version, the settings file's path and where the user
// manual is, as HTML.
QString AboutText(const std::filesystem::path& settingsFile);
void ShowAboutBox(QWidget* parent, const std::filesystem::path& settingsFile);

}  // namespace ec
