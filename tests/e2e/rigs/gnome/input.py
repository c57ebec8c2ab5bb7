# SPDX-License-Identifier: GPL-3.0-or-later
# Keys and pointer for a headless GNOME Shell, through its remote desktop service. Reads lines
#   key CODE STATE      an evdev key code pressed (1) or let go (0)
#   move DX DY          the pointer moved by so much
#   button CODE STATE   an evdev button pressed (1) or let go (0)
#   wheel STEPS         the wheel turned (negative: up)
# and answers each with "done" once the shell has it.
import sys

import dbus

bus = dbus.SessionBus()
service = 'org.gnome.Mutter.RemoteDesktop'
desktop = dbus.Interface(bus.get_object(service, '/org/gnome/Mutter/RemoteDesktop'), service)
session = dbus.Interface(bus.get_object(service, desktop.CreateSession()), service + '.Session')
session.Start()
print('ready', flush=True)
for line in sys.stdin:
    command, *args = line.split()
    if command == 'key':
        session.NotifyKeyboardKeycode(dbus.UInt32(int(args[0])), args[1] == '1')
    elif command == 'move':
        session.NotifyPointerMotionRelative(float(args[0]), float(args[1]))
    elif command == 'button':
        session.NotifyPointerButton(int(args[0]), args[1] == '1')
    elif command == 'wheel':
        session.NotifyPointerAxisDiscrete(dbus.UInt32(0), int(args[0]))
    else:
        print('not understood: ' + line, file=sys.stderr, flush=True)
        continue
    print('done', flush=True)
