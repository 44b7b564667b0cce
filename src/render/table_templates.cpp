// The HTML templates of the IDE-style declaration tables. They are the output
// format byte for byte, so they are kept in a form that reads like the IDE's own
// template files: one template line per source line, "\t" for a tab and "\r\n"
// for CR LF. The line breaks of this source file are not part of a template; a
// template whose last line has no "\r\n" ends without a line end. Note the
// double blank in "<table  cellpadding" of the class and subroutine tables and
// the blank before many "\r\n": both belong to the format.
#include "render/table_templates.h"

namespace ec {
namespace {

// Opening of the wrapper around the class, subroutine, DLL command and data type tables.
constexpr std::string_view kOpen = R"tpl(
<div style="position:absolute;width:10000px;height:100px;z-index:1;">\r\n
)tpl";

// End of one subroutine, DLL command or data type table, after its parameter or member rows.
constexpr std::string_view kTableEnd = R"tpl(
\r\n
\t</tbody>\r\n
</table>\r\n
<br>
)tpl";

// The class table, complete: #类名#, #基类#, #公开#, #类备注#.
constexpr std::string_view kClassTable = R"tpl(
<table  cellpadding="3" cellspacing="1" border="1" bordercolor="#337FE5" style="font-family:YaHei Consolas Hybrid,宋体;font-size:15px;">\r\n
\t<tbody>\r\n
\t\t<tr>\r\n
\t\t\t<td style="text-align:left;background-color:#ECECEC;">\r\n
\t\t\t\t<span>&nbsp;类名&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;background-color:#ECECEC;">\r\n
\t\t\t\t<span>&nbsp;基 类&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;background-color:#ECECEC;">\r\n
\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;background-color:#ECECEC;" colspan="3">\r\n
\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t</tr>\r\n
\t\t<tr>\r\n
\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t<span style="color:#0000AD;">&nbsp;#类名#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t<span style="color:#0000AD;">&nbsp;#基类#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000"><strong>&nbsp;#公开#&nbsp;</strong></span>\r\n
\t\t\t</td>\r\n
\t\t\t<td colspan="3" style="text-align:left;">\r\n
\t\t\t\t<span style="color:#008000;">&nbsp;#类备注#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t</tr>\r\n
\r\n
\t</tbody>\r\n
</table>\r\n
<br>
)tpl";

// Head of a subroutine table, left open for the parameter rows: #子程序名#, #返回值类型#, #公开#, #子程序备注#.
constexpr std::string_view kSubroutineHead = R"tpl(
<table  cellpadding="3" cellspacing="1" border="1" bordercolor="#337FE5" style="font-family:YaHei Consolas Hybrid,宋体;font-size:15px;">\r\n
\t<tbody>\r\n
\t\t<tr>\r\n
\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t<span>&nbsp;子程序名&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t<span>&nbsp;返回值类型&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;background-color:#E6EDE4;" colspan="3">\r\n
\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t</tr>\r\n
\t\t<tr>\r\n
\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t<span style="color:#0000AD;">&nbsp;#子程序名#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t<span style="color:#0000FF;">&nbsp;#返回值类型#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000"><strong>&nbsp;#公开#&nbsp;</strong></span>\r\n
\t\t\t</td>\r\n
\t\t\t<td colspan="3" style="text-align:left;">\r\n
\t\t\t\t<span style="color:#008000;">&nbsp;#子程序备注#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t</tr>
)tpl";

// Caption row of the parameters of a subroutine.
constexpr std::string_view kSubroutineParamCaption = R"tpl(
\r\n
\t\t<tr>\r\n
\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t<span>&nbsp;参数名&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t<span>&nbsp;类 型&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t<span>&nbsp;参考&nbsp;</span> \r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t<span>&nbsp;可空&nbsp;</span><br />\r\n
\t\t\t</td>\r\n
\t\t\t<td style="background-color:#E6EDE4;">\r\n
\t\t\t\t<div style="text-align:center;">\r\n
\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n
\t\t\t\t</div>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="background-color:#E6EDE4;">\r\n
\t\t\t\t<div style="text-align:left;">\r\n
\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t\t</div>\r\n
\t\t\t</td>\r\n
\t\t</tr>
)tpl";

// One parameter of a subroutine: #参数名#, #类型#, #参考#, #可空#, #数组#, #备注#.
constexpr std::string_view kSubroutineParamRow = R"tpl(
\r\n
\t\t<tr>\r\n
\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t<span style="">&nbsp;#参数名#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t<span style="color:#0000FF;">&nbsp;#类型#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#参考#&nbsp;</strong></span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#可空#&nbsp;</strong></span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#数组#&nbsp;</strong></span>\r\n
\t\t\t</td>\r\n
\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t<span style="color:#008000;">&nbsp;#备注#&nbsp;</span>\r\n
\t\t\t</td>\r\n
\t\t</tr>
)tpl";

// Head of a DLL command table, left open: #DLL命令名#, #返回值类型#, #公开#, #库文件名#, #在库中对应命令名#, #DLL备注#.
constexpr std::string_view kDllHead = R"tpl(
\t<table cellpadding="3" cellspacing="1" border="1" bordercolor="#337FE5" style="font-family:YaHei Consolas Hybrid,宋体;font-size:15px;">\r\n
\t\t<tbody>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;DLL命令名&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;返回值类型&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;" colspan="2">\r\n
\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#0000AD;">&nbsp;#DLL命令名#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#0000FF;">&nbsp;#返回值类型#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#公开#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td colspan="2" style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#008000;">&nbsp;#DLL备注#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td colspan="5" style="background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;库文件名：&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td colspan="5">\r\n
\t\t\t\t\t<span style="color:#800000;">&nbsp;#库文件名#&nbsp;</span><br />\r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td colspan="5" style="background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;在库中对应命令名：&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td colspan="5">\r\n
\t\t\t\t\t<span style="color:#800000;">&nbsp;#在库中对应命令名#&nbsp;</span><br />\r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// Caption row of the parameters of a DLL command.
constexpr std::string_view kDllParamCaption = R"tpl(
\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;参数名&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;类 型&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;传址&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="background-color:#E6EDE4;">\r\n
\t\t\t\t\t<div style="text-align:center;">\r\n
\t\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n
\t\t\t\t\t</div>\r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="background-color:#E6EDE4;">\r\n
\t\t\t\t\t<div style="text-align:left;">\r\n
\t\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t\t\t</div>\r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// One parameter of a DLL command: #参数名#, #类型#, #传址#, #数组#, #备注#.
constexpr std::string_view kDllParamRow = R"tpl(
\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span>&nbsp;#参数名#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#0000FF;">&nbsp;#类型#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#传址#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#数组#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#008000;">&nbsp;#备注#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// Start of the one table of all constants, with its own wrapper opening and caption row.
constexpr std::string_view kConstantStart = R"tpl(
<div style="position:absolute;width:10000px;height:100px;z-index:1;">\r\n
\t<table cellpadding="3" cellspacing="1" border="1" bordercolor="#337FE5" style="font-family:YaHei Consolas Hybrid,宋体;font-size:15px;">\r\n
\t\t<tbody>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;常量名称&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;常量值&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;" colspan="2">\r\n
\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// One constant: #常量名称#, #常量值#, #公开#, #常量颜色#, #备注#.
constexpr std::string_view kConstantRow = R"tpl(
\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#0000AD;">&nbsp;#常量名称#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#常量颜色#;">&nbsp;#常量值#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#公开#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td colspan="2" style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#008000;">&nbsp;#备注#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// End of the constant table. The wrapper its start opened stays open: that is how the
// IDE's pages are, and a browser closes it with the page.
constexpr std::string_view kConstantEnd = R"tpl(
\r\n
\t</tbody>\r\n
</table>\r\n
)tpl";

// Start of the one table of all global variables: wrapper opening, an empty line, caption row.
constexpr std::string_view kGlobalStart = R"tpl(
<div style="position:absolute;width:10000px;height:100px;z-index:1;">\r\n
\r\n
\t<table cellpadding="3" cellspacing="1" border="1" bordercolor="#337FE5" style="font-family:YaHei Consolas Hybrid,宋体;font-size:15px;">\r\n
\t\t<tbody>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;全局变量名&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;类型&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;" colspan="2">\r\n
\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// One global variable: #全局变量名#, #类型#, #数组#, #公开#, #备注#.
constexpr std::string_view kGlobalRow = R"tpl(
\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span>&nbsp;#全局变量名#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#0000FF;">&nbsp;#类型#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span>&nbsp;#数组#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#公开#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td colspan="2" style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#008000;">&nbsp;#备注#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// End of the global variable table, closing its wrapper too.
constexpr std::string_view kGlobalEnd = R"tpl(
\r\n
\t</tbody>\r\n
</table>\r\n
<br /></div>
)tpl";

// Head of a data type table, left open for the member rows: #数据类型名#, #公开#, #数据类型备注#.
constexpr std::string_view kDataTypeHead = R"tpl(
\t<table cellpadding="3" cellspacing="1" border="1" bordercolor="#337FE5" style="font-family:YaHei Consolas Hybrid,宋体;font-size:15px;">\r\n
\t\t<tbody>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;数据类型名&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;公开&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;" colspan="3">\r\n
\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#0000AD;">&nbsp;#数据类型名#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#公开#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td colspan="3" style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#008000;">&nbsp;#数据类型备注#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// Caption row of the members of a data type.
constexpr std::string_view kMemberCaption = R"tpl(
\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;成员名&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;类 型&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;background-color:#E6EDE4;">\r\n
\t\t\t\t\t<span>&nbsp;传址&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="background-color:#E6EDE4;">\r\n
\t\t\t\t\t<div style="text-align:center;">\r\n
\t\t\t\t\t\t<span>&nbsp;数组&nbsp;</span> \r\n
\t\t\t\t\t</div>\r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="background-color:#E6EDE4;">\r\n
\t\t\t\t\t<div style="text-align:left;">\r\n
\t\t\t\t\t\t<span>&nbsp;备 注&nbsp;</span> \r\n
\t\t\t\t\t</div>\r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// One member of a data type: #成员名#, #类型#, #传址#, #数组#, #备注#.
constexpr std::string_view kMemberRow = R"tpl(
\r\n
\t\t\t<tr>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span>&nbsp;#成员名#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#0000FF;">&nbsp;#类型#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#传址#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:center;">\r\n
\t\t\t\t\t<span style="font-family:YaHei Consolas Hybrid,黑体;color:#800000;"><strong>&nbsp;#数组#&nbsp;</strong></span> \r\n
\t\t\t\t</td>\r\n
\t\t\t\t<td style="text-align:left;">\r\n
\t\t\t\t\t<span style="color:#008000;">&nbsp;#备注#&nbsp;</span> \r\n
\t\t\t\t</td>\r\n
\t\t\t</tr>
)tpl";

// The template text: escapes decoded, source line breaks dropped.
std::string Decode(std::string_view written) {
  std::string text;
  text.reserve(written.size());
  for (size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '\n') continue;
    if (written.compare(i, 2, "\\t") == 0) {
      text += '\t';
      ++i;
    } else if (written.compare(i, 4, "\\r\\n") == 0) {
      text += "\r\n";
      i += 3;
    } else {
      text += written[i];
    }
  }
  return text;
}

TableTemplates DecodeAll() {
  return {
      .open = Decode(kOpen),
      .close = "<br /></div>",
      .tableEnd = Decode(kTableEnd),
      .classTable = Decode(kClassTable),
      .subroutineHead = Decode(kSubroutineHead),
      .subroutineParamCaption = Decode(kSubroutineParamCaption),
      .subroutineParamRow = Decode(kSubroutineParamRow),
      .dllHead = Decode(kDllHead),
      .dllParamCaption = Decode(kDllParamCaption),
      .dllParamRow = Decode(kDllParamRow),
      .constantStart = Decode(kConstantStart),
      .constantRow = Decode(kConstantRow),
      .constantEnd = Decode(kConstantEnd),
      .globalStart = Decode(kGlobalStart),
      .globalRow = Decode(kGlobalRow),
      .globalEnd = Decode(kGlobalEnd),
      .dataTypeHead = Decode(kDataTypeHead),
      .memberCaption = Decode(kMemberCaption),
      .memberRow = Decode(kMemberRow),
  };
}

}  // namespace

const TableTemplates& Templates() {
  static const TableTemplates templates = DecodeAll();
  return templates;
}

}  // namespace ec
