#include "dirtree/dir_tree_texts.h"

namespace ec {

std::string DeleteConfirmation(std::string_view nodeText) {
  return "确定要删除文件夹 " + std::string(nodeText) + " 吗？删除后不可恢复！";
}

std::string DeleteFailed(std::string_view path) { return "删除失败！" + std::string(path); }

std::string RemoveConfirmation(std::string_view nodeText, std::string_view path) {
  return "确定要移除虚拟子夹<" + std::string(nodeText) + ">吗？\r\n\r\n虚拟子夹对应路径：" + std::string(path) +
         "\r\n\r\n注：此操作不是删除虚拟子夹对应的文件夹，而仅是移除该项目在目录树中的显示而已";
}

std::string AboutCaption(DirTreeNodeKind root) {
  switch (root) {
    case DirTreeNodeKind::kSystemFolderRoot: return "关于 " + std::string(kSystemFoldersText);
    case DirTreeNodeKind::kVirtualFolderRoot: return "关于 " + std::string(kVirtualFoldersText);
    default: return "关于 " + std::string(kComputerText);
  }
}

std::string_view AboutText(DirTreeNodeKind root) {
  switch (root) {
    case DirTreeNodeKind::kSystemFolderRoot:
      return "“系统夹”列出系统定义的各种特殊文件夹，例如我的文档、桌面、字体、开始菜单、临时文件等。\r\n\r\n"
             "这些文件夹由系统和其他程序使用，通常不能删除或改名；其中有些文件夹默认是隐藏的。"
             "系统中没有定义或不存在的特殊文件夹不会列出。";
    case DirTreeNodeKind::kVirtualFolderRoot:
      return "“虚拟夹”就像收藏夹：把常用的文件夹加入这里，以后无须层层展开，即可直接浏览它。\r\n\r\n"
             "任何文件夹节点都可以通过其右键菜单中的“加入虚拟夹”加入；"
             "“移除”只是不再显示该项目，不会删除对应的文件夹。";
    default:
      return "“我的电脑”列出本机所有的物理驱动器和虚拟驱动器（硬盘分区、光盘、移动盘、网络盘等），"
             "系统所在的驱动器另有专用的硬盘图标。\r\n\r\n"
             "一块硬盘可以分成多个分区，每个分区有自己的盘符和卷标；卷标可以随时修改（在驱动器节点上按 F2），"
             "而格式化或重新分区会清除其中的全部数据，操作前务必备份。";
  }
}

std::string_view AboutTreeText() {
  return "澜禾·目录树  版本 1.1\r\n\r\n"
         "为什么要自制目录树？\r\n"
         "一、稳定：不依赖系统的浏览文件夹控件，不会因系统或外壳扩展的问题而卡死；\r\n"
         "二、可控：显示哪些节点、怎样展开、如何定位，全部由程序自己掌握；\r\n"
         "三、新颖：界面和操作方式焕然一新，常用文件夹可加入虚拟夹直接浏览；\r\n"
         "四、增值：为本程序增添一个实用的部件。";
}

std::string_view HelpWantedText() {
  return "目录树还有许多可以完善的地方，例如网络邻居、回收站和更多的特殊文件夹。\r\n\r\n"
         "欢迎各位程序员朋友提出意见、报告问题或贡献改进，一起把它做得更好！";
}

}  // namespace ec
