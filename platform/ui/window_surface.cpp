// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/window_surface.h"

#include "platform/input/key_events.h"
#include "platform/ui/window.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {
namespace {

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

} // namespace

WindowSurface::WindowSurface(Window* window, QWidget* parent) : QWidget(parent), window_(window)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void WindowSurface::keyPressEvent(QKeyEvent* event)
{
    // A held key's repeats and a lone modifier are no key presses of their own.
    if (!window_ || KeyEvents::shared().isRepeat(*event) || isModifierOnly(event->key()))
        return;
    // Return presses the default button here, not through a shortcut: a window the desktop has
    // just handed the keyboard to gets its first key before Qt counts it as active.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == 0 && window_->pressDefaultButton())
        return;
    window_->deliverKeyDown(event->text().toStdString());
}

void WindowSurface::keyReleaseEvent(QKeyEvent* event)
{
    // Taken here: passed up, it would reach the stage, which hands keys back to the window.
    event->accept();
}

void WindowSurface::mousePressEvent(QMouseEvent* event)
{
    if (window_)
        window_->deliverMouseDown(event->position().toPoint().x(), event->position().toPoint().y());
}

void WindowSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (window_)
        window_->deliverMouseUp(event->position().toPoint().x(), event->position().toPoint().y());
}

void WindowSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (window_)
        window_->surfaceResized(width(), height());
}

} // namespace platform
