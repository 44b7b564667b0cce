#pragma once
// The table HTML a test expects, written out line by line from the E IDE's
// table templates with the values put in by hand. Kept apart from the
// program's own copy of the templates so a slip in either one shows.

#include <string>
#include <string_view>

namespace ec::expected {

inline constexpr std::string_view kClose = "<br /></div>";

inline std::string Open() {
  std::string s;
  s.append("<div style=\"position:absolute;width:10000px;height:100px;z-index:1;\">\r\n");
  return s;
}

inline std::string TableEnd() {
  std::string s;
  s.append("\r\n");
  s.append("\t</tbody>\r\n");
  s.append("</table>\r\n");
  s.append("<br>");
  return s;
}

inline std::string ClassTable(std::string_view name, std::string_view base, std::string_view pub, std::string_view remark) {
  std::string s;
  s.append("<table  cellpadding=\"3\" cellspacing=\"1\" border=\"1\" bordercolor=\"#337FE5\" style=\"font-family:YaHei Consolas Hybrid,宋体;font-size:15px;\">\r\n");
  s.append("\t<tbody>\r\n");
  s.append("\t\t<tr>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#ECECEC;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;类名&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#ECECEC;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;基 类&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;background-color:#ECECEC;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#ECECEC;\" colspan=\"3\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t</tr>\r\n");
  s.append("\t\t<tr>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#0000AD;\">&nbsp;").append(name).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#0000AD;\">&nbsp;").append(base).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000\"><strong>&nbsp;").append(pub).append("&nbsp;</strong></span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td colspan=\"3\" style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t</tr>\r\n");
  s.append("\r\n");
  s.append("\t</tbody>\r\n");
  s.append("</table>\r\n");
  s.append("<br>");
  return s;
}

inline std::string SubroutineHead(std::string_view caption, std::string_view name, std::string_view type, std::string_view pub, std::string_view remark) {
  std::string s;
  s.append("<table  cellpadding=\"3\" cellspacing=\"1\" border=\"1\" bordercolor=\"#337FE5\" style=\"font-family:YaHei Consolas Hybrid,宋体;font-size:15px;\">\r\n");
  s.append("\t<tbody>\r\n");
  s.append("\t\t<tr>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;").append(caption).append("&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;返回值类型&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\" colspan=\"3\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t</tr>\r\n");
  s.append("\t\t<tr>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#0000AD;\">&nbsp;").append(name).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#0000FF;\">&nbsp;").append(type).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000\"><strong>&nbsp;").append(pub).append("&nbsp;</strong></span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td colspan=\"3\" style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t</tr>");
  return s;
}

inline std::string SubroutineParamCaption() {
  std::string s;
  s.append("\r\n");
  s.append("\t\t<tr>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;参数名&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;类 型&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;参考&nbsp;</span> \r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<span>&nbsp;可空&nbsp;</span><br />\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<div style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n");
  s.append("\t\t\t\t</div>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t<div style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t\t</div>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t</tr>");
  return s;
}

inline std::string SubroutineParamRow(std::string_view name, std::string_view type, std::string_view byRef, std::string_view optional, std::string_view array, std::string_view remark) {
  std::string s;
  s.append("\r\n");
  s.append("\t\t<tr>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"\">&nbsp;").append(name).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#0000FF;\">&nbsp;").append(type).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(byRef).append("&nbsp;</strong></span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(optional).append("&nbsp;</strong></span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(array).append("&nbsp;</strong></span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span>\r\n");
  s.append("\t\t\t</td>\r\n");
  s.append("\t\t</tr>");
  return s;
}

inline std::string DllHead(std::string_view name, std::string_view type, std::string_view pub, std::string_view library, std::string_view entry, std::string_view remark) {
  std::string s;
  s.append("\t<table cellpadding=\"3\" cellspacing=\"1\" border=\"1\" bordercolor=\"#337FE5\" style=\"font-family:YaHei Consolas Hybrid,宋体;font-size:15px;\">\r\n");
  s.append("\t\t<tbody>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;DLL命令名&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;返回值类型&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\" colspan=\"2\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#0000AD;\">&nbsp;").append(name).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#0000FF;\">&nbsp;").append(type).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(pub).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td colspan=\"2\" style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td colspan=\"5\" style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;库文件名：&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td colspan=\"5\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#800000;\">&nbsp;").append(library).append("&nbsp;</span><br />\r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td colspan=\"5\" style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;在库中对应命令名：&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td colspan=\"5\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#800000;\">&nbsp;").append(entry).append("&nbsp;</span><br />\r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string DllParamCaption() {
  std::string s;
  s.append("\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;参数名&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;类 型&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;传址&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<div style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n");
  s.append("\t\t\t\t\t</div>\r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<div style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t\t\t</div>\r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string DllParamRow(std::string_view name, std::string_view type, std::string_view byRef, std::string_view array, std::string_view remark) {
  std::string s;
  s.append("\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;").append(name).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#0000FF;\">&nbsp;").append(type).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(byRef).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(array).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string ConstantStart() {
  std::string s;
  s.append("<div style=\"position:absolute;width:10000px;height:100px;z-index:1;\">\r\n");
  s.append("\t<table cellpadding=\"3\" cellspacing=\"1\" border=\"1\" bordercolor=\"#337FE5\" style=\"font-family:YaHei Consolas Hybrid,宋体;font-size:15px;\">\r\n");
  s.append("\t\t<tbody>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;常量名称&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;常量值&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\" colspan=\"2\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string ConstantRow(std::string_view name, std::string_view value, std::string_view pub, std::string_view colour, std::string_view remark) {
  std::string s;
  s.append("\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#0000AD;\">&nbsp;").append(name).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:").append(colour).append(";\">&nbsp;").append(value).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(pub).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td colspan=\"2\" style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string ConstantEnd() {
  std::string s;
  s.append("\r\n");
  s.append("\t</tbody>\r\n");
  s.append("</table>\r\n");
  return s;
}

inline std::string GlobalStart() {
  std::string s;
  s.append("<div style=\"position:absolute;width:10000px;height:100px;z-index:1;\">\r\n");
  s.append("\r\n");
  s.append("\t<table cellpadding=\"3\" cellspacing=\"1\" border=\"1\" bordercolor=\"#337FE5\" style=\"font-family:YaHei Consolas Hybrid,宋体;font-size:15px;\">\r\n");
  s.append("\t\t<tbody>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;全局变量名&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;类型&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\" colspan=\"2\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string GlobalRow(std::string_view name, std::string_view type, std::string_view dims, std::string_view pub, std::string_view remark) {
  std::string s;
  s.append("\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;").append(name).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#0000FF;\">&nbsp;").append(type).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;").append(dims).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(pub).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td colspan=\"2\" style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string GlobalEnd() {
  std::string s;
  s.append("\r\n");
  s.append("\t</tbody>\r\n");
  s.append("</table>\r\n");
  s.append("<br /></div>");
  return s;
}

inline std::string DataTypeHead(std::string_view name, std::string_view pub, std::string_view remark) {
  std::string s;
  s.append("\t<table cellpadding=\"3\" cellspacing=\"1\" border=\"1\" bordercolor=\"#337FE5\" style=\"font-family:YaHei Consolas Hybrid,宋体;font-size:15px;\">\r\n");
  s.append("\t\t<tbody>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;数据类型名&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\" colspan=\"3\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#0000AD;\">&nbsp;").append(name).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(pub).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td colspan=\"3\" style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string MemberCaption() {
  std::string s;
  s.append("\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;成员名&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;类 型&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;传址&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<div style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n");
  s.append("\t\t\t\t\t</div>\r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"background-color:#E6EDE4;\">\r\n");
  s.append("\t\t\t\t\t<div style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n");
  s.append("\t\t\t\t\t</div>\r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

inline std::string MemberRow(std::string_view name, std::string_view type, std::string_view byRef, std::string_view array, std::string_view remark) {
  std::string s;
  s.append("\r\n");
  s.append("\t\t\t<tr>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span>&nbsp;").append(name).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#0000FF;\">&nbsp;").append(type).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(byRef).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:center;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"font-family:YaHei Consolas Hybrid,黑体;color:#800000;\"><strong>&nbsp;").append(array).append("&nbsp;</strong></span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t\t<td style=\"text-align:left;\">\r\n");
  s.append("\t\t\t\t\t<span style=\"color:#008000;\">&nbsp;").append(remark).append("&nbsp;</span> \r\n");
  s.append("\t\t\t\t</td>\r\n");
  s.append("\t\t\t</tr>");
  return s;
}

}  // namespace ec::expected
