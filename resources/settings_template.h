#pragma once
// Template 129: the Settings dialog, 235 x 66 dialog units.

#include "control_ids.h"
#include "dialog_template.h"

#include <array>

namespace quillet {

inline constexpr std::array<DialogItem, 6> kSettingsItems{{
    {IDOK, "IDOK", ItemKind::DefaultPushButton, "OK", 178, 7, 50, 14, ItemStyle::None},
    {IDCANCEL, "IDCANCEL", ItemKind::PushButton, "Cancel", 178, 24, 50, 14, ItemStyle::None},
    {IDC_BUMP_UP_DROPPED, "IDC_BUMP_UP_DROPPED", ItemKind::CheckBox, "Automatically 'bump-up droped frames", 7, 7, 135, 10, ItemStyle::None},
    {IDC_ALLOW_OVERFLOW, "IDC_ALLOW_OVERFLOW", ItemKind::CheckBox, "Allow fields to overflow into next higher field", 7, 20, 152, 10, ItemStyle::None},
    {IDC_MORE_RATES, "IDC_MORE_RATES", ItemKind::CheckBox, "Show more frame rates", 7, 33, 135, 10, ItemStyle::None},
    {IDC_WRAP_MIDNIGHT, "IDC_WRAP_MIDNIGHT", ItemKind::CheckBox, "Wrap time codes at midnight", 7, 46, 135, 10, ItemStyle::None},
}};

inline constexpr DialogTemplate kSettingsTemplate{IDD_SETTINGS, "Settings", 235, 66, kSettingsItems};

} // namespace quillet
