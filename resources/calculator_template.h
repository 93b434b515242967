#pragma once
// Template 102: the calculator window, 176 x 250 dialog units. Rows are in
// the template's own order, which is also the keyboard focus order.

#include "control_ids.h"
#include "dialog_template.h"

#include <array>

namespace quillet {

inline constexpr const char* kCalculatorTitle = "QLT Timecode Calculator";

inline constexpr std::array<DialogItem, 38> kCalculatorItems{{
    {IDC_KEY_7, "IDC_KEY_7", ItemKind::PushButton, "7", 19, 150, 22, 19, ItemStyle::None},
    {IDC_KEY_8, "IDC_KEY_8", ItemKind::PushButton, "8", 43, 150, 22, 19, ItemStyle::None},
    {IDC_KEY_9, "IDC_KEY_9", ItemKind::PushButton, "9", 68, 150, 22, 19, ItemStyle::None},
    {IDC_KEY_4, "IDC_KEY_4", ItemKind::PushButton, "4", 19, 172, 22, 19, ItemStyle::None},
    {IDC_KEY_5, "IDC_KEY_5", ItemKind::PushButton, "5", 43, 172, 22, 19, ItemStyle::None},
    {IDC_KEY_6, "IDC_KEY_6", ItemKind::PushButton, "6", 68, 172, 22, 19, ItemStyle::None},
    {IDC_KEY_1, "IDC_KEY_1", ItemKind::PushButton, "1", 19, 195, 22, 19, ItemStyle::None},
    {IDC_KEY_2, "IDC_KEY_2", ItemKind::PushButton, "2", 43, 195, 22, 19, ItemStyle::None},
    {IDC_KEY_3, "IDC_KEY_3", ItemKind::PushButton, "3", 67, 195, 22, 19, ItemStyle::None},
    {IDC_KEY_0, "IDC_KEY_0", ItemKind::PushButton, "0", 19, 219, 22, 19, ItemStyle::None},
    {IDC_KEY_00, "IDC_KEY_00", ItemKind::PushButton, "00", 43, 219, 22, 19, ItemStyle::None},
    {IDC_KEY_BACKSPACE, "IDC_KEY_BACKSPACE", ItemKind::PushButton, "->", 67, 219, 22, 19, ItemStyle::None},
    {IDC_KEY_CLEAR, "IDC_KEY_CLEAR", ItemKind::PushButton, "C", 104, 150, 22, 19, ItemStyle::None},
    {IDC_KEY_CLEAR_ALL, "IDC_KEY_CLEAR_ALL", ItemKind::PushButton, "CA", 129, 150, 22, 19, ItemStyle::None},
    {IDC_KEY_SUBTRACT, "IDC_KEY_SUBTRACT", ItemKind::PushButton, "-", 104, 172, 22, 19, ItemStyle::None},
    {IDC_KEY_DIVIDE, "IDC_KEY_DIVIDE", ItemKind::PushButton, "/", 129, 172, 22, 19, ItemStyle::None},
    {IDC_KEY_ADD, "IDC_KEY_ADD", ItemKind::PushButton, "+", 104, 195, 22, 19, ItemStyle::None},
    {IDC_KEY_MULTIPLY, "IDC_KEY_MULTIPLY", ItemKind::PushButton, "x", 129, 195, 22, 19, ItemStyle::None},
    {IDC_KEY_EQUALS, "IDC_KEY_EQUALS", ItemKind::PushButton, "=", 103, 219, 48, 19, ItemStyle::None},
    {IDC_IN_DISPLAY, "IDC_IN_DISPLAY", ItemKind::Display, "", 23, 18, 131, 22, ItemStyle::None},
    {IDC_OUT_DISPLAY, "IDC_OUT_DISPLAY", ItemKind::Display, "", 23, 63, 131, 22, ItemStyle::None},
    {IDC_DURATION_DISPLAY, "IDC_DURATION_DISPLAY", ItemKind::Display, "", 22, 106, 131, 22, ItemStyle::None},
    {IDC_IN_FORMAT, "IDC_IN_FORMAT", ItemKind::DropDownList, "", 23, 41, 62, 126, ItemStyle::None},
    {IDC_OUT_FORMAT, "IDC_OUT_FORMAT", ItemKind::DropDownList, "", 23, 86, 64, 126, ItemStyle::None},
    {IDC_IN_RADIO, "IDC_IN_RADIO", ItemKind::RadioButton, "", 7, 24, 14, 10, ItemStyle::Group},
    {IDC_OUT_RADIO, "IDC_OUT_RADIO", ItemKind::RadioButton, "", 7, 69, 13, 8, ItemStyle::None},
    {IDC_DURATION_RADIO, "IDC_DURATION_RADIO", ItemKind::RadioButton, "", 7, 113, 14, 8, ItemStyle::None},
    {IDC_DURATION_FORMAT, "IDC_DURATION_FORMAT", ItemKind::DropDownList, "", 22, 129, 64, 126, ItemStyle::None},
    {IDC_IN_LABEL, "IDC_IN_LABEL", ItemKind::Label, "IN", 99, 44, 54, 8, ItemStyle::AlignRight | ItemStyle::Hidden},
    {IDC_OUT_LABEL, "IDC_OUT_LABEL", ItemKind::Label, "OUT", 97, 89, 56, 8, ItemStyle::AlignRight | ItemStyle::Hidden},
    {IDC_DURATION_LABEL, "IDC_DURATION_LABEL", ItemKind::Label, "DURATION", 88, 132, 65, 8, ItemStyle::AlignRight | ItemStyle::Hidden},
    {IDC_HOME_LINK, "IDC_HOME_LINK", ItemKind::Label, "Home", 154, 241, 20, 8, ItemStyle::None},
    {IDC_SETTINGS, "IDC_SETTINGS", ItemKind::PushButton, "Settings", 109, 0, 34, 10, ItemStyle::None},
    {IDC_MODE, "IDC_MODE", ItemKind::PushButton, "Mode: Conversion", 0, 0, 72, 10, ItemStyle::AlignLeft},
    {IDC_CALC_IN, "IDC_CALC_IN", ItemKind::CheckBox, "", 157, 44, 11, 8, ItemStyle::None},
    {IDC_CALC_OUT, "IDC_CALC_OUT", ItemKind::CheckBox, "", 157, 89, 11, 8, ItemStyle::None},
    {IDC_CALC_DURATION, "IDC_CALC_DURATION", ItemKind::CheckBox, "", 157, 133, 11, 8, ItemStyle::None},
    {IDC_ABOUT, "IDC_ABOUT", ItemKind::PushButton, "About", 145, 0, 29, 10, ItemStyle::None},
}};

inline constexpr DialogTemplate kCalculatorTemplate{IDD_CALCULATOR, kCalculatorTitle, 176, 250, kCalculatorItems};

// 19 keypad buttons, 3 displays, 3 selectors, 3 radio buttons, 3 labels,
// the link, 3 top-row buttons and 3 CALC boxes.
static_assert(kCalculatorItems.size() == 19 + 3 + 3 + 3 + 3 + 1 + 3 + 3);

} // namespace quillet
