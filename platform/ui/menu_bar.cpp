// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/menu_bar.h"

#include "platform/ui/menu_item.h"
#include "platform/ui/window.h"
#include "platform/ui/window_frame.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace platform {
namespace {

MenuBar*& currentBar()
{
    static MenuBar* bar = nullptr;
    return bar;
}

void disableUnlessAutoEnabled(MenuItem& item)
{
    item.setEnable(item.AutoEnable());
    for (const auto& child : item.children())
        disableUnlessAutoEnabled(*child);
}

} // namespace

MenuBar::MenuBar()
{
    QApplication::instance()->installEventFilter(this);
}

MenuBar::~MenuBar()
{
    if (currentBar() == this)
        currentBar() = nullptr;
}

void MenuBar::Append(std::unique_ptr<MenuItem> menu)
{
    menus_.push_back(std::move(menu));
}

MenuItem* MenuBar::Child(const std::string& name) const
{
    for (const auto& menu : menus_) {
        if (menu->Name() == name)
            return menu.get();
    }
    return nullptr;
}

MenuItem* MenuBar::find(const std::string& name)
{
    if (MenuBar* bar = currentBar()) {
        for (const auto& menu : bar->menus_) {
            if (MenuItem* found = menu->Child(name))
                return found;
        }
    }
    return nullptr;
}

MenuBar* MenuBar::current()
{
    return currentBar();
}

void MenuBar::setCurrent(MenuBar* bar)
{
    currentBar() = bar;
    for (Window* window : Window::openWindows())
        bar->attachTo(static_cast<WindowFrame*>(window->frame()));
}

void MenuBar::attach(WindowFrame* frame)
{
    if (MenuBar* bar = currentBar())
        bar->attachTo(frame);
}

void MenuBar::retranslate()
{
    if (MenuBar* bar = currentBar()) {
        for (const auto& menu : bar->menus_)
            menu->retranslate();
    }
}

void MenuBar::fill(QMenuBar* bar)
{
    if (MenuBar* current = currentBar()) {
        for (const auto& menu : current->menus_)
            bar->addMenu(menu->menu());
    }
}

void MenuBar::attachTo(WindowFrame* frame) const
{
    // A frame makes its bar when first shown, and fills it then.
    if (QMenuBar* bar = frame->menuBar())
        fill(bar);
    // A shortcut whose action lives only in a hidden menu bar never fires.
    for (const auto& menu : menus_) {
        for (const auto& item : menu->children())
            frame->addAction(item->action());
    }
}

void MenuBar::enablePass()
{
    MenuBar* bar = currentBar();
    if (!bar)
        return;
    for (const auto& menu : bar->menus_) {
        for (const auto& item : menu->children())
            disableUnlessAutoEnabled(*item);
    }
    if (Window* front = Window::front())
        front->enableMenuItems();
}

void MenuBar::dispatch(MenuItem& item)
{
    Window* front = Window::front();
    if (front && front->runMenuHandler(item.Name()))
        return;
    item.defaultAction();
}

bool MenuBar::eventFilter(QObject*, QEvent* event)
{
    // Asked before any shortcut is acted on.
    if (event->type() == QEvent::ShortcutOverride)
        enablePass();
    return false;
}

} // namespace platform
