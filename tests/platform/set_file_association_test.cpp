#include "platform/set_file_association.h"

#include <gtest/gtest.h>

#include "platform/memory_registry.h"
#include "platform/recording_registry.h"
#include "platform/registry_file_association.h"

namespace ec {
namespace {

constexpr auto kRoot = RegistryRoot::kClassesRoot;
const std::string kProgram = R"(C:\Program Files\澜禾 ecview\ecview.exe)";

AssociationRequest RegisterRequest(const std::string& program) {
  return {.program_path = program, .extensions = "ec", .icon_file = "",
          .description = "易语言模块", .type_name = "", .own_program = program};
}

AssociationRequest RemoveRequest(const std::string& own_program) {
  return {.program_path = "  ", .extensions = "ec", .icon_file = "",
          .description = "易语言模块", .type_name = "", .own_program = own_program};
}

std::vector<std::string> Changes(MemoryRegistry& registry, const AssociationRequest& request) {
  RecordingRegistry recorder(registry);
  SetFileAssociation(recorder, request);
  return recorder.changes();
}

TEST(SetFileAssociation, RegisteringWritesTheFiveValuesInOrderThenNotifies) {
  MemoryRegistry registry;
  const auto changes = Changes(registry, RegisterRequest(kProgram));
  const std::vector<std::string> expected = {
      R"(set HKEY_CLASSES_ROOT\ec (default) = 易语言模块)",
      R"(set HKEY_CLASSES_ROOT\ec EditFlags = 2 (number))",
      R"(set HKEY_CLASSES_ROOT\ec\Shell\Open\Command (default) = ")" + kProgram + R"(" "%1")",
      R"(set HKEY_CLASSES_ROOT\ec\DefaultIcon (default) = )" + kProgram + ",0",
      R"(set HKEY_CLASSES_ROOT\.ec (default) = ec)",
      "notified the shell that file associations changed",
  };
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(registry.ReadNumber(kRoot, "ec", "EditFlags"), 2u);
  EXPECT_EQ(registry.ReadString(kRoot, "ec", "EditFlags"), std::nullopt);
  EXPECT_TRUE(registry.HasKey(kRoot, R"(ec\Shell\Open)"));
  EXPECT_EQ(registry.notifications(), 1);
}

TEST(SetFileAssociation, SeveralExtensionsShareOneTypeAndBlanksAreKept) {
  MemoryRegistry registry;
  auto request = RegisterRequest(" C:\\e\\v.exe ");
  request.extensions = "ec|ecx";
  request.icon_file = "C:\\icons\\m.ico";
  Changes(registry, request);
  EXPECT_EQ(registry.ReadString(kRoot, ".ec", ""), "ec|ecx");
  EXPECT_EQ(registry.ReadString(kRoot, ".ecx", ""), "ec|ecx");
  EXPECT_EQ(registry.ReadString(kRoot, R"(ec|ecx\Shell\Open\Command)", ""),
            R"(" C:\e\v.exe " "%1")");
  EXPECT_EQ(registry.ReadString(kRoot, R"(ec|ecx\DefaultIcon)", ""), R"(C:\icons\m.ico,0)");
}

TEST(SetFileAssociation, RemovingOwnRegistrationDeletesDeepestKeysFirstAndKeepsDotKey) {
  MemoryRegistry registry;
  registry.WriteString(kRoot, "txtfile", "", "Text");
  Changes(registry, RegisterRequest(kProgram));
  // Letter case of the stored path does not matter on Windows.
  auto own = kProgram;
  own[0] = 'c';
  const auto changes = Changes(registry, RemoveRequest(own));
  const std::vector<std::string> expected = {
      R"(deleted key HKEY_CLASSES_ROOT\ec\DefaultIcon)",
      R"(deleted key HKEY_CLASSES_ROOT\ec\Shell\Open\Command)",
      R"(deleted key HKEY_CLASSES_ROOT\ec\Shell\Open)",
      R"(deleted key HKEY_CLASSES_ROOT\ec\Shell)",
      R"(deleted key HKEY_CLASSES_ROOT\ec)",
      R"(set HKEY_CLASSES_ROOT\.ec (default) = )",
      "notified the shell that file associations changed",
  };
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(registry.Dump(), "0:.ec\n   = \n0:txtfile\n   = Text\n");
  EXPECT_EQ(registry.notifications(), 2);
}

TEST(SetFileAssociation, RemovalKeepsKeysThatHoldOtherVerbs) {
  MemoryRegistry registry;
  Changes(registry, RegisterRequest(kProgram));
  registry.WriteString(kRoot, R"(ec\Shell\Edit\Command)", "", "notepad.exe %1");
  Changes(registry, RemoveRequest(kProgram));
  EXPECT_FALSE(registry.HasKey(kRoot, R"(ec\Shell\Open)"));
  EXPECT_FALSE(registry.HasKey(kRoot, R"(ec\DefaultIcon)"));
  EXPECT_EQ(registry.ReadString(kRoot, R"(ec\Shell\Edit\Command)", ""), "notepad.exe %1");
  EXPECT_EQ(registry.ReadString(kRoot, ".ec", ""), "");
}

TEST(SetFileAssociation, RemovalWithoutTypeChangesOnlyTheDotKeysDefault) {
  MemoryRegistry registry;
  registry.WriteString(kRoot, ".ec", "", "");
  registry.WriteString(kRoot, ".ec", "Content Type", "application/x-e-module");
  registry.WriteString(kRoot, R"(Shell\Open\Command)", "", "x");
  registry.WriteString(kRoot, "DefaultIcon", "", "y");
  const std::string before = registry.Dump();
  auto changes = Changes(registry, RemoveRequest(kProgram));
  EXPECT_EQ(changes.front(), R"(set HKEY_CLASSES_ROOT\.ec (default) = )");
  EXPECT_EQ(changes.size(), 2u);
  EXPECT_EQ(registry.Dump(), before);

  // With no .ec key at all, removal creates none.
  MemoryRegistry empty;
  changes = Changes(empty, RemoveRequest(kProgram));
  EXPECT_EQ(changes, std::vector<std::string>{"notified the shell that file associations changed"});
  EXPECT_FALSE(empty.HasKey(kRoot, ".ec"));
}

TEST(SetFileAssociation, ForeignRegistrationIsLeftAlone) {
  const std::vector<std::string> commands = {
      R"("C:\Other\other.exe" "%1")", R"(C:\Other\other.exe %1)", "\"" + kProgram + "x\" \"%1\""};
  for (const auto& command : commands) {
    MemoryRegistry registry;
    registry.WriteString(kRoot, ".ec", "", "Other.Module");
    registry.WriteString(kRoot, "Other.Module", "", "Other");
    registry.WriteString(kRoot, R"(Other.Module\Shell\Open\Command)", "", command);
    registry.WriteString(kRoot, R"(Other.Module\DefaultIcon)", "", "other.ico");
    const std::string before = registry.Dump();
    const auto changes = Changes(registry, RemoveRequest(kProgram));
    EXPECT_EQ(changes, std::vector<std::string>{"notified the shell that file associations changed"})
        << command;
    EXPECT_EQ(registry.Dump(), before) << command;
  }

  // A type with no open command runs nothing of ours either.
  MemoryRegistry bare;
  bare.WriteString(kRoot, ".ec", "", "Bare");
  bare.WriteString(kRoot, "Bare", "", "x");
  const std::string before = bare.Dump();
  Changes(bare, RemoveRequest(kProgram));
  EXPECT_EQ(bare.Dump(), before);
}

TEST(SetFileAssociation, OwnCommandIsRecognisedAfterExpansionAndWithoutQuotes) {
  MemoryRegistry registry;
  registry.SetVariable("ProgramFiles", R"(C:\Program Files)");
  registry.WriteString(kRoot, ".ec", "", "ec");
  registry.WriteExpandableString(kRoot, R"(ec\Shell\Open\Command)", "",
                                 R"("%ProgramFiles%\ecview\ecview.exe" "%1")");
  Changes(registry, RemoveRequest(R"(C:\Program Files\ecview\ecview.exe)"));
  EXPECT_FALSE(registry.HasKey(kRoot, "ec"));

  EXPECT_EQ(ProgramOfCommand(R"(C:\e\ecview.exe "%1")"), R"(C:\e\ecview.exe)");
  EXPECT_EQ(ProgramOfCommand(R"(  "C:\e f\ecview.exe)"), R"(C:\e f\ecview.exe)");
  EXPECT_EQ(ProgramOfCommand(""), "");
}

// Refuses every number, as a registry without write access to one value might.
class NoNumberRegistry : public MemoryRegistry {
 public:
  bool WriteNumber(RegistryRoot, std::string_view, std::string_view, std::uint32_t) override {
    return false;
  }
};

TEST(SetFileAssociation, AFailedStepDoesNotStopTheRest) {
  NoNumberRegistry registry;
  RecordingRegistry recorder(registry);
  SetFileAssociation(recorder, RegisterRequest(kProgram));
  EXPECT_EQ(recorder.failed_writes(),
            std::vector<std::string>{R"(set HKEY_CLASSES_ROOT\ec EditFlags = 2 (number))"});
  EXPECT_EQ(registry.ReadString(kRoot, ".ec", ""), "ec");
  EXPECT_EQ(registry.notifications(), 1);
}

TEST(ApplyAssociation, CheckMarkChoosesBetweenRegisteringAndRemoving) {
  MemoryRegistry registry;
  RegistryFileAssociation association(registry);
  const auto on = ApplyAssociation(association, true, std::filesystem::path("/opt/ecview/ecview"));
  EXPECT_EQ(on.changes.size(), 6u);
  EXPECT_TRUE(on.failures.empty());
  EXPECT_EQ(registry.ReadString(kRoot, R"(ec\Shell\Open\Command)", ""),
            R"("/opt/ecview/ecview" "%1")");
  ApplyAssociation(association, false, std::filesystem::path("/opt/ecview/ecview"));
  EXPECT_FALSE(registry.HasKey(kRoot, "ec"));
  EXPECT_EQ(registry.ReadString(kRoot, ".ec", ""), "");
}

TEST(MemoryRegistry, KeyWithSubkeysSurvivesDeletionWhateverItsSiblings) {
  MemoryRegistry registry;
  registry.WriteString(kRoot, R"(ec\Shell)", "", "");
  registry.WriteString(kRoot, "ec.x", "", "");  // sorts between "ec" and "ec\Shell"
  EXPECT_FALSE(registry.DeleteKey(kRoot, "EC"));
  EXPECT_TRUE(registry.DeleteKey(kRoot, R"(EC\shell)"));
  EXPECT_TRUE(registry.DeleteKey(kRoot, "ec"));
  EXPECT_FALSE(registry.DeleteKey(kRoot, ""));
  EXPECT_TRUE(registry.HasKey(kRoot, "ec.x"));
}

}  // namespace
}  // namespace ec
