#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Input for a headless Wayland desktop that has no devices of its own: a virtual pointer on
# wlroots compositors (sway) and fake input on KWin, spoken straight on the Wayland socket; on
# GNOME, its remote desktop service. Made once, before the program under test starts, so the seat
# has a pointer when the program looks. Reads lines
#   move X Y WIDTH HEIGHT        the pointer to X, Y of a layout WIDTH x HEIGHT
#   click X Y WIDTH HEIGHT       a left click there
#   wheel STEPS                  the wheel turned (negative: up); not on sway
#   key CODE STATE               an evdev key code pressed (1) or let go (0); not on sway
# and answers each, once the desktop has it, with a line "done".
import os
import socket
import struct
import sys
import time

LEFT_BUTTON = 0x110
WHEEL_STEP = 15
wire = socket.socket(socket.AF_UNIX)
wire.connect(os.path.join(os.environ['XDG_RUNTIME_DIR'], os.environ['WAYLAND_DISPLAY']))
replies = wire.makefile('rb')
# A new object's id is the next one, in the order the requests that make them are sent.
ids = iter(range(2, 1 << 24))


# A request: whole numbers go as they are, floats as the wire's 24.8 fixed point, strings with
# their length, ended and padded with NULs.
def send(target, opcode, *args):
    body = b''
    for arg in args:
        if isinstance(arg, str):
            text = arg.encode() + b'\0'
            body += struct.pack('=I', len(text)) + text + b'\0' * (-len(text) % 4)
        elif isinstance(arg, float):
            body += struct.pack('=i', round(arg * 256))
        else:
            body += struct.pack('=i' if arg < 0 else '=I', arg)
    wire.sendall(struct.pack('=II', target, (8 + len(body)) << 16 | opcode) + body)


# Waits until the compositor has handled everything sent; gives the events that came meanwhile,
# as (sender, opcode, body).
def roundtrip():
    done = next(ids)
    send(1, 0, done)  # wl_display.sync
    events = []
    while True:
        header = replies.read(8)
        if len(header) < 8:
            sys.exit('wlinput: the compositor closed the connection')
        sender, word = struct.unpack('=II', header)
        body = replies.read((word >> 16) - 8)
        if sender == 1 and word & 0xffff == 0:  # wl_display.error: object, code, message
            sys.exit('wlinput: refused: ' + body[12:].rstrip(b'\0').decode())
        if sender == done:
            return events
        events.append((sender, word & 0xffff, body))


registry = next(ids)
send(1, 1, registry)  # wl_display.get_registry
offered = {}
for sender, opcode, body in roundtrip():
    if sender == registry and opcode == 0:  # global: name, interface, version
        name, length = struct.unpack('=II', body[:8])
        version, = struct.unpack('=I', body[8 + (length + 3) // 4 * 4:][:4])
        offered[body[8:7 + length].decode()] = (name, version)


def bind(interface, version):
    bound = next(ids)
    send(registry, 0, offered[interface][0], interface, version, bound)
    return bound


kwin = pointer = gnome = None
if offered.get('org_kde_kwin_fake_input', (0, 0))[1] >= 4:
    kwin = bind('org_kde_kwin_fake_input', 4)
    send(kwin, 0, 'tumbletot tests', 'drive the toy')  # authenticate
elif 'zwlr_virtual_pointer_manager_v1' in offered:
    seat = bind('wl_seat', 1)
    manager = bind('zwlr_virtual_pointer_manager_v1', 1)
    pointer = next(ids)
    send(manager, 0, seat, pointer)  # create_virtual_pointer
else:
    import dbus
    service = 'org.gnome.Mutter.RemoteDesktop'
    bus = dbus.SessionBus()
    desktop = dbus.Interface(bus.get_object(service, '/org/gnome/Mutter/RemoteDesktop'), service)
    gnome = dbus.Interface(bus.get_object(service, desktop.CreateSession()), service + '.Session')
    gnome.Start()
roundtrip()
print('ready', flush=True)


# A pointer request of wlroots', with its time, then the frame that ends the event.
def pointer_event(opcode, *args):
    send(pointer, opcode, int(time.monotonic() * 1000) & 0xffffffff, *args)
    send(pointer, 4)


def move(x, y, width, height):
    if kwin:
        send(kwin, 9, float(x), float(y))  # pointer_motion_absolute, in KWin's own layout
    elif gnome:
        # GNOME moves it only by so much: from the bottom-right corner, where a long way down and
        # right always ends (the top-left one opens the overview).
        gnome.NotifyPointerMotionRelative(100000.0, 100000.0)
        gnome.NotifyPointerMotionRelative(float(x - width + 1), float(y - height + 1))
    else:
        pointer_event(1, x, y, width, height)


def button(state):
    if kwin:
        send(kwin, 2, LEFT_BUTTON, state)
    elif gnome:
        gnome.NotifyPointerButton(LEFT_BUTTON, state == 1)
    else:
        pointer_event(2, LEFT_BUTTON, state)


for line in sys.stdin:
    command, *numbers = line.split()
    numbers = [int(n) for n in numbers]
    if command in ('move', 'click') and len(numbers) == 4:
        move(*numbers)
        if command == 'click':
            button(1)
            button(0)
    elif command == 'wheel' and len(numbers) == 1 and kwin:
        send(kwin, 3, 0, float(numbers[0] * WHEEL_STEP))  # axis, vertical
    elif command == 'wheel' and len(numbers) == 1 and gnome:
        gnome.NotifyPointerAxisDiscrete(dbus.UInt32(0), numbers[0])
    elif command == 'key' and len(numbers) == 2 and kwin:
        send(kwin, 10, *numbers)  # keyboard_key
    elif command == 'key' and len(numbers) == 2 and gnome:
        gnome.NotifyKeyboardKeycode(dbus.UInt32(numbers[0]), numbers[1] == 1)
    else:
        print('wlinput: not understood: ' + line, end='', file=sys.stderr, flush=True)
        continue
    roundtrip()
    print('done', flush=True)
