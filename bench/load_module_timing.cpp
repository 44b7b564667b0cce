// Times the main window's loadModule on the large generated module (100,000
// subroutines): from the path to the filled tree and the written page.
// Run offscreen; measure peak memory with /usr/bin/time -v.
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <filesystem>

#include "app/main_window.h"
#include "app/module_loader.h"
#include "platform/file_association.h"
#include "settings/control_state_store.h"
#include "support/file_bytes.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"

namespace {

class NoFileAssociation : public ec::FileAssociation {
 public:
  ec::AssociationOutcome Register(const std::filesystem::path&) override { return {}; }
  ec::AssociationOutcome Remove(const std::filesystem::path&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  ec::test::TempDir dir;
  const std::string path = dir.File("large.ec");
  if (!ec::WriteFileBytes(path, ec::writer::LargeModuleBytes())) return 1;

  ec::ControlStateStore store;
  NoFileAssociation association;
  ec::MainWindow window(store, association, "");
  window.show();
  QElapsedTimer clock;
  clock.start();
  window.loadModule(path);
  const qint64 elapsed = clock.elapsed();
  std::printf("loadModule: %lld ms, %d tree nodes, page %zu bytes\n", static_cast<long long>(elapsed),
              window.Tree().Count(), window.Loader().SummaryPage().size());
  return window.Tree().Count() > 100000 ? 0 : 1;
}
