#include "app/control_states.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

#include <filesystem>
#include <memory>

#include "settings/control_state_store.h"
#include "support/gbk_codec.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

template <typename W>
W* Add(QWidget* parent, const char* name, const char* tag = nullptr) {
  auto* widget = new W(parent);
  widget->setObjectName(QString::fromUtf8(name));
  if (tag != nullptr) widget->setProperty(kTagProperty, QString::fromUtf8(tag));
  return widget;
}

// The window as designed: the same tree every time it is built.
struct Window {
  Window() {
    button = Add<QPushButton>(&root, "按钮复制代码");
    button->setProperty(kTagProperty, QStringLiteral("原标记"));
    path = Add<QLineEdit>(&root, "编辑框模块文件");
    path->setText(QStringLiteral("这是模块文件路径"));
    find = Add<QLineEdit>(&root, "编辑框查找文本", "禁止保存");
    notes = Add<QTextEdit>(&root, "编辑框备注", "字节集方式");
    lines = Add<QPlainTextEdit>(&root, "编辑框多行");
    associate = Add<QCheckBox>(&root, "选择框关联");
    associate->setChecked(true);
    unnamedKind = Add<QCheckBox>(&root, "普通框");
    wrongClass = Add<QLineEdit>(&root, "选择框错类");
    auto* panel = Add<QWidget>(&root, "图片框1");  // controls inside containers count too
    radioA = Add<QRadioButton>(panel, "单选框甲");
    radioB = Add<QRadioButton>(panel, "单选框乙");
    radioA->setChecked(true);
    mode = Add<QComboBox>(panel, "组合框匹配");
    mode->addItems({QStringLiteral("一般"), QStringLiteral("通配"), QStringLiteral("正则")});
    history = Add<QComboBox>(panel, "组合框历史");
    history->setEditable(true);
    history->addItems({QStringLiteral("a"), QStringLiteral("b")});
    files = Add<QListWidget>(&root, "列表框文件");
    files->setSelectionMode(QAbstractItemView::MultiSelection);
    libraries = Add<QListWidget>(&root, "选择列表框支持库");
    color = Add<QWidget>(&root, "颜色选择器背景");
    color->setProperty(kColorProperty, QColor(Qt::white));
  }

  QWidget root;
  QPushButton* button;
  QLineEdit* path;
  QLineEdit* find;
  QTextEdit* notes;
  QPlainTextEdit* lines;
  QCheckBox* associate;
  QCheckBox* unnamedKind;
  QLineEdit* wrongClass;
  QRadioButton* radioA;
  QRadioButton* radioB;
  QComboBox* mode;
  QComboBox* history;
  QListWidget* files;
  QListWidget* libraries;
  QWidget* color;
};

void ChangeEverything(Window& w) {
  w.button->setProperty(kTagProperty, QStringLiteral("新标记"));
  w.path->setText(QStringLiteral("/home/u/模块/取文本.ec"));
  w.find->setText(QStringLiteral("不保存"));
  w.notes->setPlainText(QStringLiteral("第一行\n第二行"));
  w.lines->setPlainText(QStringLiteral("one\ntwo"));
  w.associate->setChecked(false);
  w.unnamedKind->setChecked(true);
  w.wrongClass->setText(QStringLiteral("x"));
  w.radioB->setChecked(true);
  w.mode->setCurrentIndex(2);
  w.history->addItems({QStringLiteral("c"), QStringLiteral("d")});
  w.history->setCurrentIndex(3);
  w.history->setEditText(QStringLiteral("typed"));
  w.files->addItems({QStringLiteral("a.ec"), QStringLiteral("b.ec"), QStringLiteral("c.ec")});
  w.files->item(0)->setSelected(true);
  w.files->item(2)->setSelected(true);
  w.libraries->addItems({QStringLiteral("krnln"), QStringLiteral("eAPI"), QStringLiteral("iext")});
  for (int row = 0; row < 3; ++row) {
    w.libraries->item(row)->setFlags(w.libraries->item(row)->flags() | Qt::ItemIsUserCheckable);
    w.libraries->item(row)->setCheckState(row == 0 ? Qt::Unchecked : Qt::Checked);
  }
  w.libraries->setCurrentRow(1);
  w.color->setProperty(kColorProperty, QColor(0x12, 0x34, 0x56));
}

class ControlStatesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.Bind(dir.path() / "settings.ini")); }
  test::TempDir dir;
  ControlStateStore store;
};

TEST_F(ControlStatesTest, RestoreGivesBackEverySavedValue) {
  {
    Window before;
    ChangeEverything(before);
    SaveControls(&before.root, store, "主界面");
  }
  EXPECT_EQ(store.Section(), "主界面");
  store.SetSection("other");
  Window after;
  RestoreControls(&after.root, store, "主界面");

  EXPECT_EQ(after.button->property(kTagProperty).toString(), QStringLiteral("新标记"));
  EXPECT_EQ(after.path->text(), QStringLiteral("/home/u/模块/取文本.ec"));
  EXPECT_EQ(after.notes->toPlainText(), QStringLiteral("第一行\n第二行"));
  EXPECT_EQ(after.lines->toPlainText(), QStringLiteral("one\ntwo"));
  EXPECT_FALSE(after.associate->isChecked());
  EXPECT_FALSE(after.radioA->isChecked());
  EXPECT_TRUE(after.radioB->isChecked());
  EXPECT_EQ(after.mode->currentIndex(), 2);
  EXPECT_EQ(after.history->count(), 4);
  EXPECT_EQ(after.history->currentIndex(), 3);  // kept although the items came after it
  EXPECT_EQ(after.history->currentText(), QStringLiteral("typed"));
  ASSERT_EQ(after.files->count(), 3);
  EXPECT_EQ(after.files->item(2)->text(), QStringLiteral("c.ec"));
  EXPECT_TRUE(after.files->item(0)->isSelected());
  EXPECT_FALSE(after.files->item(1)->isSelected());
  EXPECT_TRUE(after.files->item(2)->isSelected());
  ASSERT_EQ(after.libraries->count(), 3);
  EXPECT_EQ(after.libraries->currentRow(), 1);
  EXPECT_EQ(after.libraries->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(after.libraries->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(after.libraries->item(2)->checkState(), Qt::Checked);
  EXPECT_EQ(after.color->property(kColorProperty).value<QColor>(), QColor(0x12, 0x34, 0x56));

  // Left out: the "禁止保存" control, a name without a kind word, and a kind
  // word on the wrong class of control.
  EXPECT_EQ(after.find->text(), QString());
  EXPECT_FALSE(after.unnamedKind->isChecked());
  EXPECT_EQ(after.wrongClass->text(), QString());
}

TEST_F(ControlStatesTest, EntriesAndTheirFormsInTheFile) {
  Window w;
  ChangeEverything(w);
  SaveControls(&w.root, store, "s");
  store.SetSection("s");
  EXPECT_EQ(store.ReadText("按钮复制代码.标记", "-"), "新标记");
  EXPECT_EQ(store.ReadText("编辑框多行", "-"), "one\r\ntwo");
  EXPECT_EQ(store.ReadText("编辑框备注", "-"), "-");  // byte mode: not in the file
  EXPECT_EQ(store.ReadBytes("编辑框备注", "-"), "第一行\r\n第二行");
  EXPECT_TRUE(store.FlushSideFiles());  // written by the store's own thread
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "inibin" / "s-编辑框备注.ibn"));
  EXPECT_EQ(store.ReadNumber("组合框匹配", -5), 2);
  EXPECT_EQ(store.ReadText("组合框历史.内容", "-"), "typed");
  EXPECT_EQ(store.ReadText("列表框文件.选中", "-"), "0,2");
  EXPECT_EQ(store.ReadNumber("选择列表框支持库.选中", -5), 1);
  EXPECT_EQ(store.ReadText("选择列表框支持库.打勾", "-"), "1,2");
  EXPECT_EQ(store.ReadNumber("颜色选择器背景", -5), 0x563412);
  EXPECT_EQ(store.ReadText("编辑框查找文本", "-"), "-");
  EXPECT_EQ(store.ReadText("普通框", "-"), "-");
  EXPECT_EQ(store.ReadText("选择框错类", "-"), "-");

  // Written in creation order, each new key at the top of its section.
  const std::string& content = store.RawContent();
  const size_t checkBox = content.find(Utf8ToGbk("\r\n选择框关联="));
  const size_t pathBox = content.find(Utf8ToGbk("\r\n编辑框模块文件="));
  ASSERT_NE(pathBox, std::string::npos);
  EXPECT_LT(checkBox, pathBox);
}

TEST_F(ControlStatesTest, DamagedValuesChangeNothingAndAreIgnored) {
  store.SetSection("s");
  store.WriteText("编辑框查找文本", "stored anyway");
  store.WriteText("组合框匹配", "1e300");
  store.WriteBytes("组合框匹配.列表", "no marker");
  store.WriteBytes("列表框文件", std::string("items\nx\0y", 9));  // last item cut short
  store.WriteText("列表框文件.选中", "x,-1,99,,1");
  store.WriteText("选择列表框支持库.选中", "-7");
  store.WriteText("颜色选择器背景", "99999999");
  Window w;
  w.files->addItems({QStringLiteral("a"), QStringLiteral("b")});
  RestoreControls(&w.root, store, "");  // empty: the current section
  EXPECT_EQ(w.find->text(), QString());
  EXPECT_EQ(w.mode->count(), 3);
  EXPECT_EQ(w.mode->currentIndex(), 0);
  ASSERT_EQ(w.files->count(), 2);
  EXPECT_EQ(w.files->item(0)->text(), QStringLiteral("a"));
  EXPECT_FALSE(w.files->item(0)->isSelected());
  EXPECT_TRUE(w.files->item(1)->isSelected());
  EXPECT_EQ(w.libraries->currentRow(), -1);
  EXPECT_EQ(w.color->property(kColorProperty).value<QColor>(), QColor(Qt::white));

  SaveControls(nullptr, store, "s");
  RestoreControls(nullptr, store, "s");
}

}  // namespace
}  // namespace ec
