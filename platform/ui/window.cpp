// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/window.h"

#include "platform/hold/hold.h"
#include "platform/ui/control.h"
#include "platform/ui/push_button.h"
#include "platform/ui/window_frame.h"
#include "platform/ui/window_surface.h"

#include <QCoreApplication>
#include <QPixmapCache>
#include <QRect>
#include <algorithm>

namespace platform {
namespace {

// Wider than this a dialog no longer fits a small laptop's screen beside the toy: the
// translation must be shorter.
constexpr double kMostGrowth = 1.25;
constexpr int kFitRounds = 4;

// A closed window waits, as Qt's own deferred deletion does, until the events under way have
// returned: a handler of it may still be running further down.
class ClosedWindow : public QObject {
  public:
    explicit ClosedWindow(Window* window) : window_(window) {}

  private:
    std::unique_ptr<Window> window_;
};

} // namespace

Window::Window(Rect designBox, const std::string& title)
    : frame_(new WindowFrame(this)), designWidth_(designBox.width), surface_(frame_->surface())
{
    setTitle(title);
    setBounds(designBox);
    BackColor(backColor_);
}

Window::~Window()
{
    controls_.clear();
    surface_->forgetWindow();
    delete frame_.data();
}

void Window::open(std::function<void()> closedHook)
{
    closedHook_ = std::move(closedHook);
    AddMenuHandlers();
    fitTexts();
    for (std::size_t i = 0; i < controls_.size() && !closed_; ++i)
        controls_[i]->runOpen();
    if (!closed_)
        Event_Open();
    if (!closed_)
        Show();
}

std::vector<Control*> Window::controls() const
{
    std::vector<Control*> all;
    for (const auto& control : controls_)
        all.push_back(control.get());
    return all;
}

void Window::languageChanged()
{
    if (closed_)
        return;
    Event_LanguageChanged();
    fitTexts();
}

void Window::fitTexts()
{
    if (!growsToFitTexts_)
        return;
    // One scale for the window and all its controls, so nothing comes to overlap; a wrapped
    // caption needs a second look once it is wider.
    textScale_ = 1;
    for (int round = 0; round < kFitRounds; ++round) {
        setBounds({Left(), Top(), int(designWidth_ * textScale_ + 0.5), Height()});
        for (const auto& control : controls_)
            control->widen(textScale_);
        double needs = 1;
        for (const auto& control : controls_) {
            if (control->Width() > 0)
                needs = std::max(needs, double(control->textWidth()) / control->Width());
        }
        if (needs <= 1 || textScale_ >= kMostGrowth || round + 1 == kFitRounds)
            break;
        textScale_ = std::min(kMostGrowth, textScale_ * needs);
    }
}

void Window::Show()
{
    if (closed_)
        return;
    if (frame_->makeMenuBar())
        setBounds({Left(), Top(), Width(), Height()});
    Hold::shared().shown(this);
}

void Window::Close()
{
    if (closed_)
        return;
    closed_ = true;
    Event_Close();
    for (auto& control : controls_)
        control->windowClosing();
    Hold::shared().closed(this);
    // The style caches what it draws under keys that include this window's palette; a window
    // opened again gets a new palette, so those pixmaps would only pile up.
    QPixmapCache::clear();
    if (closedHook_)
        closedHook_();
    (new ClosedWindow(this))->deleteLater();
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
}

std::string Window::Title() const
{
    return frame_->windowTitle().toStdString();
}

void Window::setTitle(const std::string& title)
{
    frame_->setWindowTitle(QString::fromStdString(title));
}

void Window::setRole(const std::string& role)
{
    frame_->setWindowRole(QString::fromStdString(role));
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
    return Hold::shared().isCovered(this);
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
    // Every sheet the hold knows is a window.
    return static_cast<Window*>(Hold::shared().front());
}

std::vector<Window*> Window::openWindows()
{
    std::vector<Window*> windows;
    for (Sheet* sheet : Hold::shared().sheets())
        windows.push_back(static_cast<Window*>(sheet));
    return windows;
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

bool Window::pressDefaultButton()
{
    if (closed_ || !defaultButton_ || !defaultButton_->Enabled())
        return false;
    defaultButton_->Push();
    return true;
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
    if (!closed_)
        Hold::shared().activated(this);
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

void Window::place(const QRect& box)
{
    setBounds({box.x(), box.y(), box.width(), box.height()});
}

} // namespace platform
