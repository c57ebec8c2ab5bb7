# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests: a private X server with a window manager, a private sound
# server with a null sink, the toy started in them, and a clean-up that ends all of it.
set -euo pipefail

TOY=$(readlink -f "${1:?path to tumbletot}")
BUILD=$(cd "$(dirname "$TOY")/.." && pwd)
PROBE=$(dirname "${BASH_SOURCE[0]}")/probe.py
WLINPUT=$(dirname "${BASH_SOURCE[0]}")/wlinput.py
WORK=$(mktemp -d /tmp/tumbletot-e2e.XXXXXX)
SCREEN_SIZE=${SCREEN_SIZE:-1280x800}
# The toy speaks English, whatever the machine's language: the tests read the lines it prints, and
# a Wayland desktop tells the rigs a window by its title alone. (e2e_play shows it in others.)
export LANGUAGE=en
# The user's private runtime folder, as a desktop session gives one.
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
# Where a browser the toy opened writes its process id: it is no child of the test's.
BROWSERS="$XDG_RUNTIME_DIR/browsers"
# The environment of a desktop's session, for what runs in it (a rig sets it).
session=()
# A sanitized build runs several times slower and checks for leaks as it ends. (ldd is read
# whole: piped into grep -q it may die of SIGPIPE, and pipefail would call the build plain.)
SLOWER=1
grep -q libasan <<<"$(ldd "$TOY" 2>/dev/null)" && SLOWER=4

# The processes started below the given ones (a desktop's own helpers, a bus's services), read
# before any of them ends: once a parent has gone, its children belong to no one here.
descendants() {
    local pid
    for pid in "$@"; do ! kill -0 "$pid" 2>/dev/null || { echo "$pid"; descendants $(pgrep -P "$pid"); }; done
}

cleanup() {
    local status=$? started
    [ $status -eq 0 ] || ! declare -F on_failure >/dev/null || on_failure || true
    started=$(descendants ${toy_pid:-} "${pids[@]}" $(cat "$BROWSERS" 2>/dev/null))
    [ -z "$started" ] || kill $started 2>/dev/null || true
    wait 2>/dev/null || true
    # The script's status stays whatever the trap returns.
    [ $status -ne 0 ] || { rm -rf "$WORK"; return; }
    echo "--- toy's stderr ---"; cat "$WORK/toy.err" 2>/dev/null || true
    echo "work folder kept: $WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "  $*"; }
# Runs a command every 50 ms until it succeeds, at most TRIES times.
wait_until() {
    for _ in $(seq "$1"); do "${@:2}" && return; sleep 0.05; done
    return 1
}

# Where a desktop's shortcut bound by a test leaves a file: a file that appears is a key that
# escaped.
ESCAPED="$WORK/escaped"

# A chord, written as xdotool names it ("ctrl+alt+Right", "super"), as a binding's name in i3's
# and sway's words. They take Super alone as it is let go, as desktops do.
bindsym_for() { [ "$1" = super ] && echo --release Super_L || sed 's/super/Mod4/; s/alt/Mod1/; s/ctrl/Control/' <<<"$1"; }

# Runs a command in a desktop's session: its environment alone, as its user.
in_session() { "${as[@]}" env -i "${session[@]}" "$@"; }

# An input client of the tests' own (a virtual pointer, a remote desktop session) fed one line at
# a time; each line is waited for until the client answers "done".
start_input() {
    mkfifo "$WORK/input.in"
    in_session "$@" <"$WORK/input.in" >"$WORK/input.out" 2>&1 &
    pids+=($!)
    exec 3>"$WORK/input.in"
    wait_until 200 grep -q ready "$WORK/input.out" || fail "no input client: $(cat "$WORK/input.out")"
}
answers() { grep -cx done "$WORK/input.out" || true; }
input() {
    local wanted=$(($(answers) + $#))
    printf '%s\n' "$@" >&3
    wait_until 200 eval '[ "$(answers)" -ge '"$wanted"' ]' ||
        fail "the input client did not take \"$*\": $(cat "$WORK/input.out")"
}

# A session bus of the test's own, run in the session's environment as its user; the tests' own
# calls use it too.
start_session_bus() {
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
    in_session dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile >>"$WORK/bus.log" 2>&1 &
    pids+=($!)
    wait_until 200 test -S "$XDG_RUNTIME_DIR/bus" || fail "no session bus"
}

# Starts a program of a desktop's session in the background; the clean-up ends it.
in_background() { in_session "$@" >/dev/null 2>&1 & pids+=($!); }

# Desktops that will not run as root, and the toy on them, run as a user of the tests' own, from
# a copy of the build that user can read wherever the checkout is; "as" runs a command as it.
TEST_USER=tumbletot-test
as=()
become_test_user() {
    mkdir -p "$WORK/tree/bin"
    cp "$TOY" "$PROBE" "$WLINPUT" "$WORK/tree/bin/"
    (cd "$BUILD" && cp -r --parents lib/games/tumbletot share/tumbletot "$WORK/tree/")
    TOY=$WORK/tree/bin/tumbletot PROBE=$WORK/tree/bin/probe.py WLINPUT=$WORK/tree/bin/wlinput.py
    # A sanitized build's checks go along, with a copy of their list of what to let be.
    local leaks=${LSAN_OPTIONS:-} suppressions copy=$WORK/tree/lsan.supp
    suppressions=$(tr : '\n' <<<"$leaks" | sed -n 's/^suppressions=//p')
    [ -z "$suppressions" ] || { cp "$suppressions" "$copy" && leaks=${leaks//$suppressions/$copy}; }
    SANITIZERS=(ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" LSAN_OPTIONS="$leaks")
    mkdir -m 777 -p "$ESCAPED"
    [ "$(id -u)" = 0 ] || return 0
    id "$TEST_USER" >/dev/null 2>&1 || useradd --system --create-home "$TEST_USER"
    as=(setpriv --reuid="$TEST_USER" --regid="$TEST_USER" --init-groups)
    chmod -R a+rX "$WORK/tree"
    chmod 755 "$WORK"
    chown "$TEST_USER" "$XDG_RUNTIME_DIR"
}

# A display of its own, never one a test before it has just let go of, with a window manager on
# it: openbox (stacking) unless WM=i3 (tiling).
WM=${WM:-openbox}
start_display() {
    local number
    for _ in 1 2 3 4 5; do
        number=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        # Without -noreset the server resets as its last client leaves: the probe below would
        # leave the window manager knocking on a server in the middle of a reset.
        Xvfb ":$number" -screen 0 "${SCREEN_SIZE}x24" -nolisten tcp -noreset >>"$WORK/xvfb.log" 2>&1 &
        pids+=($!)
        export DISPLAY=":$number"
        wait_until 200 xdpyinfo >/dev/null 2>&1 || continue
        start_manager
        pids+=($!)
        wait_until 200 manager_up && return
    done
    fail "no X server with a window manager could be started"
}
# "window id #": xprop says "no such atom on any window" before the manager is up.
manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id #"; }

# The chords a desktop binds to a file of its own, besides its own bindings (TRACE_CHORDS, set by
# a test).
TRACE_CHORDS=()
start_manager() {
    mkdir -p "$ESCAPED"
    local chord key tell=""
    case "$WM" in
    openbox)
        # Its own shortcuts as shipped (desktops, Alt+wheel, Alt+F4, ...), and a file for each
        # chord it leaves free.
        for chord in "${TRACE_CHORDS[@]}"; do
            # The chord in openbox's words.
            key=$([ "$chord" = super ] && echo Super_L || sed 's/super/W/; s/alt/A/; s/ctrl/C/; s/+/-/g' <<<"$chord")
            grep -q "key=\"$key\"" /etc/xdg/openbox/rc.xml ||
                tell+="<keybind key=\"$key\"><action name=\"Execute\"><command>touch $ESCAPED/$chord</command></action></keybind>"
        done
        sed "s|</keyboard>|$tell</keyboard>|" /etc/xdg/openbox/rc.xml >"$WORK/openbox.xml"
        openbox --sm-disable --config-file "$WORK/openbox.xml" >>"$WORK/wm.log" 2>&1 &
        ;;
    i3)
        {
            echo "# i3 config file (v4)"
            for chord in "${TRACE_CHORDS[@]}"; do echo "bindsym $(bindsym_for "$chord") exec touch $ESCAPED/$chord"; done
            echo "bindsym --whole-window Mod1+button4 exec touch $ESCAPED/alt+wheel"
        } >"$WORK/i3.conf"
        i3 -c "$WORK/i3.conf" >>"$WORK/wm.log" 2>&1 &
        ;;
    esac
}

# A sound server of its own where a session's would be, with a null sink named toy: PulseAudio, or
# PipeWire with its PulseAudio server when SOUND=pipewire. With SOUND=pipewire-pulse the toy
# reaches PipeWire only through that server, as in a sandbox that grants only PulseAudio's. The
# sink is stereo at 48 kHz, as a laptop's usually is, so the toy's sound is resampled.
SOUND=${SOUND:-pulseaudio}
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
# What the toy's environment lacks on the path SOUND names.
sound_path_env() { toy_env=(); [ "$SOUND" != pipewire-pulse ] || toy_env=(PIPEWIRE_REMOTE=no-pipewire-here); }
sound_path_env
sound_pids=()
start_sound() {
    case "$SOUND" in
    pulseaudio)
        HOME="$WORK" pulseaudio -n --load=module-native-protocol-unix --exit-idle-time=-1 \
            --daemonize=no --disallow-exit --use-pid-file=no -vv >>"$WORK/pulse.log" 2>&1 &
        sound_pids=($!)
        ;;
    pipewire | pipewire-pulse) start_pipewire ;;
    esac
    pids+=("${sound_pids[@]}")
    wait_until 200 pactl info >/dev/null 2>&1 || fail "the sound server did not start"
    pactl load-module module-null-sink sink_name=toy rate=48000 channels=2 >/dev/null
    # PipeWire takes a default only once its session manager is up, which a busy machine delays.
    wait_until 200 pactl set-default-sink toy 2>/dev/null || fail "the sound server took no default sink"
}

# PipeWire needs a session bus and a session manager; its PulseAudio server lets the tests record
# and make the sink. The session manager comes MANAGER_LATE seconds after the others, as it may at
# a login.
start_pipewire() {
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || start_session_bus
    local program
    sound_pids=()
    # A daemon killed leaves its socket behind.
    rm -f "$XDG_RUNTIME_DIR"/pipewire-0*
    for program in pipewire pipewire-pulse wireplumber; do
        {
            [ "$program" != wireplumber ] || sleep "${MANAGER_LATE:-0}"
            XDG_CONFIG_HOME="$WORK/pipewire" XDG_STATE_HOME="$WORK/pipewire" exec "$program"
        } >>"$WORK/pipewire.log" 2>&1 &
        sound_pids+=($!)
        [ "$program" != pipewire ] || wait_until 200 test -S "$XDG_RUNTIME_DIR/pipewire-0" || fail "PipeWire did not start"
    done
}

# As a crash or a restart by the desktop would: the server goes without a word.
stop_sound() { kill -9 "${sound_pids[@]}" 2>/dev/null || true; wait "${sound_pids[@]}" 2>/dev/null || true; }

record_start() {
    # One speaker's channel: folding both into one would add them up.
    parec -d toy.monitor --format=s16le --rate=44100 --channels=1 --channel-map=front-left \
        --latency-msec=10 >"$WORK/$1.raw" 2>/dev/null &
    rec_pid=$!
    pids+=($rec_pid)
    wait_recorded "$1" 200
}

# A recording's length so far (ms): 88.2 bytes a millisecond.
recorded_ms() { echo $(($(stat -c %s "$WORK/$1.raw") * 10 / 882)); }
# Waits until a recording holds the given milliseconds.
wait_recorded() {
    wait_until $((1200 * SLOWER)) eval '[ "$(recorded_ms '"$1"')" -ge '"$2"' ]' ||
        fail "the recording $1 stopped growing"
}

record_stop() { kill "$rec_pid" 2>/dev/null || true; sleep 0.1; }

start_toy() {
    env "${toy_env[@]}" "$TOY" >"$WORK/toy.out" 2>"$WORK/toy.err" &
    toy_pid=$!
    wait_active title
}

# Starts the toy and leaves its start screen for play.
start_play() {
    start_toy
    xdotool key space
    wait_active play
}

shot() { import -window root "$WORK/$1.png"; echo "$WORK/$1.png"; }
# The window in front alone, once two shots of it agree.
still_shot() {
    local window
    window=$(xdotool getactivewindow)
    import -window "$window" "$WORK/$1.png"
    until import -window "$window" "$WORK/$1.next.png" && [ "$(differ "$WORK/$1.png" "$WORK/$1.next.png")" = 0 ]; do
        mv "$WORK/$1.next.png" "$WORK/$1.png"
    done
}
# Pixels that differ (compare writes large counts as 1.04e+06); a pair it cannot compare differs
# everywhere.
differ() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 == $1 + 0 ? $1 : 1e9 }'; }
# The screen differs from screenshot $1; the new screenshot is $WORK/$2.png.
changed_from() { [ "$(differ "$1" "$(shot "$2")")" -gt 0 ]; }
# The colour at a point, as rrggbb.
colour_at() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr A-F a-f; }

# One window of the toy shows, covering the screen exactly.
covers_screen() {
    [ "$(xdotool search --all --onlyvisible --pid "$toy_pid" --name '' getwindowgeometry --shell %@ 2>/dev/null |
        grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' ')" = "X=0 Y=0 WIDTH=${SCREEN_SIZE%x*} HEIGHT=${SCREEN_SIZE#*x} " ]
}

# What the window in front is: a window of the toy says it by its role (title, play, preferences),
# the same in every language; another program's by its title.
active_name() {
    local window role
    window=$(xdotool getactivewindow 2>/dev/null) || return 0
    role=$(xprop -id "$window" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/^WM_WINDOW_ROLE(STRING) = "\(.*\)"$/\1/p')
    echo "${role:-$(xdotool getwindowname "$window" 2>/dev/null)}"
}

# Waits until the window in front is the one given.
named_active() { [ "$(active_name)" = "$1" ]; }
wait_active() { wait_until 60 named_active "$1" || fail "expected \"$1\" in front, found \"$(active_name)\""; }

# Waits for the toy to end; "exited" is then its exit status, or "running" after the seconds
# given (a sanitized build gets longer).
toy_ended() { ! kill -0 "$toy_pid" 2>/dev/null; }
wait_exit() {
    exited=running
    wait_until $(($1 * SLOWER * 20)) toy_ended || return 0
    exited=0
    wait "$toy_pid" || exited=$?
    toy_pid=""
}

# The preferences' controls, where the design puts them (584 x 381, under the window's menu bar).
# Not Play: the soak clicks any of these, and Play would close the window.
declare -A PREFERENCES=([shapes]="45 53" [backgroundOnly]="45 82" [white]="45 161" [different]="45 190"
    [changing]="45 220" [random]="30 292" [centered]="122 292" [auto]="320 51" [slider]="340 84" [beginners]="320 158"
    [simple]="320 242" [complex]="320 272" [recognizable]="320 303" [speak]="320 195" [website]="309 350")
# Where a control is in a preferences window of the given height, from its top-left corner.
preference_at() {
    local x y
    read -r x y <<<"${PREFERENCES[$1]:?no such control: $1}"
    echo "$x $(($2 - 381 + y))"
}
click_preference() {
    local WINDOW HEIGHT
    eval "$(xdotool getactivewindow getwindowgeometry --shell)"
    xdotool mousemove --window "$WINDOW" $(preference_at "$1" "$HEIGHT") click 1
}
# Opens the preferences from play, clicks the controls given and goes back to play. Home sends the
# slider all the way down (1 second); "Web site" with no browser set up (the soak's) answers with a
# message over the preferences, which the parent closes.
set_preferences() {
    local control
    xdotool key ctrl+shift+p
    wait_active preferences
    for control in "$@"; do
        case $control in
        Home) xdotool key Home ;;
        website) click_preference website; wait_active Tumbletot; xdotool key Return; wait_active preferences ;;
        *) click_preference "$control" ;;
        esac
    done
    xdotool key Return
    wait_active play
}

# Quits with the parent's keys and checks the toy ends at once with success.
quit_toy() {
    xdotool key ctrl+shift+q
    wait_exit 1
    [ "$exited" = 0 ] || fail "Ctrl+Shift+Q $1: the toy gave \"$exited\" within a second"
}
