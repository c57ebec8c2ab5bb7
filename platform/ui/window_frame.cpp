// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/window_frame.h"

#include "platform/ui/menu_bar.h"
#include "platform/ui/window.h"
#include "platform/ui/window_surface.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace platform {

WindowFrame::WindowFrame(Window* window)
    : window_(window), surface_(new WindowSurface(window, this))
{
    MenuBar::attach(this);
}

void WindowFrame::setMenuBarShown(bool shown)
{
    menuBarShown_ = shown;
    if (menuBar_)
        menuBar_->setVisible(shown);
    else if (isVisible())
        makeMenuBar();
}

bool WindowFrame::makeMenuBar()
{
    if (menuBar_ || !menuBarShown_)
        return false;
    menuBar_ = new QMenuBar(this);
    MenuBar::fill(menuBar_);
    // Made after its frame was shown, a child widget stays hidden until told.
    if (isVisible())
        menuBar_->show();
    return true;
}

int WindowFrame::menuBarHeight() const
{
    return menuBar_ && menuBarShown_ ? menuBar_->sizeHint().height() : 0;
}

void WindowFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int bar = menuBarHeight();
    if (menuBar_)
        menuBar_->setGeometry(0, 0, width(), bar);
    surface_->setGeometry(0, bar, width(), height() - bar);
}

void WindowFrame::closeEvent(QCloseEvent* event)
{
    // The desktop's close box: the window decides; a closing from code has already run.
    event->ignore();
    if (window_ && !window_->isClosed())
        window_->closeRequested();
}

void WindowFrame::changeEvent(QEvent* event)
{
    // A window drawn on a stage is told by the stage.
    if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow() && window_)
        window_->activated();
    if (event->type() == QEvent::LanguageChange) {
        MenuBar::retranslate();
        if (window_)
            window_->languageChanged();
    }
    QWidget::changeEvent(event);
}

} // namespace platform
