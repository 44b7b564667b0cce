#pragma once
// The panel's own texts: captions, confirmations, messages and the
// information texts of "关于".

#include <string>
#include <string_view>

#include "dirtree/core/dir_tree_node_kind.h"

namespace ec {

inline constexpr std::string_view kPanelTitle = "澜禾·目录树";
inline constexpr std::string_view kDesktopText = "桌面";
inline constexpr std::string_view kDocumentsText = "我的文档";
inline constexpr std::string_view kComputerText = "我的电脑";
inline constexpr std::string_view kSystemFoldersText = "系统夹";
inline constexpr std::string_view kVirtualFoldersText = "虚拟夹";
inline constexpr std::string_view kPlaceholderText = "?";

inline constexpr std::string_view kClearConfirmation =
    "确实要清空（全部删除）下级项目吗？请慎重选择！！\r\n\r\n"
    "当清空后，后悔时，可强制结束本程序进程，如此便不会保存配置，下次重新启动程序即可恢复上次配置。";
inline constexpr std::string_view kNewFolderFailed = "创建目录失败！请确保磁盘可写。";
inline constexpr std::string_view kSettingsSaved = "保存配置完毕！";

std::string DeleteConfirmation(std::string_view nodeText);
std::string DeleteFailed(std::string_view path);
std::string RemoveConfirmation(std::string_view nodeText, std::string_view path);

// "关于 我的电脑", "关于 系统夹", "关于 虚拟夹".
std::string AboutCaption(DirTreeNodeKind root);
// What "关于" tells about one of the three special roots.
std::string_view AboutText(DirTreeNodeKind root);
std::string_view AboutTreeText();
std::string_view HelpWantedText();

}  // namespace ec
