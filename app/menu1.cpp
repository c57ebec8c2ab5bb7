// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu1.h"

#include "platform/runtime/language.h"
#include "platform/runtime/parent_chord.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/prefs_menu_item.h"
#include "platform/ui/quit_menu_item.h"

#include <memory>
#include <string>

namespace {

Menu1*& instance()
{
    static Menu1* bar = nullptr;
    return bar;
}

template <class Item = platform::MenuItem>
std::unique_ptr<platform::MenuItem> item(const char* name, bool autoEnable, const char* text,
                                         const std::string& shortcut)
{
    auto made = std::make_unique<Item>();
    made->setName(name);
    made->setAutoEnable(autoEnable);
    made->setText(text);
    made->setKeyboardShortcut(shortcut);
    return made;
}

} // namespace

Menu1& Menu1::shared()
{
    if (!instance())
        instance() = new Menu1;
    return *instance();
}

void Menu1::release()
{
    delete instance();
    instance() = nullptr;
}

Menu1::Menu1()
{
    Append(item("UntitledMenu2", false, platform::translatable("Menu1", "File"), ""));
    Append(item("UntitledMenu0", false, platform::translatable("Menu1", "Edit"), ""));

    platform::MenuItem* file = Child("UntitledMenu2");
    file->Append(item<platform::PrefsMenuItem>("Prefs", false,
                                               platform::translatable("Menu1", "Preferences"),
                                               platform::ParentChord::preferences().shortcut()));
    file->Append(item<platform::QuitMenuItem>("FileQuit", true,
                                              platform::translatable("Menu1", "Quit"),
                                              platform::ParentChord::quit().shortcut()));

    platform::MenuItem* edit = Child("UntitledMenu0");
    edit->Append(item("EditUndo", false, platform::translatable("Menu1", "Undo"), "Cmd+Z"));
    edit->Append(item("UntitledMenu1", false, "-", ""));
    edit->Append(item("EditCut", false, platform::translatable("Menu1", "Cut"), "Cmd+X"));
    edit->Append(item("EditCopy", false, platform::translatable("Menu1", "Copy"), "Cmd+C"));
    edit->Append(item("EditPaste", false, platform::translatable("Menu1", "Paste"), "Cmd+V"));
    edit->Append(item("EditClear", false, platform::translatable("Menu1", "Clear"), ""));
}

platform::PrefsMenuItem& Menu1::Prefs() const
{
    return static_cast<platform::PrefsMenuItem&>(*Child("UntitledMenu2")->Child("Prefs"));
}
