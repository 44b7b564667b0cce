// Writes a few seeds for matcher_fuzz into the folder given as argv[1]:
// option byte, pattern, zero, subject, zero, replacement.
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 1;
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  const std::string seeds[] = {
      std::string("\x07") + "\r\n@备注[\\s\\S]+" + '\0' + "说明\r\n@备注 作者" + '\0',
      std::string("\x0F") + "取*本|a?b" + '\0' + "快速取文本 aXb" + '\0' + "[$&]",
      std::string("\x05") + "(\\w+)@(\\w+)" + '\0' + "a@b c@d" + '\0' + "$2$1$$",
      std::string("\x06") + "(a+)+$" + '\0' + "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!" + '\0' + "x",
      std::string("\x07") + "x*|^|$" + '\0' + "a\nb\r\n" + '\0' + "-",
  };
  int i = 0;
  for (const std::string& seed : seeds)
    std::ofstream(dir / ("seed" + std::to_string(i++)), std::ios::binary) << seed;
  return 0;
}
