// SPDX-License-Identifier: GPL-3.0-or-later
// For a headless test session only: lets org.gnome.Shell.Eval answer, and starts without the
// overview, as a session resumed would.
const Main = imports.ui.main;

function init() {}

function enable() {
    global.context.unsafe_mode = true;
    if (Main.layoutManager._startingUp)
        Main.layoutManager.connect('startup-complete', () => Main.overview.hide());
}

function disable() {}
