// SPDX-License-Identifier: GPL-3.0-or-later
// For a headless test session only, on GNOME 43 and 44 (extension.js is for the shells after):
// lets org.gnome.Shell.Eval and the screenshots answer, and starts without the overview, as a
// session resumed would.
const Main = imports.ui.main;

function init() {}

function enable() {
    global.context.unsafe_mode = true;
    if (Main.layoutManager._startingUp)
        Main.layoutManager.connect('startup-complete', () => Main.overview.hide());
}

function disable() {}
