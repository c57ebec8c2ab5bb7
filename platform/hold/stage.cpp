// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/stage.h"

#include "platform/hold/hold.h"
#include "platform/hold/sheet.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace platform {

Stage::Stage(Hold& hold, QScreen* screen) : hold_(hold)
{
    setFocusPolicy(Qt::StrongFocus);
    cover(screen);
}

void Stage::cover(QScreen* screen)
{
    // On Wayland a full-screen request lands on the output the window's size points at.
    if (!windowHandle())
        create();
    windowHandle()->setScreen(screen);
    setGeometry(screen ? screen->geometry() : QRect(0, 0, 640, 480));
    showFullScreen();
}

void Stage::paintEvent(QPaintEvent*)
{
    // Seen only where no window lies on it: the other screens.
    const Sheet* shown = hold_.shownSheet();
    QPainter(this).fillRect(rect(), shown ? shown->surface()->palette().color(QPalette::Window)
                                          : QColor(Qt::white));
}

bool Stage::event(QEvent* event)
{
    // A key or click on any screen is one on the window the child sees.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (Sheet* shown = hold_.shownSheet(); shown && shown == hold_.front())
            return QApplication::sendEvent(shown->surface(), event);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Stage::closeEvent(QCloseEvent* event)
{
    // A desktop's close button does nothing to a stage; quitting (Qt asks every window it
    // shows, not spontaneously) ends it.
    if (event->spontaneous())
        event->ignore();
}

void Stage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The windows drawn here fill it, on whatever screen it has moved to.
    for (Sheet* sheet : hold_.sheets()) {
        if (sheet->FullScreen() && sheet->frame()->parentWidget() == this)
            sheet->place(rect());
    }
}

void Stage::changeEvent(QEvent* event)
{
    // A desktop that activates the stage activates the window in front on it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (Sheet* shown = hold_.shownSheet(); shown && shown == hold_.front())
            hold_.activated(shown);
    }
    QWidget::changeEvent(event);
}

} // namespace platform
