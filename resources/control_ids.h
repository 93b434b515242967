#pragma once
// Control ids shared by the dialog templates and the code that addresses
// their controls. 1035 and 1036 are reused across templates, as the
// Settings and About dialogs have their own numbering.

namespace quillet {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_CALCULATOR = 102;
constexpr int IDD_SETTINGS = 129;
constexpr int IDM_ABOUTBOX = 0x0010;

constexpr int IDC_KEY_7 = 1000;
constexpr int IDC_KEY_8 = 1001;
constexpr int IDC_KEY_9 = 1002;
constexpr int IDC_KEY_4 = 1003;
constexpr int IDC_KEY_5 = 1004;
constexpr int IDC_KEY_6 = 1005;
constexpr int IDC_KEY_1 = 1006;
constexpr int IDC_KEY_2 = 1007;
constexpr int IDC_KEY_3 = 1008;
constexpr int IDC_KEY_0 = 1009;
constexpr int IDC_KEY_00 = 1010;
constexpr int IDC_KEY_BACKSPACE = 1011;
constexpr int IDC_KEY_CLEAR = 1012;
constexpr int IDC_KEY_CLEAR_ALL = 1013;
constexpr int IDC_KEY_SUBTRACT = 1014;
constexpr int IDC_KEY_DIVIDE = 1015;
constexpr int IDC_KEY_ADD = 1016;
constexpr int IDC_KEY_MULTIPLY = 1017;
constexpr int IDC_KEY_EQUALS = 1018;
constexpr int IDC_IN_DISPLAY = 1019;
constexpr int IDC_OUT_DISPLAY = 1020;
constexpr int IDC_DURATION_DISPLAY = 1021;
constexpr int IDC_IN_FORMAT = 1022;
constexpr int IDC_OUT_FORMAT = 1023;
constexpr int IDC_IN_RADIO = 1024;
constexpr int IDC_OUT_RADIO = 1025;
constexpr int IDC_DURATION_RADIO = 1026;
constexpr int IDC_DURATION_FORMAT = 1027;
constexpr int IDC_IN_LABEL = 1029;
constexpr int IDC_OUT_LABEL = 1030;
constexpr int IDC_DURATION_LABEL = 1031;
constexpr int IDC_HOME_LINK = 1032;
constexpr int IDC_SETTINGS = 1033;
constexpr int IDC_MODE = 1034;
constexpr int IDC_CALC_IN = 1035;
constexpr int IDC_CALC_OUT = 1036;
constexpr int IDC_CALC_DURATION = 1037;
constexpr int IDC_ABOUT = 1038;

// Settings dialog (template 129).
constexpr int IDC_BUMP_UP_DROPPED = 1035;
constexpr int IDC_ALLOW_OVERFLOW = 1036;
constexpr int IDC_MORE_RATES = 1039; // ours: the eleven formats are followed by today's frame rates
constexpr int IDC_WRAP_MIDNIGHT = 1040; // ours: time codes are times of day, results wrap at midnight
// About box (template 100).
constexpr int IDC_ABOUT_HOME_LINK = 1036;

} // namespace quillet
