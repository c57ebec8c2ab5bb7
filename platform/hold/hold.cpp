// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/hold.h"

#include "platform/hold/awake_keeper.h"
#include "platform/hold/sheet.h"
#include "platform/hold/stage.h"
#include "platform/input/key_events.h"
#include "platform/input/keyboard.h"
#include "platform/runtime/runtime.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace platform {
namespace {

// A window manager still starting or busy mapping may let a request for the focus go by, and an
// X server refuses a grab for a moment after the window manager's own: the window in front keeps
// asking this often, this long.
constexpr int kPersistMs = 100;
constexpr int kPersistTicks = 30;
// The desktop is asked to stay awake once the first frame is on screen: finding the session bus
// can take a while, and a start must not wait for it.
constexpr int kAwakeAfterMs = 50;

// The native window that shows a sheet: its own, or the stage it is drawn on.
QWindow* nativeWindow(const Sheet* sheet)
{
    return sheet->frame()->window()->windowHandle();
}

QRect screenGeometry(const QScreen* screen)
{
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

} // namespace

Hold& Hold::shared()
{
    static Hold* hold = new Hold;
    return *hold;
}

Hold::Hold() : awakeSoon_(new QTimer(this)), persist_(new QTimer(this))
{
    awakeSoon_->setSingleShot(true);
    awakeSoon_->setInterval(kAwakeAfterMs);
    connect(awakeSoon_, &QTimer::timeout, this,
            [this] { awake_ = std::make_unique<AwakeKeeper>(desktop()); });
    persist_->setInterval(kPersistMs);
    connect(persist_, &QTimer::timeout, this, &Hold::persist);
    QCoreApplication::instance()->installEventFilter(this);
}

Hold::~Hold() = default;

Desktop& Hold::desktop()
{
    if (!desktop_) {
        desktop_ = makeDesktop();
        desktop_->whenKeysChange([this] {
            if (tellKeys_)
                tellKeys_(desktop_->keys());
        });
    }
    return *desktop_;
}

DesktopKeys Hold::keys() const
{
    return desktop_ ? desktop_->keys() : DesktopKeys::Held;
}

void Hold::whenKeysChange(std::function<void(DesktopKeys)> tell)
{
    tellKeys_ = std::move(tell);
    desktop();
}

void Hold::begin()
{
    awakeSoon_->start();
}

void Hold::end()
{
    awakeSoon_->stop();
    persist_->stop();
    awake_.reset();
    qDeleteAll(stages_);
    stages_.clear();
}

Sheet* Hold::front() const
{
    return sheets_.empty() ? nullptr : sheets_.back();
}

bool Hold::isCovered(const Sheet* sheet) const
{
    auto self = std::find(sheets_.begin(), sheets_.end(), sheet);
    return self != sheets_.end() &&
           std::any_of(self + 1, sheets_.end(), [](const Sheet* s) { return s->FullScreen(); });
}

Sheet* Hold::shownSheet() const
{
    for (auto it = sheets_.rbegin(); it != sheets_.rend(); ++it) {
        if ((*it)->FullScreen())
            return *it;
    }
    return nullptr;
}

void Hold::shown(Sheet* sheet)
{
    if (sheet->FullScreen())
        present(sheet);
    else
        presentDialog(sheet);
    frontHadFocus_ = false;
    QWidget* frame = sheet->frame();
    frame->raise();
    frame->activateWindow();
    sheet->surface()->setFocus(Qt::OtherFocusReason);
    toFront(sheet);
    holdInput();
    persistTicks_ = 0;
    persist_->start();
}

void Hold::present(Sheet* sheet)
{
    Stage* stage = mainStage();
    QWidget* frame = sheet->frame();
    if (frame->parentWidget() != stage)
        frame->setParent(stage);
    sheet->place(stage->rect());
    frame->show();
    frame->raise();
    for (Stage* other : stages_)
        other->raise();
    stage->activateWindow();
    desktop().takeFocus(stage->windowHandle());
}

void Hold::presentDialog(Sheet* sheet)
{
    // Any other window of the toy is a dialog of the stage it plays on: the desktop keeps it over
    // the stage (and a tiling one lets it float there).
    QWidget* frame = sheet->frame();
    Stage* stage = frame->isVisible() ? nullptr : focusedStage();
    if (stage && frame->parentWidget() != stage)
        frame->setParent(stage, Qt::Dialog);
    // A Wayland compositor never gives the keyboard to a window that opens over a full-screen
    // one (sway's rule), so the stages step back from full screen while a dialog is up; they
    // take it again when the dialog goes (arrange).
    if (stage && desktop().dialogsNeedRoom()) {
        for (Stage* each : stages_)
            each->showMaximized();
    }
    if (sheet->centred() && !frame->isVisible()) {
        // On a screen smaller than the window, the window shrinks to fit it.
        const QRect screen = screenGeometry(QGuiApplication::primaryScreen());
        frame->resize(frame->size().boundedTo(screen.size()));
        frame->move(screen.center() - frame->rect().center());
    }
    frame->show();
}

void Hold::closed(Sheet* sheet)
{
    const bool wasFullScreen = sheet->FullScreen();
    sheets_.erase(std::remove(sheets_.begin(), sheets_.end(), sheet), sheets_.end());
    for (Sheet* other : sheets_)
        other->surface()->update();
    if (QWindow* own = sheet->frame()->windowHandle())
        desktop().letGo({own});
    // Asked while the closing dialog still has the keyboard: a Wayland compositor (KWin) lets the
    // window with the keyboard hand it on, but not a window it has left for another program (a
    // browser the dialog opened).
    Sheet* next = front();
    if (next && next->FullScreen() && !wasFullScreen)
        desktop().takeFocus(nativeWindow(next));
    sheet->frame()->hide();
    arrange();
    if (next) {
        // Back from a dialog, the stage comes in front again, over whatever the dialog opened
        // (a browser), and holds the keys and the pointer again.
        if (next->FullScreen() && !wasFullScreen)
            shown(next);
        else
            holdInput();
    }
}

void Hold::activated(Sheet* sheet)
{
    // The desktop may hand the focus to a full-screen window we keep behind (a window manager
    // focuses what it maps, in its own time); the window we put in front takes it back.
    Sheet* top = front();
    if (sheet->holdsKeyboard() && top && top != sheet) {
        top->frame()->activateWindow();
        return;
    }
    frontHadFocus_ = true;
    toFront(sheet);
    holdInput();
}

void Hold::toFront(Sheet* sheet)
{
    const bool wasCovered = isCovered(sheet);
    sheets_.erase(std::remove(sheets_.begin(), sheets_.end(), sheet), sheets_.end());
    sheets_.push_back(sheet);
    arrange();
    // What was drawn while it was hidden is painted now.
    if (wasCovered)
        sheet->surface()->update();
}

QList<QWindow*> Hold::stageWindows() const
{
    QList<QWindow*> windows;
    for (Stage* stage : stages_)
        windows.append(stage->windowHandle());
    return windows;
}

void Hold::holdInput()
{
    // The keyboard and the pointer belong to the window in front when it asks for them, and to
    // the desktop otherwise.
    Sheet* top = front();
    QWindow* handle = top ? nativeWindow(top) : nullptr;
    if (!handle) {
        held_ = true;
        return;
    }
    QList<QWindow*> others;
    for (const Sheet* sheet : sheets_) {
        QWindow* other = nativeWindow(sheet);
        if (other && other != handle && !others.contains(other))
            others.append(other);
    }
    if (top->holdsKeyboard()) {
        held_ = desktop().hold(handle, stageWindows(), others);
        return;
    }
    desktop().letGo(others + stageWindows() + QList<QWindow*>{handle});
    held_ = true;
}

void Hold::persist()
{
    Sheet* top = front();
    if (!top || ++persistTicks_ > kPersistTicks) {
        persist_->stop();
        return;
    }
    if (!held_)
        holdInput();
    // Once the window has had the focus, or a message of ours sits over it, whatever took the
    // focus since keeps it: a key meant for that message must not land here.
    QWidget* frame = top->frame();
    const QWidget* modal = QApplication::activeModalWidget();
    if (!frontHadFocus_ && !frame->isActiveWindow() && !(modal && modal != frame))
        frame->activateWindow();
}

Stage* Hold::mainStage()
{
    if (stages_.isEmpty()) {
        stages_.append(new Stage(*this, QGuiApplication::primaryScreen()));
        screensChanged();
        auto* app = qGuiApp;
        connect(app, &QGuiApplication::screenAdded, this, &Hold::screensChanged);
        connect(app, &QGuiApplication::screenRemoved, this, &Hold::screensChanged);
        connect(app, &QGuiApplication::primaryScreenChanged, this, &Hold::screensChanged);
    }
    return stages_.first();
}

Stage* Hold::focusedStage() const
{
    // A Wayland compositor hands the keyboard only to a dialog of the window that has it.
    for (Stage* stage : stages_) {
        if (stage->windowHandle() == QGuiApplication::focusWindow())
            return stage;
    }
    return stages_.isEmpty() ? nullptr : stages_.first();
}

void Hold::screensChanged()
{
    if (stages_.isEmpty())
        return;
    QScreen* first = QGuiApplication::primaryScreen();
    // The main stage follows the first screen; every other screen gets a stage of its own.
    Stage* main = stages_.first();
    main->cover(first);
    QList<Stage*> spare = stages_.mid(1);
    QList<Stage*> kept{main};
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen == first || !desktop().stagePerScreen())
            continue;
        Stage* stage = spare.isEmpty() ? new Stage(*this, screen) : spare.takeFirst();
        stage->cover(screen);
        kept.append(stage);
    }
    for (Stage* extra : spare)
        extra->deleteLater();
    stages_ = kept;
    for (Stage* stage : stages_)
        desktop().keepAwake(stage->windowHandle());
    arrange();
    main->raise();
    main->activateWindow();
    // A new stage takes the keys and clicks as the others do.
    if (Sheet* top = shownSheet(); top && top == front())
        activated(top);
}

void Hold::arrange()
{
    if (stages_.isEmpty())
        return;
    Sheet* top = shownSheet();
    Stage* main = stages_.first();
    for (Sheet* sheet : sheets_) {
        if (sheet->FullScreen() && sheet->frame()->parentWidget() == main)
            sheet->frame()->setVisible(sheet == top);
    }
    if (top) {
        main->setWindowTitle(top->frame()->windowTitle());
        main->setWindowRole(top->frame()->windowRole());
    }
    // A tiling desktop lets full screen go while a dialog is up; back in front, it is taken again.
    if (top && top == front()) {
        for (Stage* stage : stages_) {
            if (!stage->isFullScreen()) {
                stage->cover(stage->screen());
                desktop().keepAwake(stage->windowHandle());
            }
        }
    }
    recolour();
}

void Hold::recolour()
{
    // The main stage is covered by the window it shows; repainting it would repaint that too.
    for (Stage* stage : stages_.mid(1))
        stage->update();
}

bool Hold::palmOnTheKeys(const QKeyEvent& key) const
{
    // A shortcut chord while any key but the menu modifier, Shift and the chord's own key is down:
    // a hand mashing the keyboard, not a parent.
    const int own = KeyEvents::shared().codeOf(key);
    if (!(key.modifiers() & Qt::ControlModifier))
        return false;
    for (int code = 0; code <= 255; ++code) {
        if (code != own && !isChordModifierKey(code) && Keyboard::AsyncKeyDown(code))
            return true;
    }
    return false;
}

bool Hold::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Accepted here, a palm's chord is no shortcut: it reaches the window as a child's key.
        if (palmOnTheKeys(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::PaletteChange:
        // The other screens show the colour of the window in front.
        if (const Sheet* top = shownSheet(); top && watched == top->surface())
            recolour();
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform
