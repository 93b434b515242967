#pragma once
// A dialog template as plain data: the window's size in dialog units and one
// row per control. The ui/ builder turns a template into widgets; nothing here
// knows about Qt.

#include <cstdint>
#include <span>

namespace quillet {

enum class ItemKind {
    PushButton,
    DefaultPushButton,
    RadioButton, // automatic radio button
    CheckBox,    // automatic two-state check box
    Label,       // static text
    Display,     // static that notifies clicks, becomes an LcdDisplay
    DropDownList,
    Icon,        // static showing the application icon
};

// Style bits the builder reads; the names follow the controls they describe.
namespace ItemStyle {
constexpr std::uint32_t None = 0;
constexpr std::uint32_t Hidden = 0x1;     // created invisible
constexpr std::uint32_t AlignRight = 0x2; // right-aligned text
constexpr std::uint32_t AlignLeft = 0x4;  // left-aligned button text
constexpr std::uint32_t Group = 0x8;      // first radio button of a group
constexpr std::uint32_t NoPrefix = 0x10;  // '&' is shown, not a mnemonic
} // namespace ItemStyle

constexpr int kNoId = -1;

struct DialogItem {
    int id;           // control id, kNoId for items nobody addresses
    const char* name; // id name; the widget's objectName
    ItemKind kind;
    const char* text;
    int x, y, w, h;   // dialog units
    std::uint32_t style;
};

struct DialogTemplate {
    int id;
    const char* title;
    int w, h; // client size in dialog units
    std::span<const DialogItem> items;
};

} // namespace quillet
