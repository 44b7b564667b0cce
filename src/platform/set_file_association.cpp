#include "platform/set_file_association.h"
#include "support/plain_text.h"

#include <vector>

namespace ec {
namespace {

constexpr std::uint32_t kEditFlags = 2;

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> SplitExtensions(std::string_view list) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar = list.find('|'); bar != std::string_view::npos; bar = list.find('|', start)) {
    parts.emplace_back(list.substr(start, bar - start));
    start = bar + 1;
  }
  parts.emplace_back(list.substr(start));
  return parts;
}

// Windows compares paths without regard to letter case.
bool SamePath(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool RunsProgram(Registry& registry, RegistryRoot root, const std::string& type, std::string_view program) {
  const auto command = registry.ReadString(root, type + "\\Shell\\Open\\Command", "");
  return command && !TrimBlanks(program).empty() && SamePath(ProgramOfCommand(*command), program);
}

// A value named like the path's last element goes first; only when there is
// none does the key itself go. Keys with subkeys survive, so callers delete
// the deepest paths first.
void DeleteValueOrKey(Registry& registry, RegistryRoot root, std::string_view path) {
  const size_t slash = path.rfind('\\');
  const std::string_view parent = slash == std::string_view::npos ? "" : path.substr(0, slash);
  const std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (!registry.DeleteValue(root, parent, last)) registry.DeleteKey(root, path);
}

void RemoveExtension(Registry& registry, RegistryRoot root, const std::string& extension,
                     std::string_view own) {
  const std::string ext_key = "." + extension;
  const auto type = registry.ReadString(root, ext_key, "");
  if (!type) return;  // nothing to empty, and no key to create
  if (!type->empty()) {
    if (!RunsProgram(registry, root, *type, own)) return;  // another program's registration
    for (const char* sub : {"\\DefaultIcon", "\\Shell\\Open\\Command", "\\Shell\\Open", "\\Shell", ""}) {
      DeleteValueOrKey(registry, root, *type + sub);
    }
  }
  registry.WriteString(root, ext_key, "", "");
}

void Register(Registry& registry, const AssociationRequest& request) {
  const std::string& program = request.program_path;
  const std::string& icon = request.icon_file.empty() ? program : request.icon_file;
  const std::string& type = request.type_name.empty() ? request.extensions : request.type_name;
  const RegistryRoot root = request.root;
  registry.WriteString(root, type, "", request.description);
  registry.WriteNumber(root, type, "EditFlags", kEditFlags);
  registry.WriteString(root, type + "\\Shell\\Open\\Command", "", OpenCommandFor(program));
  registry.WriteString(root, type + "\\DefaultIcon", "", icon + ",0");
  for (const auto& extension : SplitExtensions(request.extensions)) {
    registry.WriteString(root, "." + extension, "", type);
  }
}

}  // namespace

std::string OpenCommandFor(std::string_view program_path) {
  return "\"" + std::string(program_path) + "\" \"%1\"";
}

std::string ProgramOfCommand(std::string_view command) {
  command = TrimBlanks(command);
  if (command.starts_with('"')) {
    const size_t close = command.find('"', 1);
    return std::string(command.substr(1, close == std::string_view::npos ? close : close - 1));
  }
  return std::string(command.substr(0, command.find(' ')));
}

void SetFileAssociation(Registry& registry, const AssociationRequest& request) {
  if (TrimBlanks(request.program_path).empty()) {
    for (const auto& extension : SplitExtensions(request.extensions)) {
      RemoveExtension(registry, request.root, extension, request.own_program);
    }
  } else {
    Register(registry, request);
  }
  registry.NotifyAssociationsChanged();
}

}  // namespace ec
