// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/hold/desktop.h"

#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;
class QScreen;
class QTimer;
class QWindow;

namespace platform {

class AwakeKeeper;
class Sheet;
class Stage;

// Keeps the child in the toy. It owns what a desktop could otherwise take away: the stages (one
// full-screen surface per screen, with the window in front drawn on the first), the order of
// the windows, every key and click held from the desktop while a window that wants them is in
// front (a strategy per desktop), the window in front kept in front and active, the screen kept
// awake, and the parent's chords kept from a palm on the keyboard. The windows only say when
// they are shown, closed and activated.
class Hold : public QObject {
    Q_OBJECT
  public:
    static Hold& shared();

    void shown(Sheet* sheet);
    void closed(Sheet* sheet);
    void activated(Sheet* sheet);

    // The window in front, or nullptr; the open ones, the one in front last.
    Sheet* front() const;
    const std::vector<Sheet*>& sheets() const { return sheets_; }
    // A full-screen window lies in front of it: nothing of it can be seen.
    bool isCovered(const Sheet* sheet) const;
    // The full-screen window the stages show: the highest open one.
    Sheet* shownSheet() const;
    // Every stage, the main one first; empty before the first full-screen window.
    const QList<Stage*>& stages() const { return stages_; }

    // The run begins: the screen is kept awake. It ends: everything is given back, the stages go.
    void begin();
    void end();

    DesktopKeys keys() const;
    // Told each time keys() changes.
    void whenKeysChange(std::function<void(DesktopKeys)> tell);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Hold();
    ~Hold() override;
    Desktop& desktop();

    Stage* mainStage();
    Stage* focusedStage() const;
    void screensChanged();
    void present(Sheet* sheet);
    void presentDialog(Sheet* sheet);
    void toFront(Sheet* sheet);
    void arrange();
    void recolour();
    void holdInput();
    void persist();
    QList<QWindow*> stageWindows() const;
    bool palmOnTheKeys(const QKeyEvent& key) const;

    std::unique_ptr<Desktop> desktop_;
    std::vector<Sheet*> sheets_;
    QList<Stage*> stages_;
    std::unique_ptr<AwakeKeeper> awake_;
    QTimer* awakeSoon_;
    QTimer* persist_;
    int persistTicks_ = 0;
    bool held_ = false;
    bool frontHadFocus_ = false;
    std::function<void(DesktopKeys)> tellKeys_;
};

} // namespace platform
