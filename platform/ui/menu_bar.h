// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class QMenuBar;

namespace platform {

class MenuItem;
class WindowFrame;

// The application's one menu bar. Its shortcuts work in every window, the bar shown or not.
class MenuBar : public QObject {
    Q_OBJECT
  public:
    MenuBar();
    ~MenuBar() override;

    void Append(std::unique_ptr<MenuItem> menu);
    MenuItem* Child(const std::string& name) const;

    // The bar of the application; windows made from now on carry it.
    static MenuBar* current();
    static void setCurrent(MenuBar* bar);
    static void attach(WindowFrame* frame);
    static void fill(QMenuBar* bar);
    // An item of any menu of the application's bar, by its name; nothing without a bar.
    static MenuItem* find(const std::string& name);
    // Disables what does not enable itself, then lets the front window enable its items.
    static void enablePass();
    static void dispatch(MenuItem& item);
    // Shows every item in the language spoken now.
    static void retranslate();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void attachTo(WindowFrame* frame) const;

    std::vector<std::unique_ptr<MenuItem>> menus_;
};

} // namespace platform
