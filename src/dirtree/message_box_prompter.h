#pragma once
// The panel's questions as message boxes captioned "信息：".

#include "dirtree/dir_tree_services.h"

class QWidget;

namespace ec {

class MessageBoxPrompter : public Prompter {
 public:
  bool Confirm(const std::string& text) override;
  void Inform(const std::string& text) override;
};

}  // namespace ec
