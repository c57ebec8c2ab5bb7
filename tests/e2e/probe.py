#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests hear, and the other programs they need.
#   probe.py onsets REC.raw T1 T2 ...  per press time (ms) in a recording (s16le mono, 44100 Hz):
#                                      the delay (ms) to the first 5 ms frame from 30 ms before it
#                                      whose energy is 4 dB over the 60 ms before that; none if none
#   probe.py gap REC.raw FROM TO       the longest silence (ms) between two times
#   probe.py window TITLE              a plain window of another program, for the desktop to switch to
#   probe.py grab                      holds the X keyboard, as a window manager does for a moment;
#                                      says "held", and lets go when it is ended
#   probe.py held                      whether another X client holds the keyboard (exit status)
import array
import os
import signal
import sys

RATE = 44100


def recording(path):
    with open(path, 'rb') as f:
        data = f.read()
    return array.array('h', data[:len(data) // 2 * 2])


def onsets(samples, presses):
    frame = RATE // 200

    def energy(start, end):
        return sum(s * s for s in samples[max(0, start):max(0, end)]) / max(1, end - start)

    for press in presses:
        # A recording's clock runs a few milliseconds off the presses' either way.
        at = int(float(press) * RATE / 1000) - RATE * 30 // 1000
        before = energy(at - RATE * 60 // 1000, at)
        delay = 'none'
        for start in range(at, min(len(samples), at + RATE // 4) - frame + 1, frame):
            e = energy(start, start + frame)
            # 4 dB up, and out of silence (about -50 dBFS).
            if e > before * 10 ** 0.4 and e > 100 * 100:
                delay = str((start - at) * 1000 // RATE - 30)
                break
        print(delay)


# The longest stretch (ms) of near silence between two times, as a dropout would leave.
def gap(samples, start_ms, end_ms):
    ms = RATE // 1000
    run = longest = 0
    for start in range(int(start_ms) * ms, min(len(samples), int(end_ms) * ms) - ms + 1, ms):
        run = run + 1 if max(map(abs, samples[start:start + ms])) < 30 else 0
        longest = max(longest, run)
    print(longest)


def window(title):
    # Started by another program, it says who it is, so that a test can end it by its id.
    if os.environ.get('WINDOW_PID_FILE'):
        with open(os.environ['WINDOW_PID_FILE'], 'a') as pids:
            print(os.getpid(), file=pids)
    import gi
    gi.require_version('Gtk', '3.0')
    from gi.repository import Gtk
    shown = Gtk.Window(title=title)
    shown.set_default_size(400, 300)
    shown.connect('destroy', Gtk.main_quit)
    shown.show()
    Gtk.main()


def grab_keyboard():
    # The X server's answer to a grab of the keyboard: 0 held, 1 held by another client already.
    import ctypes
    x11 = ctypes.CDLL('libX11.so.6')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XGrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_int, ctypes.c_ulong]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit('probe.py: no X display')
    grab_mode_async, current_time = 1, 0
    return x11.XGrabKeyboard(display, x11.XDefaultRootWindow(display), False, grab_mode_async,
                             grab_mode_async, current_time)


def grab():
    if grab_keyboard() != 0:
        sys.exit('probe.py: the keyboard could not be held')
    print('held', flush=True)
    # Ended, its connection closes and the server lets the keyboard go.
    signal.pause()


command, *args = sys.argv[1:] or ['']
if command == 'onsets':
    onsets(recording(args[0]), args[1:])
elif command == 'gap':
    gap(recording(args[0]), float(args[1]), float(args[2]))
elif command == 'window':
    window(args[0])
elif command == 'grab':
    grab()
elif command == 'held':
    # A grab of its own ends with the program.
    sys.exit(0 if grab_keyboard() == 1 else 1)
else:
    sys.exit('usage: probe.py onsets|gap|window|grab|held ...')
