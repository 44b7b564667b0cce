#include "app/viewer_command_line.h"

#include <QCommandLineParser>

#include <vector>

#include "support/program_version.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

// Where an option's value goes.
enum class Target { kNone, kHelp, kVersion, kNewWindow, kOutput, kFind, kCompare, kUses, kEnd, kZoom, kDirtree, kSearch };

struct OptionRow {
  QStringList names;
  const char* valueName;  // "" for a switch
  const char* description;
  Target target;
};

const std::vector<OptionRow>& OptionTable() {
  static const std::vector<OptionRow> table = {
      {{"new-window"}, "", "open a viewer of its own, even when one is running", Target::kNewWindow},
      {{"screenshot"}, "OUT.png", "save a picture of the window showing MODULE.ec and end", Target::kOutput},
      {{"find"}, "TEXT", "with --screenshot: find TEXT in the module's tree first", Target::kFind},
      {{"compare"}, "OLD.ec", "with --screenshot: show the comparison with the older OLD.ec", Target::kCompare},
      {{"uses"}, "TYPE", "with --screenshot: show the uses of the data type or class TYPE", Target::kUses},
      {{"end"}, "", "with --screenshot: the end of the page, once the whole page is drawn", Target::kEnd},
      {{"zoom"}, "PERCENT", "with --screenshot: the page and the tree at PERCENT zoom", Target::kZoom},
      {{"dirtree"}, "PATH", "with --screenshot: the directory-tree panel alone, PATH located", Target::kDirtree},
      {{"search"}, "FOLDER", "with --screenshot: the search window after searching FOLDER for TEXT", Target::kSearch},
      {{"h", "help"}, "", "print this help and exit", Target::kHelp},
      {{"version"}, "", "print the version and exit", Target::kVersion},
  };
  return table;
}

constexpr char kUsage[] =
    "usage: ecview [--new-window] [MODULE.ec]\n"
    "       ecview --screenshot OUT.png [--find TEXT] [--compare OLD.ec] [--uses TYPE] [--end]\n"
    "              [--zoom PERCENT] MODULE.ec\n"
    "       ecview --screenshot OUT.png --dirtree PATH\n"
    "       ecview --screenshot OUT.png --search FOLDER TEXT\n"
    "Shows an E language module (.ec file) or program (.e file). Without MODULE.ec, the\n"
    "module shown when the viewer was last closed is shown again.\n";

std::string Switches(const OptionRow& row) {
  std::string text;
  for (const QString& name : row.names) {
    if (!text.empty()) text += ", ";
    text += (name.size() == 1 ? "-" : "--") + name.toStdString();
  }
  if (*row.valueName != '\0') text += std::string(" ") + row.valueName;
  return text;
}

std::string Dashed(const QString& name) { return (name.size() == 1 ? "-" : "--") + name.toStdString(); }

ViewerArguments Refused(const std::string& why) {
  ViewerArguments result;
  result.action = ViewerArguments::Action::Refuse;
  result.message = "ecview: " + why + " (ecview --help lists the options)\n";
  return result;
}

std::string* ValueSlot(ScreenshotRequest& request, Target target) {
  switch (target) {
    case Target::kOutput: return &request.output;
    case Target::kFind: return &request.findText;
    case Target::kCompare: return &request.compareWith;
    case Target::kUses: return &request.usesOf;
    case Target::kDirtree: return &request.dirtreePath;
    case Target::kSearch: return &request.searchFolder;
    default: return nullptr;
  }
}

}  // namespace

std::string ViewerHelpText() {
  std::string text = std::string(kUsage) + "options:\n";
  for (const OptionRow& row : OptionTable()) {
    std::string line = "  " + Switches(row);
    line.resize(std::max<size_t>(line.size() + 2, 24), ' ');
    text += line + row.description + "\n";
  }
  return text;
}

ViewerArguments ParseViewerCommandLine(const QStringList& arguments, const QString& currentFolder) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  std::vector<QCommandLineOption> options;
  for (const OptionRow& row : OptionTable()) {
    options.emplace_back(row.names, QString::fromUtf8(row.description), QString::fromUtf8(row.valueName));
    parser.addOption(options.back());
  }
  const bool parsed = parser.parse(QStringList{QStringLiteral("ecview")} + arguments);
  ViewerArguments result;
  ScreenshotRequest& request = result.screenshot;
  bool setScreenshotOption = false;
  for (size_t i = 0; i < options.size(); ++i) {
    const Target target = OptionTable()[i].target;
    if (!parser.isSet(options[i])) continue;
    if (target == Target::kHelp) return {ViewerArguments::Action::Help, {}, ViewerHelpText()};
    if (target == Target::kVersion)
      return {ViewerArguments::Action::Version, {}, std::string("ecview ") + kProgramVersion + "\n"};
    if (target == Target::kNewWindow) result.newWindow = true;
    if (target == Target::kEnd) request.atEnd = setScreenshotOption = true;
    if (target == Target::kZoom) {
      request.zoomPercent = parser.value(options[i]).toInt();
      setScreenshotOption = true;
    }
    if (std::string* slot = ValueSlot(request, target)) {
      *slot = parser.value(options[i]).toStdString();
      if (target != Target::kOutput) setScreenshotOption = true;
    }
  }
  if (!parsed) {
    if (!parser.unknownOptionNames().isEmpty()) return Refused("unknown option " + Dashed(parser.unknownOptionNames().first()));
    return Refused(parser.errorText().toStdString());
  }
  const QStringList positional = parser.positionalArguments();
  if (request.output.empty()) {
    if (setScreenshotOption) return Refused("--find, --compare, --uses, --end, --zoom, --dirtree and --search need --screenshot");
    // Further arguments are ignored, as a file manager may hand over several.
    if (!positional.isEmpty())
      result.modulePath = AbsoluteModulePath(positional.first().toStdString(), PathFromUtf8(currentFolder.toStdString()));
    return result;
  }
  if (const std::string problem = ScreenshotProblem(request, positional.size()); !problem.empty()) {
    ViewerArguments refused = Refused(problem);
    refused.message = "ecview: " + problem + "\n";
    return refused;
  }
  result.action = ViewerArguments::Action::Screenshot;
  if (!request.searchFolder.empty()) {
    request.searchText = positional.first().toStdString();
  } else if (request.dirtreePath.empty()) {
    request.module = positional.first().toStdString();
  }
  return result;
}

}  // namespace ec
