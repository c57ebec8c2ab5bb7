// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include "platform/menu_bar.h"
#include "platform/window.h"
#include "platform/window_surface.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace platform {

WindowFrame::WindowFrame(Window* window)
    : window_(window), surface_(new WindowSurface(window, this)), menuBar_(new QMenuBar(this))
{
    MenuBar::attach(this);
}

int WindowFrame::menuBarHeight() const
{
    return menuBar_->isHidden() ? 0 : menuBar_->sizeHint().height();
}

void WindowFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int bar = menuBarHeight();
    menuBar_->setGeometry(0, 0, width(), bar);
    surface_->setGeometry(0, bar, width(), height() - bar);
}

WindowFrame::~WindowFrame()
{
    // The window goes with its frame; the frame's children go after it.
    Window* window = window_;
    window_ = nullptr;
    surface_->forgetWindow();
    delete window;
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
    // A window drawn on a stage hears of it from the stage.
    if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow() && window_)
        window_->activated();
    QWidget::changeEvent(event);
}

} // namespace platform
