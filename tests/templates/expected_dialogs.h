// What every dialog template of the library must hold: window style, size, title and each item
// with its class, style, rectangle, id and text, in template order.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace template_test {

// An item's class and style go together; each kind is one of the combinations the dialogs use.
enum class ItemKind {
    kDefaultButton,       // BUTTON 0x50010001
    kDefaultButtonGroup,  // BUTTON 0x50030001
    kPushButton,          // BUTTON 0x50010000
    kOwnerDrawButton,     // BUTTON 0x5000000B
    kOwnerDrawButtonGroup,// BUTTON 0x5002000B
    kGroupBox,            // BUTTON 0x50000007
    kRadioFirst,          // BUTTON 0x50030004
    kRadio,               // BUTTON 0x50010004
    kAutoRadio,           // BUTTON 0x50000009
    kText,                // STATIC 0x50000000
    kTextGroup,           // STATIC 0x50020000
    kCentredLabelGroup,   // STATIC 0x50020001
    kOwnerDrawStatic,     // STATIC 0x5000000D
    kBlackFrame,          // STATIC 0x50000007
    kSunkenLine,          // STATIC 0x50001009
};

inline constexpr std::uint16_t kButtonAtom = 0x80;
inline constexpr std::uint16_t kStaticAtom = 0x82;
inline constexpr std::uint16_t kNoId = 0xFFFF;

std::uint16_t ClassAtomOf(ItemKind kind);
std::uint32_t StyleOf(ItemKind kind);

struct ExpectedItem {
    std::uint16_t id;
    ItemKind kind;
    int x, y, cx, cy;
    std::string text;
};

struct ExpectedDialog {
    std::uint16_t id;
    std::uint32_t style;
    int cx, cy;  // every template sits at 0, 0
    std::string title;
    std::vector<ExpectedItem> items;
};

const std::vector<ExpectedDialog>& ExpectedDialogs();

} // namespace template_test
