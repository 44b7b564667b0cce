#pragma once
// Qt's own texts (dialog buttons, the open dialog, the page's context menu)
// in Chinese like the rest of the viewer, whatever the desktop's language.

class QCoreApplication;
class QTranslator;

namespace ec {

// Installs Qt's Chinese translations on `app`: from Qt's translation folder,
// else from a "translations" folder beside the program (where a Windows
// installation keeps them). Answers the installed translator (owned by
// `app`), or nullptr when none is found.
QTranslator* InstallQtTranslations(QCoreApplication& app);

}  // namespace ec
