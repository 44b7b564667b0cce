// Writes a few seeds for match_name_fuzz into the folder given as argv[1]:
// search text, a zero byte, name.
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 1;
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  const std::string seeds[] = {
      std::string("QWB") + '\0' + "取文本",
      std::string("wb") + '\0' + "快速取文本",
      std::string("取文") + '\0' + "快速取文本",
      std::string("a|b*") + '\0' + "xAyB",
      std::string("a.b") + '\0' + "A.Bc",
      std::string("qw") + '\0' + "a取q文\xE5\x8F",
  };
  int i = 0;
  for (const std::string& seed : seeds)
    std::ofstream(dir / ("seed" + std::to_string(i++)), std::ios::binary) << seed;
  return 0;
}
