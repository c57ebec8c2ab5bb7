#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests hear, and the other programs they need.
#   probe.py onsets REC.raw T1 T2 ...  per press time (ms) in a recording (s16le mono, 44100 Hz):
#                                      the delay (ms) to the first 5 ms frame from 30 ms before it
#                                      whose energy is 4 dB over the 60 ms before that; none if none
#   probe.py gap REC.raw FROM TO       the longest silence (ms) between two times
#   probe.py said REC.raw CLIPS T1 ... per press time (ms), the clip of the folder CLIPS heard best
#                                      from just before it, how well (0 to 1), how well the next
#                                      best, and its delay (ms): "red-circle 0.93 0.41 8"
#   probe.py shape SHOT.png            the fill colour and the kinds a centred shape may be taken
#                                      for: "red square rectangle" when it is nearly square
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


def onsets(path, *presses):
    samples, frame = recording(path), RATE // 200

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
def gap(path, start_ms, end_ms):
    samples, ms = recording(path), RATE // 1000
    run = longest = 0
    for start in range(int(float(start_ms)) * ms, min(len(samples), int(float(end_ms)) * ms) - ms + 1, ms):
        run = run + 1 if max(map(abs, samples[start:start + ms])) < 30 else 0
        longest = max(longest, run)
    print(longest)


# How alike each clip is to what was heard from just before a press, at the best of the delays
# the press may have had: the normalised cross-correlation of the waveforms, at a quarter of the
# rate (speech stays), in pieces of 100 ms each let 3 ms either way, since a sound server that
# resamples may drift that far over a phrase. Pieces of silence count for nothing.
def said(path, folder, *presses):
    import numpy as np
    from numpy.lib.stride_tricks import sliding_window_view
    step = 4
    rate = RATE // step
    piece, slack, lags = rate // 10, rate * 3 // 1000, rate * 350 // 1000

    def lowered(s):
        s = np.asarray(s, dtype=float)
        return s[:len(s) // step * step].reshape(-1, step).mean(axis=1)

    def alike(sound, part):
        size = 1 << (len(part) + len(sound)).bit_length()
        products = np.fft.irfft(np.fft.rfft(part, size) * np.conj(np.fft.rfft(sound, size)), size)
        energy = np.concatenate(([0.0], np.cumsum(part * part)))
        around = energy[len(sound):] - energy[:len(part) - len(sound) + 1]
        return products[:len(around)] / np.sqrt(np.maximum(around, 1.0) * np.dot(sound, sound))

    clips = {name[:-len('.raw')]: lowered(recording(os.path.join(folder, name)))
             for name in sorted(os.listdir(folder))}
    heard = np.concatenate((np.zeros(slack), lowered(recording(path)), np.zeros(rate * 5)))
    for press in presses:
        start = slack + max(0, (int(float(press)) - 50) * rate // 1000)
        scores = []
        for name, clip in clips.items():
            pieces = [clip[at:at + piece] for at in range(0, len(clip) - piece + 1, piece)]
            loudest = max(np.dot(p, p) for p in pieces)
            total, counted = np.zeros(lags), 0
            for number, sound in enumerate(pieces):
                if np.dot(sound, sound) < loudest / 100:
                    continue
                at = start + number * piece - slack
                near = alike(sound, heard[at:at + lags + piece + 2 * slack])
                total += sliding_window_view(near, 2 * slack + 1).max(axis=1)[:lags]
                counted += 1
            lag = int(np.argmax(total))
            scores.append((float(total[lag]) / counted, name, lag * 1000 // rate - 50))
        (best, name, delay), (runner_up, _, _) = sorted(scores, reverse=True)[:2]
        print(name, round(best, 2), round(runner_up, 2), delay)


# As a person names what a shape looks like.
NAMED_COLOURS = {'black': (0, 0, 0), 'white': (255, 255, 255), 'red': (255, 0, 0), 'green': (0, 192, 0),
                 'blue': (0, 0, 255), 'yellow': (255, 255, 0), 'orange': (255, 128, 0), 'pink': (255, 64, 224)}


def shape(path):
    import subprocess
    import numpy as np
    # A quarter of each side, sampled: no colour blended with another.
    ppm = subprocess.run(['convert', path, '-sample', '25%', 'ppm:-'], check=True,
                         stdout=subprocess.PIPE).stdout
    _, width, height, _, pixels = ppm.split(maxsplit=4)
    image = np.frombuffer(pixels, np.uint8).reshape(int(height), int(width), 3).astype(int)
    fill = image[image.shape[0] // 2, image.shape[1] // 2]
    colour = min(NAMED_COLOURS, key=lambda n: sum((a - b) ** 2 for a, b in zip(fill, NAMED_COLOURS[n])))
    # The fill's own area: its colour, reached from the middle without crossing the outline.
    inside = np.all(image == fill, axis=2)
    reach = np.zeros_like(inside)
    reach[image.shape[0] // 2, image.shape[1] // 2] = True
    while True:
        # One step out from what is reached, in each of the four directions.
        edge = np.pad(reach, 1)
        grown = inside & (reach | edge[:-2, 1:-1] | edge[2:, 1:-1] | edge[1:-1, :-2] | edge[1:-1, 2:])
        if np.array_equal(grown, reach):
            break
        reach = grown
    rows, columns = np.nonzero(reach)
    tall, wide = rows.max() - rows.min() + 1, columns.max() - columns.min() + 1
    share = len(rows) / (tall * wide)
    widths = reach.sum(axis=1)[rows.min():rows.max() + 1]
    widest = np.argmax(widths) / (tall - 1)
    even = bool(abs(wide / tall - 1) < 0.05)
    if share > 0.9:
        kinds = ['square'] * even + ['rectangle']
    elif share > 0.68:
        kinds = ['circle'] * even + ['oval']
    else:
        kinds = ['triangle'] if min(widest, 1 - widest) < 0.2 else ['diamond']
    print(colour, *kinds)


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


def held():
    # A grab of its own ends with the program.
    sys.exit(0 if grab_keyboard() == 1 else 1)


COMMANDS = {'onsets': onsets, 'gap': gap, 'said': said, 'shape': shape, 'window': window, 'grab': grab, 'held': held}
command, *args = sys.argv[1:] or ['']
if command not in COMMANDS:
    sys.exit('usage: probe.py ' + '|'.join(COMMANDS) + ' ...')
COMMANDS[command](*args)
