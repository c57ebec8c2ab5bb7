// SPDX-License-Identifier: GPL-3.0-or-later
// For a headless test session only: lets org.gnome.Shell.Eval and the screenshots answer, and
// starts without the overview, as a session resumed would. GNOME 45 on, where extensions are
// modules; extension-43.js is the same for the shells before.
import * as Main from 'resource:///org/gnome/shell/ui/main.js';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

export default class TumbletotTests extends Extension {
    enable() {
        global.context.unsafe_mode = true;
        if (Main.layoutManager._startingUp)
            Main.layoutManager.connect('startup-complete', () => Main.overview.hide());
    }

    disable() {}
}
