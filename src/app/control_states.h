#pragma once
// Saving the values of a window's controls into the settings store and
// giving them back at the next start.
//
// A control takes part when its object name begins with a kind word; the
// word says what is kept:
//   按钮        button (QAbstractButton): name + ".标记" = its tag
//   编辑框      QLineEdit / QTextEdit / QPlainTextEdit: name = the text
//   选择框      QCheckBox: name = checked
//   单选框      QRadioButton: name = checked
//   组合框      QComboBox: name = current index, name + ".列表" = items
//               (bytes), name + ".内容" = the edit text
//   列表框      QListWidget: name = items (bytes), name + ".选中" = the
//               selected rows, e.g. "0,2"
//   选择列表框  QListWidget with check boxes: name = items (bytes),
//               name + ".选中" = current row, name + ".打勾" = checked rows
//   颜色选择器  any widget with a QColor property "color": name = the colour
//               as the number 0x00BBGGRR
// A control whose kind word does not fit its class is left alone. The tag is
// the dynamic property "标记": "禁止保存" keeps the control out, and
// "字节集方式" keeps a button's tag or an edit box's text as bytes.

#include <string>
#include <string_view>

class QWidget;

namespace ec {

class ControlStateStore;

inline constexpr char kTagProperty[] = "标记";
inline constexpr char kColorProperty[] = "color";
inline constexpr std::string_view kTagNoSave = "禁止保存";
inline constexpr std::string_view kTagByteMode = "字节集方式";

// Both walk the window's child widgets in creation order. An empty section
// keeps the store's current one. Restoring reads each value with the
// control's present value as the default and applies it at once.
void SaveControls(QWidget* window, ControlStateStore& store, const std::string& section);
void RestoreControls(QWidget* window, ControlStateStore& store, const std::string& section);

}  // namespace ec
