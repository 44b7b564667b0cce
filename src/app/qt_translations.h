#pragma once
// Qt's own texts (dialog buttons, the open dialog, the page's context menu)
// in Chinese like the rest of the viewer, whatever the desktop's language.

class QCoreApplication;

namespace ec {

// Installs Qt's Chinese translations on `app`: from Qt's translation folder,
// else from a "translations" folder beside the program (where a Windows
// installation keeps them). False when none is found.
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace ec
