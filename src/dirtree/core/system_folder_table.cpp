#include "dirtree/core/system_folder_table.h"

#include "platform/known_folders.h"

namespace ec {

const std::array<SystemFolderEntry, kSystemFolderCount> SystemFolderTable = {{
    {"我的文档(Personal)", "Personal"},
    {"收藏夹(Favorites)", "Favorites"},
    {"桌面(Desktop)", "Desktop"},
    {"字体(Fonts)", "Fonts"},
    {"开始菜单(Start Menu)", "Start Menu"},
    {"程序菜单(Programs)", "Programs"},
    {"启动菜单(Startup)", "Startup"},
    {"我的音乐(My Music)", "My Music"},
    {"我的图片(My Pictures)", "My Pictures"},
    {"我的视频(My Video)", "My Video"},
    {"IE 缓存(Cache)", "Cache"},
    {"网页信息(Cookies)", "Cookies"},
    {"网址历史(History)", "History"},
    {"网上邻居(NetHood)", "NetHood"},
    {"发送到(SendTo)", "SendTo"},
    {"临时文件(Temp)", "temp"},
    {"系统盘(SystemDrive)", "SystemDrive"},
    {"系统根(SystemRoot)", "SystemRoot"},
    {"程序(ProgramFiles)", "ProgramFiles"},
    {"共用程序(CommonProgramFiles)", "CommonProgramFiles"},
    {"当前用户(UserSproFile)", "USERPROFILE"},
    {"所有用户(AllUserSproFile)", "ALLUSERSPROFILE"},
    {"应用程序数据(AppData)", "APPDATA"},
}};

namespace {
bool InRange(int index) { return index >= 0 && index < kSystemFolderCount; }
}  // namespace

std::string SystemFolderName(int index) {
  if (!InRange(index)) return std::string(kSystemFolderOutOfRange);
  return std::string(SystemFolderTable[static_cast<size_t>(index)].displayName);
}

std::string SystemFolderPath(KnownFolders& folders, int index) {
  if (!InRange(index)) return std::string(kSystemFolderOutOfRange);
  return folders.Folder(SystemFolderTable[static_cast<size_t>(index)].valueName).value_or("");
}

}  // namespace ec
