#pragma once
// The viewer's command line, parsed with QCommandLineParser from one table
// of options, which also writes `--help`: options and the module may come in
// any order, "--" ends the options (for a module whose name starts with "-"),
// --help (-h) and --version win wherever they stand, and any other option is
// refused with its name. Needs no application object, so help and version
// are answered before any window exists.

#include <QString>
#include <QStringList>

#include "viewer/viewer_arguments.h"

namespace ec {

// `arguments` without the program name; a relative module path is taken
// from `currentFolder`.
ViewerArguments ParseViewerCommandLine(const QStringList& arguments, const QString& currentFolder);

// The text of --help: the usage lines and one line per option of the table.
std::string ViewerHelpText();

}  // namespace ec
