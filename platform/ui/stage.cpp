// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/stage.h"

#include "platform/input/pointer_hold.h"
#include "platform/input/wayland_hold.h"
#include "platform/ui/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace platform {
namespace {

// The main stage first; one for each screen while there are stages at all.
QList<Stage*>& stages()
{
    static QList<Stage*> list;
    return list;
}

QRect screenGeometry(const QScreen* screen)
{
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

} // namespace

Stage::Stage(QScreen* screen)
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
    setGeometry(screenGeometry(screen));
    showFullScreen();
    WaylandHold::keepAwake(windowHandle());
}

Stage* Stage::main()
{
    if (stages().isEmpty()) {
        stages().append(new Stage(QGuiApplication::primaryScreen()));
        screensChanged();
        auto* app = qGuiApp;
        QObject::connect(app, &QGuiApplication::screenAdded, app, [] { screensChanged(); });
        QObject::connect(app, &QGuiApplication::screenRemoved, app, [] { screensChanged(); });
        QObject::connect(app, &QGuiApplication::primaryScreenChanged, app,
                         [] { screensChanged(); });
    }
    return stages().first();
}

QList<Stage*> Stage::all()
{
    return stages();
}

Stage* Stage::focused()
{
    for (Stage* stage : stages()) {
        if (stage->windowHandle() == QGuiApplication::focusWindow())
            return stage;
    }
    return stages().isEmpty() ? nullptr : stages().first();
}

void Stage::screensChanged()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* first = QGuiApplication::primaryScreen();
    // The main stage follows the first screen; every other screen gets a stage of its own.
    Stage* mainStage = stages().first();
    mainStage->cover(first);
    QList<Stage*> others = stages().mid(1);
    QList<Stage*> kept{mainStage};
    for (QScreen* screen : screens) {
        if (screen == first)
            continue;
        Stage* stage = others.isEmpty() ? new Stage(screen) : others.takeFirst();
        stage->cover(screen);
        kept.append(stage);
    }
    for (Stage* extra : others)
        extra->deleteLater();
    stages() = kept;
    arrange();
    mainStage->raise();
    mainStage->activateWindow();
    // A new stage takes the keys and clicks as the others do.
    if (Window* top = shown(); top && top == Window::front())
        top->activated();
}

void Stage::present(Window* window)
{
    Stage* stage = main();
    QWidget* frame = window->frame();
    if (frame->parentWidget() != stage)
        frame->setParent(stage);
    window->setBounds({0, 0, stage->width(), stage->height()});
    frame->show();
    frame->raise();
    for (Stage* other : stages())
        other->raise();
    stage->activateWindow();
    takeFocus(stage->windowHandle());
}

Window* Stage::shown()
{
    const std::vector<Window*> windows = Window::openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if ((*it)->FullScreen())
            return *it;
    }
    return nullptr;
}

void Stage::arrange()
{
    if (stages().isEmpty())
        return;
    Window* top = shown();
    Stage* mainStage = stages().first();
    for (Window* window : Window::openWindows()) {
        if (window->FullScreen() && window->frame()->parentWidget() == mainStage)
            window->frame()->setVisible(window == top);
    }
    if (top)
        mainStage->setWindowTitle(QString::fromStdString(top->Title()));
    // A tiling desktop lets full screen go while a dialog is up; back in front, it is taken again.
    if (top && top == Window::front()) {
        for (Stage* stage : stages()) {
            if (!stage->isFullScreen())
                stage->cover(stage->screen());
        }
    }
    recolour();
}

void Stage::makeRoomForDialog()
{
    // A Wayland compositor never gives the keyboard to a window that opens over a full-screen
    // one (sway's rule), so the stages step back from full screen while a dialog is up; they
    // take it again when the dialog goes (arrange).
    if (!WaylandHold::inUse())
        return;
    for (Stage* stage : stages())
        stage->showMaximized();
}

void Stage::recolour()
{
    // The main stage is covered by the window it shows; repainting it would repaint that too.
    for (Stage* stage : stages().mid(1))
        stage->update();
}

void Stage::dismantle()
{
    qDeleteAll(stages());
    stages().clear();
}

void Stage::paintEvent(QPaintEvent*)
{
    // Seen only where no window lies on it: the other screens.
    const Window* top = shown();
    const Color colour = top ? top->BackColor() : Color{255, 255, 255};
    QPainter(this).fillRect(rect(), QColor(colour.red, colour.green, colour.blue));
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
        if (Window* top = shown(); top && top == Window::front())
            return QApplication::sendEvent(top->surface(), event);
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
    for (Window* window : Window::openWindows()) {
        if (window->FullScreen() && window->frame()->parentWidget() == this)
            window->setBounds({0, 0, width(), height()});
    }
}

void Stage::changeEvent(QEvent* event)
{
    // A desktop that activates the stage activates the window in front on it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (Window* top = shown(); top && top == Window::front())
            top->activated();
    }
    QWidget::changeEvent(event);
}

} // namespace platform
