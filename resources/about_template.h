#pragma once
// Template 100: the About box, 235 x 66 dialog units, and the home-page
// address that both links open.

#include "control_ids.h"
#include "dialog_template.h"

#include <array>

namespace quillet {

inline constexpr const char* kHomePageAddress = "https://quillet.app/";
inline constexpr const char* kAboutMenuText = "&About Quillet..."; // string 101

inline constexpr std::array<DialogItem, 6> kAboutItems{{
    {kNoId, "IDC_ABOUT_ICON", ItemKind::Icon, "", 7, 7, 21, 20, ItemStyle::None},
    {kNoId, "IDC_ABOUT_VERSION", ItemKind::Label, "Quillet Version 1.0", 40, 10, 119, 8, ItemStyle::NoPrefix},
    {kNoId, "IDC_ABOUT_CREDIT1", ItemKind::Label, "Timecode arithmetic for film and video editors.", 40, 25, 188, 8, ItemStyle::None},
    {IDOK, "IDOK", ItemKind::DefaultPushButton, "OK", 178, 7, 50, 14, ItemStyle::None},
    {kNoId, "IDC_ABOUT_CREDIT2", ItemKind::Label, "Written by the Quillet team.", 41, 37, 121, 8, ItemStyle::None},
    {IDC_ABOUT_HOME_LINK, "IDC_ABOUT_HOME_LINK", ItemKind::Label, "Visit Quillet Home Page", 41, 50, 103, 8, ItemStyle::None},
}};

inline constexpr DialogTemplate kAboutTemplate{IDD_ABOUTBOX, "About Quillet", 235, 66, kAboutItems};

} // namespace quillet
