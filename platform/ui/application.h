// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;

namespace platform {

class MenuBar;

// The application object: runs the event loop from its open event until quit.
class Application {
  public:
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // False, after saying why on stderr, when there is nothing to show windows on.
    static bool canStart();

    MenuBar* menuBar() const;
    void setMenuBar(MenuBar* bar);
    int run();

    // Closes every window, running its close event, and ends the event loop.
    static void Quit();
    // True while Quit closes the windows.
    static bool quitting();

  protected:
    Application(int& argc, char** argv);

    virtual void Event_Open() {}
    virtual void openDefaultWindow() {}
    virtual void releaseAtExit() {}

  private:
    std::unique_ptr<QApplication> qt_;
};

} // namespace platform
