// Writes examples/sample.ec, the module a newcomer sees first: a small text
// and file helper module with every kind of declaration the viewer shows.
//
//   build/make_sample examples/sample.ec
#include <cmath>
#include <cstdint>
#include <iostream>

#include "support/file_bytes.h"
#include "tools/module_writer/module_writer.h"

using namespace ec;
using namespace ec::writer;

namespace {

constexpr int32_t kByte = static_cast<int32_t>(0x80000101);
constexpr int32_t kInt = static_cast<int32_t>(0x80000301);
constexpr int32_t kDouble = static_cast<int32_t>(0x80000601);
constexpr int32_t kBool = static_cast<int32_t>(0x80000002);
constexpr int32_t kDate = static_cast<int32_t>(0x80000003);
constexpr int32_t kText = static_cast<int32_t>(0x80000004);
constexpr int32_t kBytes = static_cast<int32_t>(0x80000005);
constexpr int16_t kByRef = 2, kOptional = 4, kArray = 8;

int32_t g_nextKey = 0x25000001;

VariableRecord Var(const char* name, int32_t type, const char* remarks = "", int16_t attributes = 0,
                   std::vector<int32_t> dimensions = {}) {
  VariableRecord v;
  v.key = g_nextKey++;
  v.typeCode = type;
  v.attributeWord = attributes;
  v.dimensions = std::move(dimensions);
  v.dimensionCount = static_cast<uint8_t>(v.dimensions.size());
  v.name = G(name);
  v.remarks = G(remarks);
  return v;
}

SubroutineRecord Sub(int32_t key, const char* name, int32_t returnType, const char* remarks, bool isPublic,
                     std::vector<VariableRecord> parameters) {
  SubroutineRecord s;
  s.entry.key = key;
  s.attributes = isPublic ? SubroutineRecord::kPublic : 0;
  s.returnTypeCode = returnType;
  s.name = G(name);
  s.remarks = G(remarks);
  s.parameters = std::move(parameters);
  return s;
}

ClassRecord Set(int32_t key, const char* name, const char* remarks, std::vector<int32_t> members,
                int32_t baseType = 0) {
  ClassRecord c;
  c.entry.key = key;
  c.name = G(name);
  c.remarks = G(remarks);
  c.memberKeys = std::move(members);
  c.baseTypeCode = baseType;
  return c;
}

ConstantRecord Const(int32_t key, const char* name, const char* remarks, ConstantValue value) {
  ConstantRecord c;
  c.key = key;
  c.name = G(name);
  c.remarks = G(remarks);
  c.value = std::move(value);
  return c;
}

ProgramSegment Program() {
  ProgramSegment p;
  p.header.libraries = {
      G("krnln\rd09f2340818511d396f6aaf844c7e325\r5\r6\r系统核心支持库"),
      G("shell\r52F260023059454187AF826A3C07AF2A\r2\r0\r操作系统界面功能支持库"),
      G("iext\r27bb20fdd3e145e4bee3db39ddd6e64c\r2\r0\r扩展界面支持库一"),
  };
  const int32_t kStringSet = 0x09000001, kFileSet = 0x09000002, kBufferClass = 0x09000003, kBase = 0x09000004;
  const int32_t kPoint = 0x41000001, kRecord = 0x41000002;
  p.classes = {
      Set(kStringSet, "文本处理", "常用的文本处理子程序", {0x04000001, 0x04000002, 0x04000003, 0x04000004}),
      Set(kFileSet, "文件操作", "读写文件与目录的辅助子程序", {0x04000005, 0x04000006, 0x04000007}),
      Set(kBase, "基础对象", "所有缓冲区的基类", {0x04000008}),
      Set(kBufferClass, "类_文本缓冲区", "可追加内容的文本缓冲区，适合大量拼接", {0x04000009, 0x0400000A, 0x0400000B, 0x0400000C},
          kBase),
  };
  p.subroutines = {
      Sub(0x04000001, "取文本中间", kText, "取出两个标记之间的文本，找不到时返回空文本", true,
          {Var("原文本", kText, "要查找的文本"), Var("开始标记", kText), Var("结束标记", kText),
           Var("起始位置", kInt, "从第几个字符开始查找，默认为 1", kOptional)}),
      Sub(0x04000002, "快速取文本", kText, "按行号取出一行文本", true,
          {Var("文本", kText), Var("行号", kInt, "从 1 开始")}),
      Sub(0x04000003, "分割文本到数组", kInt, "返回分割后的成员数", true,
          {Var("文本", kText), Var("分隔符", kText), Var("结果数组", kText, "接收分割结果", kByRef | kArray)}),
      Sub(0x04000004, "内部_清理空白", kText, "仅供本程序集使用", false, {Var("文本", kText)}),
      Sub(0x04000005, "读入文本文件", kText, "以 GBK 编码读入整个文本文件", true,
          {Var("文件名", kText), Var("是否去掉BOM", kBool, "", kOptional)}),
      Sub(0x04000006, "写出文本文件", kBool, "成功返回真", true,
          {Var("文件名", kText), Var("内容", kText), Var("追加", kBool, "为真时追加到文件末尾", kOptional)}),
      Sub(0x04000007, "内部_确认目录", kBool, "", false, {Var("目录", kText)}),
      Sub(0x04000008, "取类型名称", kText, "返回对象的类型名称", true, {}),
      Sub(0x04000009, "追加", 0, "在缓冲区末尾追加文本", true, {Var("内容", kText)}),
      Sub(0x0400000A, "取内容", kText, "取出缓冲区的全部内容", true, {}),
      Sub(0x0400000B, "清空", 0, "", true, {}),
      Sub(0x0400000C, "_扩容", 0, "内部方法：按需扩大缓冲区", false, {Var("需要长度", kInt)}),
      Sub(0x0400000D, "未归属子程序", kInt, "没有程序集列出它，显示在最后一组", true, {Var("值", kInt)}),
  };
  p.globals = {
      Var("集_默认编码", kText, "读写文件时使用的编码"),
      Var("集_缓冲表", kInt, "二维缓冲区表", 0, {2, 3}),
      Var("集_上次错误", kText),
  };
  DataTypeRecord point;
  point.entry.key = kPoint;
  point.name = G("坐标");
  point.remarks = G("平面上的一个点");
  point.members = {Var("横向", kInt), Var("纵向", kInt)};
  DataTypeRecord record;
  record.entry.key = kRecord;
  record.name = G("文件记录");
  record.remarks = G("一个文件的基本信息");
  record.members = {Var("名称", kText), Var("大小", kDouble, "字节数"), Var("修改时间", kDate),
                    Var("数据", kBytes, "", kByRef), Var("标签", kText, "多个标签", kArray, {4}),
                    Var("位置", kPoint), Var("校验", kByte)};
  p.dataTypes = {point, record};
  DllCommandRecord box;
  box.entry.key = 0x0A000001;
  box.returnTypeCode = kInt;
  box.name = G("信息框_API");
  box.remarks = G("调用 \"MessageBoxA\" 显示信息框");
  box.libraryFile = "user32.dll";
  box.nameInLibrary = "MessageBoxA";
  box.parameters = {Var("窗口句柄", kInt), Var("内容", kText), Var("标题", kText), Var("风格", kInt)};
  DllCommandRecord tick;
  tick.entry.key = 0x0A000002;
  tick.returnTypeCode = kInt;
  tick.name = G("取启动时间");
  tick.remarks = G("库文件名为空：由系统核心库提供");
  tick.nameInLibrary = "GetTickCount";
  DllCommandRecord copy;
  copy.entry.key = 0x0A000003;
  copy.returnTypeCode = 0;
  copy.name = G("复制内存");
  copy.libraryFile = "kernel32.dll";
  copy.nameInLibrary = "RtlMoveMemory";
  copy.parameters = {Var("目标", kInt, "", kByRef), Var("源", kBytes, "", kByRef), Var("长度", kInt)};
  p.dllCommands = {box, tick, copy};
  return p;
}

// A 32 × 32 picture of the module box the viewer draws in its tree, as a
// 24-bit BMP: the three faces of a cube seen from above.
void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xff);
}

std::string BoxPicture() {
  constexpr int kSide = 32;
  std::string bmp = "BM";
  for (uint32_t v : {54u + kSide * kSide * 3, 0u, 54u, 40u, uint32_t{kSide}, uint32_t{kSide}}) PutLittleEndian(bmp, v, 4);
  PutLittleEndian(bmp, 1, 2);   // planes
  PutLittleEndian(bmp, 24, 2);  // bits per pixel
  bmp.append(24, '\0');          // no compression, default sizes and colours
  for (int row = kSide - 1; row >= 0; --row) {  // rows are stored bottom-up
    for (int col = 0; col < kSide; ++col) {
      // The svg icon's corners, twice as big: the top face lies between the
      // upper and the middle line, the two side faces below the middle line.
      const double x = col + 0.5, y = row + 0.5, slope = 6 * (1 - std::abs(x - 16) / 12);
      const double upper = 10 - slope, middle = 10 + slope;
      uint32_t rgb = 0xffffff;
      if (x >= 4 && x <= 28 && y >= upper && y <= middle) rgb = 0xa4c2ea;
      if (x >= 4 && x <= 28 && y > middle && y <= middle + 14) rgb = x < 16 ? 0x1c5db8 : 0x164a93;
      PutLittleEndian(bmp, rgb, 3);  // blue, green, red
    }
  }
  return bmp;
}

ResourceSegment Resources() {
  ResourceSegment r;
  r.constants = {
      Const(0x10000001, "常量_圆周率", "保留 15 位小数", ConstantValue::OfNumber(3.141592653589793)),
      Const(0x10000002, "常量_最大行数", "", ConstantValue::OfNumber(65535)),
      Const(0x10000003, "常量_调试模式", "发布前改为假", ConstantValue::OfLogical(true)),
      Const(0x10000004, "常量_发布日期", "", ConstantValue::OfDateTime(46000.5)),
      Const(0x10000005, "常量_换行符", "Windows 换行", ConstantValue::OfText("\r\n")),
      Const(0x10000006, "常量_作者", "", ConstantValue::OfText(G("澜禾"))),
      Const(0x10000007, "常量_空值", "没有值的常量", {}),
      Const(0x20000001, "图标数据", "程序图标的字节集", ConstantValue::OfBytes(BoxPicture())),
      Const(0x30000001, "提示音", "", ConstantValue::OfBytes(std::string("RIFF\x24\x00\x00\x00WAVE", 12))),
  };
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sample OUT.ec\n";
    return 2;
  }
  ModuleSegments segments;
  segments.systemInfo = SystemInfoRecord{.systemVersionMajor = 5, .systemVersionMinor = 6};
  UserInfoRecord info;
  info.name = G("文本与文件工具");
  info.remarks = G("处理文本、读写文件的常用子程序与一个文本缓冲区类。\r\n适合初学者阅读。\r\n@备注 本段为内部备注，查看器不显示。");
  info.author = G("澜禾");
  info.infoTexts = {G("ecview 示例"), "", G("https://example.invalid/ecview"), "", "", "", ""};
  info.versionMajor = 1;
  info.versionMinor = 2;
  segments.userInfo = info;
  segments.program = Program();
  segments.resources = Resources();
  segments.initialModules = SegmentPlaceholder{};
  segments.auxInfo1 = SegmentPlaceholder{};
  if (!WriteFileBytes(argv[1], BuildModule(segments))) {
    std::cerr << "make_sample: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
