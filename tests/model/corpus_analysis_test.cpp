// Analysis of the real modules of the corpus, each read from a private copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "model/module_analysis.h"
#include "support/file_bytes.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"
#include "tests/support/corpus.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

std::vector<size_t> GroupSizes(const ModuleModel& m) {
  std::vector<size_t> sizes;
  for (const SubroutineGroup& g : m.subroutineGroups) sizes.push_back(g.subroutines.size());
  return sizes;
}

class CorpusAnalysis : public ::testing::Test {
 protected:
  void SetUp() override { EC_SKIP_WITHOUT_CORPUS(); }
  // Analyses a copy as the viewer does (repairing allowed); the corpus carries
  // correct check values, so the copy must come out unchanged.
  ModuleModel Analyse(const std::string& name) {
    const std::string path = dir_.File(name);
    fs::copy_file(test::CorpusDir() / name, path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const std::string before = ReadFileBytes(path).value_or("");
    ModuleModel model;
    EXPECT_TRUE(analyseModule(path, model)) << name;
    EXPECT_EQ(ReadFileBytes(path), before) << name;
    ModuleModel readOnly;
    EXPECT_TRUE(analyseModule(path, readOnly, {.readOnly = true})) << name;
    EXPECT_EQ(readOnly, model) << name;
    return model;
  }
  test::TempDir dir_;
};

TEST_F(CorpusAnalysis, EveryModuleKeepsTheModelInvariants) {
  for (const auto& file : fs::directory_iterator(test::CorpusDir())) {
    const std::string name = file.path().filename().string();
    if (name == "README.md") continue;
    const ModuleModel m = Analyse(name);
    // Intact: complete, no problems, nothing repaired (an unknown segment leaves only its message).
    EXPECT_EQ(m.outcome, ReadOutcome{.readerMessage = m.outcome.readerMessage}) << name;
    EXPECT_TRUE(m.outcome.readerMessage.empty() || m.outcome.readerMessage.starts_with("未知段[")) << name;
    EXPECT_FALSE(m.subroutineGroups.empty()) << name;
    EXPECT_FALSE(m.support.libraries.empty()) << name;
    for (const SubroutineGroup& g : m.subroutineGroups) {
      EXPECT_FALSE(g.subroutines.empty()) << name;
      for (const Subroutine& s : g.subroutines) EXPECT_FALSE(s.name.empty()) << name;
    }
    for (const Constant& c : m.constants) EXPECT_FALSE(c.name.empty()) << name;
    for (const GlobalVar& g : m.globals) EXPECT_FALSE(g.type.empty()) << name << ' ' << g.name;
  }
}

TEST_F(CorpusAnalysis, SuperPE) {
  const ModuleModel m = Analyse("Super-PE.ec");
  EXPECT_EQ(m.info.name, "PE构造模块");
  EXPECT_EQ(m.info.versionMajor, 1);
  EXPECT_EQ(m.info.versionMinor, 9);
  EXPECT_EQ(m.support.systemVersion, "5.6");
  ASSERT_EQ(m.support.libraries.size(), 1u);
  EXPECT_EQ(SplitLibraryEntry(m.support.libraries[0]).name, "系统核心支持库");
  EXPECT_EQ(SplitLibraryEntry(m.support.libraries[0]).field1, "krnln");
  EXPECT_EQ(GroupSizes(m), (std::vector<size_t>{14, 2}));
  EXPECT_TRUE(m.classes.empty() && m.dataTypes.empty() && m.dllCommands.empty() && m.constants.empty());
  ASSERT_EQ(m.globals.size(), 2u);
  EXPECT_EQ(m.globals[0], (GlobalVar{"PE_IATAddr", "'没啥用,给以前写过的代码准备的", "整数型", {}}));
}

TEST_F(CorpusAnalysis, MksetupDeclarations) {
  const ModuleModel m = Analyse("mksetup.e");
  EXPECT_EQ(GroupSizes(m), (std::vector<size_t>{57, 16, 6, 2, 5, 4}));
  ASSERT_EQ(m.dataTypes.size(), 1u);
  EXPECT_EQ(m.dataTypes[0].name, "安装包生成信息");
  ASSERT_EQ(m.dataTypes[0].members.size(), 7u);
  EXPECT_EQ(m.dataTypes[0].members[5].type, "字节集");
  ASSERT_EQ(m.dllCommands.size(), 1u);
  const DllCommand& dll = m.dllCommands[0];
  EXPECT_EQ(dll.libraryFile, "mksetup.dll");
  EXPECT_EQ(dll.nameInLibrary, "CreateSetupFiles");
  EXPECT_EQ(dll.returnType, "逻辑型");
  ASSERT_EQ(dll.params.size(), 3u);
  EXPECT_EQ(dll.params[0].type, "安装包生成信息");  // a parameter typed by the module's own data type
  ASSERT_EQ(m.constants.size(), 18u);
  EXPECT_EQ(m.constants[0].value.kind, ConstantValue::Kind::Bytes);
  EXPECT_EQ(m.constants[0].value.bytes.size(), 14623u);
  EXPECT_EQ(m.constants[1].value.bytes.size(), 9422u);
  EXPECT_EQ(m.globals.size(), 16u);
  const auto array = std::find_if(m.globals.begin(), m.globals.end(),
                                  [](const GlobalVar& g) { return g.name == "用户程序所需文件"; });
  ASSERT_NE(array, m.globals.end());
  EXPECT_EQ(array->dimensions, std::vector<int32_t>{0});
  EXPECT_TRUE(m.globals[0].dimensions.empty());
}

TEST_F(CorpusAnalysis, SetupTextConstantsAndDllCommands) {
  const ModuleModel m = Analyse("setup.e");
  std::map<std::string, std::string> texts;
  for (const Constant& c : m.constants)
    if (c.value.kind == ConstantValue::Kind::Text) texts[c.name] = c.value.bytes;
  EXPECT_EQ(texts["安装文件后缀"], "log");
  EXPECT_EQ(texts["常量_卸载配置项"], "uninstall.ini");
  ASSERT_EQ(m.dllCommands.size(), 5u);
  EXPECT_EQ(m.dllCommands[0].libraryFile, "");  // a DLL command without a library name
  EXPECT_EQ(m.dllCommands[0].nameInLibrary, "GetWindowsDirectoryA");
}

}  // namespace
}  // namespace ec
