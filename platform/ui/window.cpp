// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/window.h"

#include "platform/input/pointer_hold.h"
#include "platform/input/wayland_hold.h"
#include "platform/ui/control.h"
#include "platform/ui/stage.h"
#include "platform/ui/window_frame.h"
#include "platform/ui/window_surface.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPixmapCache>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

constexpr int kActivationRetryMs = 250;
constexpr int kActivationTries = 8;
constexpr int kGrabRetryMs = 100;
constexpr int kGrabTries = 30;

// Open windows, the one in front last.
std::vector<Window*>& stack()
{
    static std::vector<Window*> windows;
    return windows;
}

void toFront(Window* window)
{
    auto& windows = stack();
    const bool wasCovered = window->isCovered();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
    windows.push_back(window);
    Stage::arrange();
    // What was drawn while it was hidden is painted now.
    if (wasCovered)
        window->surface()->update();
}

// The native window that shows it: its own, or the stage it is drawn on.
QWindow* nativeWindow(const Window* window)
{
    return static_cast<QWidget*>(window->frame())->window()->windowHandle();
}

// The keyboard and the pointer belong to the window in front when it asks for them, and to the
// desktop otherwise. A window not yet on screen cannot take them, and an X server refuses a grab
// for a moment after the window manager's own, so the window in front keeps trying for a while.
void holdInputForFront(Window* front, bool holds, int tries = kGrabTries)
{
    QWindow* handle = front && !front->isClosed() ? nativeWindow(front) : nullptr;
    for (Window* other : stack()) {
        QWindow* otherHandle = nativeWindow(other);
        if (otherHandle && otherHandle != handle) {
            otherHandle->setKeyboardGrabEnabled(false);
            WaylandHold::holdKeys(otherHandle, false);
        }
    }
    if (!handle)
        return;
    if (!holds) {
        handle->setKeyboardGrabEnabled(false);
        WaylandHold::holdKeys(handle, false);
        for (Stage* stage : Stage::all())
            WaylandHold::holdKeys(stage->windowHandle(), false);
        releasePointer();
        return;
    }
    // A Wayland compositor hands over its shortcuts when asked, for whichever stage has the
    // keyboard; nobody grabs there.
    bool held = true;
    if (WaylandHold::inUse()) {
        for (Stage* stage : Stage::all())
            held &= WaylandHold::holdKeys(stage->windowHandle(), true);
    } else {
        held = handle->setKeyboardGrabEnabled(true) && holdPointer(handle);
    }
    if (held || tries <= 0)
        return;
    QTimer::singleShot(kGrabRetryMs, front->frame(), [front, tries] {
        if (Window::front() == front)
            holdInputForFront(front, true, tries - 1);
    });
}

QRect screenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

} // namespace

Window::Window(Rect designBox, const std::string& title)
    : frame_(new WindowFrame(this)), surface_(frame_->surface())
{
    setTitle(title);
    setBounds(designBox);
    BackColor(backColor_);
}

Window::~Window()
{
    auto& windows = stack();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    controls_.clear();
}

void Window::open(std::function<void()> closedHook)
{
    closedHook_ = std::move(closedHook);
    AddMenuHandlers();
    for (std::size_t i = 0; i < controls_.size() && !closed_; ++i)
        controls_[i]->runOpen();
    if (!closed_)
        Event_Open();
    if (!closed_)
        Show();
}

void Window::Show()
{
    if (closed_)
        return;
    if (frame_->makeMenuBar())
        setBounds({Left(), Top(), Width(), Height()});
    if (fullScreen_) {
        Stage::present(this);
    } else {
        // Any other window of the toy is a dialog of the stage it plays on: the desktop keeps it
        // over the stage (and a tiling one lets it float there).
        Stage* stage = frame_->isVisible() ? nullptr : Stage::focused();
        if (stage && frame_->parentWidget() != stage)
            frame_->setParent(stage, Qt::Dialog);
        if (stage)
            Stage::makeRoomForDialog();
        if (centered_ && !frame_->isVisible()) {
            // On a screen smaller than the window, the window shrinks to fit it.
            const QRect screen = screenGeometry();
            frame_->resize(frame_->size().boundedTo(screen.size()));
            frame_->move(screen.center() - frame_->rect().center());
        }
        frame_->show();
    }
    activeSinceShown_ = false;
    frame_->raise();
    frame_->activateWindow();
    surface_->setFocus(Qt::OtherFocusReason);
    toFront(this);
    holdInputForFront(this, holdsKeyboard_);
    activateAgainSoon(kActivationTries);
}

void Window::activateAgainSoon(int tries)
{
    // A window manager still starting, or busy mapping, may let a request go by. Once the window
    // has had the focus, or a message of ours sits over it, whatever took the focus since keeps
    // it: a key meant for that message must not land here.
    QTimer::singleShot(kActivationRetryMs, frame_, [this, tries] {
        const QWidget* modal = QApplication::activeModalWidget();
        if (front() != this || activeSinceShown_ || frame_->isActiveWindow() ||
            (modal && modal != frame_))
            return;
        frame_->activateWindow();
        if (tries > 1)
            activateAgainSoon(tries - 1);
    });
}

void Window::Close()
{
    if (closed_)
        return;
    closed_ = true;
    Event_Close();
    auto& windows = stack();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    for (Window* other : windows)
        other->surface()->update();
    for (auto& control : controls_)
        control->windowClosing();
    if (QWindow* handle = frame_->windowHandle())
        handle->setKeyboardGrabEnabled(false);
    frame_->hide();
    Stage::arrange();
    // The style caches what it draws under keys that include this window's palette; a window
    // opened again gets a new palette, so those pixmaps would only pile up.
    QPixmapCache::clear();
    if (Window* next = front()) {
        // Back from a dialog, the stage comes in front again, over whatever the dialog opened
        // (a browser), and holds the keys and the pointer again.
        if (next->FullScreen() && !fullScreen_)
            next->Show();
        else
            holdInputForFront(next, next->holdsKeyboard_);
    }
    if (closedHook_)
        closedHook_();
    // Handlers of this window may still be on the stack; the frame deletes the window later.
    frame_->deleteLater();
}

int Window::Left() const
{
    return frame_->geometry().x();
}

int Window::Top() const
{
    return frame_->geometry().y();
}

int Window::Width() const
{
    return surface_->width();
}

int Window::Height() const
{
    return surface_->height();
}

void Window::setBounds(Rect box)
{
    const int bar = frame_->menuBarHeight();
    frame_->setGeometry(box.left, box.top, box.width, box.height + bar);
    surface_->setGeometry(0, bar, box.width, box.height);
    surfaceResized(box.width, box.height);
}

void Window::BackColor(Color color)
{
    backColor_ = color;
    QPalette palette = surface_->palette();
    palette.setColor(QPalette::Window, QColor(color.red, color.green, color.blue));
    surface_->setPalette(palette);
    // A new background repaints the window at once, canvases included: what they showed is gone.
    for (auto& control : controls_)
        control->Refresh();
    surface_->update();
    Stage::recolour();
}

std::string Window::Title() const
{
    return frame_->windowTitle().toStdString();
}

void Window::setTitle(const std::string& title)
{
    frame_->setWindowTitle(QString::fromStdString(title));
}

bool Window::MenuBarVisible() const
{
    return frame_->menuBarShown();
}

void Window::setUpForPlay()
{
    setFullScreen(true);
    setMenuBarVisible(false);
    setCloseBoxCloses(false);
    setHoldsKeyboard(true);
}

void Window::setMenuBarVisible(bool visible)
{
    const int width = Width();
    const int height = Height();
    frame_->setMenuBarShown(visible);
    setBounds({Left(), Top(), width, height});
}

bool Window::isCovered() const
{
    const auto& windows = stack();
    auto self = std::find(windows.begin(), windows.end(), this);
    return self != windows.end() &&
           std::any_of(self + 1, windows.end(), [](const Window* w) { return w->FullScreen(); });
}

Control* Window::findControl(const std::string& name) const
{
    for (const auto& control : controls_) {
        if (control->Name() == name)
            return control.get();
    }
    return nullptr;
}

Window* Window::front()
{
    return stack().empty() ? nullptr : stack().back();
}

std::vector<Window*> Window::openWindows()
{
    return stack();
}

void Window::closeAll()
{
    while (Window* window = front())
        window->Close();
    releaseClosed();
}

void Window::releaseClosed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Window::runMenuHandler(const std::string& itemName)
{
    const auto handler = menuHandlers_.find(itemName);
    return handler != menuHandlers_.end() && handler->second();
}

void Window::addMenuHandler(const std::string& itemName, std::function<bool()> handler)
{
    menuHandlers_[itemName] = std::move(handler);
}

void Window::deliverKeyDown(const std::string& key)
{
    if (!closed_)
        Event_KeyDown(key);
}

void Window::deliverMouseDown(int x, int y)
{
    if (!closed_)
        mouseWanted_ = Event_MouseDown(x, y);
}

void Window::deliverMouseUp(int x, int y)
{
    // The release goes to the window only when its press handler asked for it.
    if (closed_ || !mouseWanted_)
        return;
    mouseWanted_ = false;
    Event_MouseUp(x, y);
}

void Window::closeRequested()
{
    if (closeBoxCloses_)
        Close();
}

void Window::activated()
{
    if (closed_)
        return;
    // The desktop may hand the focus to a full-screen window we keep behind (a window manager
    // focuses what it maps, in its own time); the window we put in front takes it back.
    Window* top = front();
    if (holdsKeyboard_ && top && top != this) {
        top->frame_->activateWindow();
        return;
    }
    activeSinceShown_ = true;
    toFront(this);
    holdInputForFront(this, holdsKeyboard_);
}

void Window::surfaceResized(int width, int height)
{
    for (auto& control : controls_) {
        if (control->widget() && control->widget()->parentWidget() == surface_)
            control->parentResized(width, height);
    }
}

QWidget* Window::surface() const
{
    return surface_;
}

QWidget* Window::frame() const
{
    return frame_;
}

} // namespace platform
