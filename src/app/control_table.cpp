#include "app/control_table.h"

const std::vector<ControlDefinition>& ControlTable() {
  using K = ControlKind;
  static const std::vector<ControlDefinition> table = {
      {control::组合框_排序列, K::DropDownList, 800, 64, 80, 20, "", {"0", "1"}, 0},
      {control::组合框_升降序, K::DropDownList, 628, 65, 72, 20, "", {"升序", "降序"}, 1},
      {control::按钮5, K::PushButton, 628, 32, 80, 30, "排序"},
      {control::透明标签1, K::TransparentLabel, 160, 64, 296, 20},
      {control::宝贝标题2, K::LineEdit, 6, 1, 150, 30},
      {control::宝贝标题1, K::LineEdit, 158, 33, 80, 30},
      {control::按钮3, K::PushButton, 8, 35, 60, 30, "清空"},
      {control::编辑框5, K::MultiLineEdit, 5, 32, 150, 483},
      {control::单选框4, K::RadioButton, 537, 9, 20, 20},
      {control::编辑框4, K::LineEdit, 557, 9, 60, 20},
      {control::单选框3, K::RadioButton, 441, 9, 20, 20},
      {control::编辑框3, K::LineEdit, 461, 9, 60, 20},
      {control::单选框2, K::RadioButton, 345, 9, 20, 20},
      {control::编辑框2, K::LineEdit, 365, 9, 60, 20},
      {control::编辑框1, K::LineEdit, 269, 8, 60, 20},
      {control::单选框1, K::RadioButton, 249, 8, 20, 20},
      {control::按钮4, K::PushButton, 628, 2, 80, 30, "统计"},
      {control::宝贝标题, K::LineEdit, 244, 33, 375, 30},
      {control::按钮2, K::PushButton, 711, 2, 80, 60, "自动获取"},
      {control::超级列表框2, K::ReportList, 461, 65, 330, 450, "", {}, -1, {{"次数", 50}, {"入店来源", 250}}},
      {control::按钮1, K::PushButton, 158, 2, 80, 30, "手动获取"},
      {control::超级列表框1, K::ReportList, 158, 85, 300, 430, "", {}, -1,
       {{"No.", 35}, {"入店来源", 100}, {"访客位置", 100}, {"编号", 40}}},
  };
  return table;
}

bool IsMultiLineEdit(ControlName name) {
  for (const ControlDefinition& definition : ControlTable())
    if (definition.name == name) return definition.kind == ControlKind::MultiLineEdit;
  return false;
}
