// Writes the seed corpus of store_fuzz: settings files of the usual shapes,
// each followed by bytes that the fuzzer turns into operations.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "support/gbk_codec.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: store_fuzz_seeds FOLDER\n";
    return 2;
  }
  const std::vector<std::string> files = {
      "",
      "[s]\r\na=1",
      "[s]\r\nb=2\r\na=1\r\n[t]\r\nc=3",
      ec::Utf8ToGbk("[主界面]\r\n编辑框模块文件=D:\\易语言\\模块.ec\r\n选择框关联=真\r\n已执行关联=假"),
      ec::Utf8ToGbk("[批量搜索]\r\n目录路径=C:\\\r\n组合框类型=2\r\n组合框类型.内容=第一行┊*┊第二行"),
      "[s]\r\nv=[t]\r\n[u] junk\r\nk=1\r\n[s]\r\nk=dup",
      "x=1\r\n[s]\r\n\r\n=\r\nk=\r\n[]\r\nk=2\r\n",
  };
  int index = 0;
  for (const auto& content : files) {
    // The content as the fuzzer's string reader expects it (a backslash doubled,
    // a backslash and another byte at the end), then bytes for the operations.
    std::string seed;
    for (char c : content) seed += c == '\\' ? std::string("\\\\") : std::string(1, c);
    seed += "\\" + std::string("\x01s\x01k\x01v\x02\x03\x04\x05\x0a\x09", 10);
    std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(index++), std::ios::binary) << seed;
  }
  return 0;
}
