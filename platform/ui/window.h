// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/hold/sheet.h"
#include "platform/ui/color.h"
#include "platform/ui/geometry.h"

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace platform {

class Control;
class MenuItem;
class PushButton;
class WindowFrame;
class WindowSurface;

// A window of the framework: its events are virtual methods, its controls are found by name.
// Where it appears and who has the keys is the hold's: the window tells it when it is shown,
// closed and activated.
class Window : public Sheet {
  public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void Show();
    void Close();
    bool isClosed() const { return closed_; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setBounds(Rect box);
    Color BackColor() const { return backColor_; }
    void BackColor(Color color);
    std::string Title() const;
    void setTitle(const std::string& title);
    // What the window is, for tools that look at the desktop from outside (X11's window role):
    // unlike the title, the same in every language.
    void setRole(const std::string& role);
    bool FullScreen() const override { return fullScreen_; }
    void setFullScreen(bool fullScreen) { fullScreen_ = fullScreen; }
    bool MenuBarVisible() const;
    void setMenuBarVisible(bool visible);
    void setCloseBoxCloses(bool closes) { closeBoxCloses_ = closes; }
    void setPlacementCentered(bool centered) { centered_ = centered; }
    void setHoldsKeyboard(bool holds) { holdsKeyboard_ = holds; }
    // A dialog widens, controls and all, where a language's texts need more room.
    void setGrowsToFitTexts(bool grows) { growsToFitTexts_ = grows; }
    // How far it has widened for the language spoken: 1 where the texts fit as designed.
    double textScale() const { return textScale_; }
    bool holdsKeyboard() const override { return holdsKeyboard_; }
    bool centred() const override { return centered_; }
    // A window a child plays in: the whole screen, no menu bar, a close box that does not
    // close, every key and click held from the desktop.
    void setUpForPlay();

    // A full-screen window of ours lies in front of it: nothing of it can be seen.
    bool isCovered() const;

    Control* findControl(const std::string& name) const;
    std::vector<Control*> controls() const;
    template <class T> T* control(const std::string& name) const
    {
        return dynamic_cast<T*>(findControl(name));
    }

    // The window in front, or nullptr; windows opened on top of each other form a stack.
    static Window* front();
    static std::vector<Window*> openWindows();
    // Closes every window, as the quit command does, and lets the closed ones go.
    static void closeAll();
    static void releaseClosed();

    // Framework use.
    void open(std::function<void()> closedHook);
    bool runMenuHandler(const std::string& itemName);
    void enableMenuItems() { Event_EnableMenuItems(); }
    void deliverKeyDown(const std::string& key);
    void setDefaultButton(PushButton* button) { defaultButton_ = button; }
    bool pressDefaultButton();
    void deliverMouseDown(int x, int y);
    void deliverMouseUp(int x, int y);
    void closeRequested();
    void activated();
    void surfaceResized(int width, int height);
    void languageChanged();
    QWidget* surface() const override;
    QWidget* frame() const override;
    void place(const QRect& box) override;

  protected:
    Window(Rect designBox, const std::string& title);

    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual bool Event_KeyDown(const std::string&) { return false; }
    virtual bool Event_MouseDown(int, int) { return false; }
    virtual void Event_MouseUp(int, int) {}
    virtual void Event_EnableMenuItems() {}
    // The language changed: the window writes its texts anew.
    virtual void Event_LanguageChanged() {}
    virtual void AddMenuHandlers() {}

    void addMenuHandler(const std::string& itemName, std::function<bool()> handler);

    template <class T, class... Args> T* add(Args&&... args)
    {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T* raw = control.get();
        controls_.push_back(std::move(control));
        return raw;
    }

  private:
    void fitTexts();

    QPointer<WindowFrame> frame_;
    int designWidth_;
    double textScale_ = 1;
    bool growsToFitTexts_ = false;
    WindowSurface* surface_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::string, std::function<bool()>> menuHandlers_;
    std::function<void()> closedHook_;
    PushButton* defaultButton_ = nullptr;
    Color backColor_{255, 255, 255};
    bool closed_ = false;
    bool fullScreen_ = false;
    bool closeBoxCloses_ = true;
    bool centered_ = false;
    bool mouseWanted_ = false;
    bool holdsKeyboard_ = false;
};

} // namespace platform
