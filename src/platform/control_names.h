#pragma once
// The names of the main window's controls, as the window definition gives them. Using these
// constants instead of literals turns a misspelt name into a compile error.

#include <string_view>

using ControlName = std::string_view;

namespace control {
inline constexpr ControlName 组合框_排序列 = "组合框_排序列";
inline constexpr ControlName 组合框_升降序 = "组合框_升降序";
inline constexpr ControlName 按钮5 = "按钮5";
inline constexpr ControlName 透明标签1 = "透明标签1";
inline constexpr ControlName 宝贝标题2 = "宝贝标题2";
inline constexpr ControlName 宝贝标题1 = "宝贝标题1";
inline constexpr ControlName 按钮3 = "按钮3";
inline constexpr ControlName 编辑框5 = "编辑框5";
inline constexpr ControlName 单选框4 = "单选框4";
inline constexpr ControlName 编辑框4 = "编辑框4";
inline constexpr ControlName 单选框3 = "单选框3";
inline constexpr ControlName 编辑框3 = "编辑框3";
inline constexpr ControlName 单选框2 = "单选框2";
inline constexpr ControlName 编辑框2 = "编辑框2";
inline constexpr ControlName 编辑框1 = "编辑框1";
inline constexpr ControlName 单选框1 = "单选框1";
inline constexpr ControlName 按钮4 = "按钮4";
inline constexpr ControlName 宝贝标题 = "宝贝标题";
inline constexpr ControlName 按钮2 = "按钮2";
inline constexpr ControlName 超级列表框2 = "超级列表框2";
inline constexpr ControlName 按钮1 = "按钮1";
inline constexpr ControlName 超级列表框1 = "超级列表框1";
}  // namespace control
