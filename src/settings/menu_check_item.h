#pragma once
// A menu entry with a check mark, as the control-state store sees it. The window
// layer adapts its menu actions to this so the store stays free of window code.

#include <string>

namespace ec {

class MenuCheckItem {
 public:
  virtual ~MenuCheckItem() = default;
  virtual std::string Caption() const = 0;  // UTF-8
  virtual bool IsChecked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

}  // namespace ec
