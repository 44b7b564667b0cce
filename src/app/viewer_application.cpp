#include "app/viewer_application.h"

#include <QMessageBox>

#include "app/main_window.h"
#include "dirtree/dir_tree_services.h"
#include "app/settings_location.h"
#include "app/wait_processing_messages.h"
#include "platform/file_association.h"

namespace ec {
namespace {

void ReportStoreFailure(const StoreWriteFailure& failure) {
  QMessageBox warning(QMessageBox::Warning, QString::fromUtf8(kStoreFailureCaption.data(), kStoreFailureCaption.size()),
                      QString::fromUtf8(kStoreFailureMessage.data(), kStoreFailureMessage.size()));
  warning.setWindowModality(Qt::ApplicationModal);
  warning.exec();
  QMessageBox::information(nullptr, QStringLiteral("信息："), QString::fromStdString(failure.content));
}

}  // namespace

ViewerApplication::ViewerApplication(const std::filesystem::path& settingsFolder,
                                     std::unique_ptr<FileAssociation> association, std::string commandLinePath)
    : association_(std::move(association)) {
  store_.SetEventPump(ProcessPendingEvents);
  store_.SetFailureHandler(ReportStoreFailure);
  if (!settingsFolder.empty()) store_.Bind(SettingsFilePath(settingsFolder));
  window_ = std::make_unique<MainWindow>(store_, *association_, std::move(commandLinePath));
  // The search window's folder panel keeps "目录树.ini" beside the settings file.
  dirTreeServices_ = std::make_unique<PlatformDirTreeServices>(settingsFolder);
  window_->SetDirTreeServices(&dirTreeServices_->Services());
}

ViewerApplication::~ViewerApplication() {
  store_.Release();
  window_.reset();
  dirTreeServices_.reset();
}

}  // namespace ec
