// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace platform {

// An item of the menu bar, or a menu holding items. Found by its name.
class MenuItem {
  public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    std::string Text() const { return text_; }
    // The English text; the item shows it in the language spoken.
    void setText(const std::string& text);
    // Shows its text, and its children's, in the language spoken now.
    void retranslate();
    // "Cmd" stands for the platform's menu key: Command, or Control elsewhere.
    std::string KeyboardShortcut() const { return shortcut_; }
    void setKeyboardShortcut(const std::string& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void setAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    bool Enabled() const;
    void setEnable(bool enabled);

    void Append(std::unique_ptr<MenuItem> item);
    MenuItem* Child(const std::string& name) const;
    const std::vector<std::unique_ptr<MenuItem>>& children() const { return children_; }

    // What the item does when no window handles it.
    virtual void defaultAction() {}

    QAction* action() const { return action_; }
    QMenu* menu();

  protected:
    virtual void placeOnPlatform() {}

  private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnable_ = false;
    QAction* action_;
    std::unique_ptr<QMenu> menu_;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

} // namespace platform
