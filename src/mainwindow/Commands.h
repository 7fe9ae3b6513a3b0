#pragma once
// The main window's commands, each once: the toolbar button and the menu item
// that offer it, the keys that give it, and what it does. The toolbar, the
// menu and the keys all dispatch through this table, and the menu's captions
// and the toolbar's tool tips show the keys it names. The table keeps the
// captions and tool tips in English; MenuItemOf and ToolTipOf give them in the
// user's language.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "platform/Window.h"

namespace tagrota {

class frmMain;

struct Command {
    std::string_view button;   // the toolbar button's key; empty for none
    const char* toolTip = "";  // the button's tool tip, before its keys
    std::string_view item;     // the menu item's name; empty for none
    const char* caption = "";  // the menu item's caption
    // The keys, the first of them shown beside the caption and in the tool
    // tip; empty for none.
    std::array<std::string_view, 2> keys;
    void (*run)(frmMain& form);
};

std::span<const Command> Commands();
// The command of a toolbar button or of a menu item; null for none.
const Command* CommandOfButton(std::string_view key);
const Command* CommandOfItem(std::string_view name);
// The button's tool tip, with the command's keys: "Save (Ctrl+S)".
std::string ToolTipOf(std::string_view button);
// The menu item, under `parent`, with its caption and keys.
MenuEntry MenuItemOf(std::string_view name, const std::string& parent = "");

}  // namespace tagrota
