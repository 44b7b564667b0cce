#include "compare/comparison_text.h"

namespace ec {
namespace {

constexpr std::string_view kArrow = " → ";

// Appends `text` line by line, each line after `prefix`. Declaration text and
// remarks break lines with CR LF; a lone CR or LF breaks a line as well, so
// no stray control character reaches the terminal's line layout.
void AppendLines(std::string& out, std::string_view prefix, std::string_view text) {
  while (true) {
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    // An empty line gets no trailing blanks.
    out.append(line.empty() ? prefix.substr(0, prefix.find_last_not_of(' ') + 1) : prefix).append(line).append("\n");
    if (end == std::string_view::npos) return;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
}

bool OneLine(std::string_view text) { return text.find_first_of("\r\n") == std::string_view::npos; }

void AppendInfo(std::string& out, const std::vector<InfoDifference>& info) {
  if (info.empty()) return;
  out += "\n模块信息\n";
  for (const InfoDifference& d : info) {
    out.append("  ~ ").append(InfoHeading(d.field)).append("：");
    if (OneLine(d.oldValue) && OneLine(d.newValue)) {
      out.append(d.oldValue).append(kArrow).append(d.newValue).append("\n");
      continue;
    }
    out += "\n";
    AppendLines(out, "      - ", d.oldValue);
    AppendLines(out, "      + ", d.newValue);
  }
}

std::string LibraryLabel(const LibraryDifference& d) { return d.name + "(" + d.file + ")"; }

void AppendLibraries(std::string& out, const std::vector<LibraryDifference>& libraries) {
  if (libraries.empty()) return;
  out += "\n支持库\n";
  for (const LibraryDifference& d : libraries) {
    switch (d.change) {
      case LibraryDifference::Change::Added: out += "  + " + LibraryLabel(d) + " " + d.newVersion + "\n"; break;
      case LibraryDifference::Change::Removed: out += "  - " + LibraryLabel(d) + " " + d.oldVersion + "\n"; break;
      case LibraryDifference::Change::VersionChanged:
        out.append("  ~ ").append(LibraryLabel(d)).append(" ").append(d.oldVersion).append(kArrow);
        out.append(d.newVersion).append("\n");
        break;
    }
  }
}

void AppendSection(std::string& out, const ComparedModules& m, const KindSection& s) {
  const auto code = [&](const ModuleModel& model, const DeclarationDifference* d, bool old) {
    const auto& place = old ? d->oldPlace : d->newPlace;
    return place ? DeclarationCode(model, d->kind, *place, CodeMode::PlainText) : std::string();
  };
  out.append("\n").append(KindHeading(s.kind)).append("：");
  out.append(CountsText(s.added.size(), s.removed.size(), s.changed.size())).append("\n");
  for (const DeclarationDifference* d : s.added) {
    out += "  + " + QualifiedName(*d) + "\n";
    AppendLines(out, "      ", code(m.newModel, d, false));
  }
  for (const DeclarationDifference* d : s.removed) {
    out += "  - " + QualifiedName(*d) + "\n";
    AppendLines(out, "      ", code(m.oldModel, d, true));
  }
  for (const DeclarationDifference* d : s.changed) {
    out += "  ~ " + QualifiedName(*d) + "（" + FieldHeadings(*d) + "）\n";
    AppendLines(out, "    - ", code(m.oldModel, d, true));
    AppendLines(out, "    + ", code(m.newModel, d, false));
  }
}

}  // namespace

std::string ComparisonText(const ComparedModules& m) {
  std::string out;
  out.append("旧：").append(m.oldFile).append("（").append(ModuleLabel(m.oldModel)).append("）\n");
  out.append("新：").append(m.newFile).append("（").append(ModuleLabel(m.newModel)).append("）\n");
  if (m.result.Same()) return out + "\n没有差别。\n";
  AppendInfo(out, m.result.info);
  AppendLibraries(out, m.result.libraries);
  for (const KindSection& s : SectionsByKind(m.result)) AppendSection(out, m, s);
  out += "\n共计：" + CountsText(m.result.added.size(), m.result.removed.size(), m.result.changed.size()) + "\n";
  return out;
}

}  // namespace ec
