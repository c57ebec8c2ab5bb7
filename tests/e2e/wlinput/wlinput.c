// SPDX-License-Identifier: GPL-3.0-or-later
// Input for a headless Wayland compositor that has no devices of its own: a virtual pointer on
// wlroots compositors (sway), fake input on KWin (pointer and keys). Made once, before the
// program under test starts, so the seat has a pointer when the program looks. Reads lines
//   move X Y WIDTH HEIGHT        the pointer to X, Y of a layout WIDTH x HEIGHT
//   click X Y WIDTH HEIGHT       a left click there
//   wheel STEPS                  the wheel turned (negative: up)
//   key CODE STATE               an evdev key code pressed (1) or let go (0); KWin only
// from its input and answers each, once the compositor has it, with a line "done".
#include "fake-input-client-protocol.h"
#include "virtual-pointer-client-protocol.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

enum { kLeftButton = 0x110, kPressed = 1, kReleased = 0, kWheelStep = 15 };

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* wlroots;
static struct org_kde_kwin_fake_input* kwin;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version)
{
    (void)data;
    if (strcmp(interface, wl_seat_interface.name) == 0)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        wlroots = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    else if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        kwin = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener listener = {global, global_remove};

static uint32_t now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static struct zwlr_virtual_pointer_v1* pointer;

static void move(unsigned x, unsigned y, unsigned width, unsigned height)
{
    if (kwin) {
        // KWin takes positions in its own layout, which is the one given.
        org_kde_kwin_fake_input_pointer_motion_absolute(kwin, wl_fixed_from_int((int)x),
                                                        wl_fixed_from_int((int)y));
        return;
    }
    zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
    zwlr_virtual_pointer_v1_frame(pointer);
}

static void button(uint32_t state)
{
    if (kwin) {
        org_kde_kwin_fake_input_button(kwin, kLeftButton, state);
        return;
    }
    zwlr_virtual_pointer_v1_button(pointer, now_ms(), kLeftButton, state);
    zwlr_virtual_pointer_v1_frame(pointer);
}

static void wheel(int steps)
{
    if (kwin) {
        org_kde_kwin_fake_input_axis(kwin, WL_POINTER_AXIS_VERTICAL_SCROLL,
                                     wl_fixed_from_int(steps * kWheelStep));
        return;
    }
    zwlr_virtual_pointer_v1_axis_source(pointer, WL_POINTER_AXIS_SOURCE_WHEEL);
    zwlr_virtual_pointer_v1_axis_discrete(pointer, now_ms(), WL_POINTER_AXIS_VERTICAL_SCROLL,
                                          wl_fixed_from_int(steps * kWheelStep), steps);
    zwlr_virtual_pointer_v1_frame(pointer);
}

int main(void)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wlinput: no Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    if (kwin) {
        org_kde_kwin_fake_input_authenticate(kwin, "tumbletot tests", "drive the toy");
    } else if (wlroots) {
        pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(wlroots, seat);
    } else {
        fprintf(stderr, "wlinput: the compositor offers no virtual input\n");
        return 1;
    }
    wl_display_roundtrip(display);
    setvbuf(stdout, NULL, _IOLBF, 0);
    printf("ready\n");
    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        char command[8];
        int a = 0, b = 0;
        unsigned width = 0, height = 0;
        const int fields = sscanf(line, "%7s %d %d %u %u", command, &a, &b, &width, &height);
        if (fields == 5 && strcmp(command, "move") == 0) {
            move((unsigned)a, (unsigned)b, width, height);
        } else if (fields == 5 && strcmp(command, "click") == 0) {
            move((unsigned)a, (unsigned)b, width, height);
            button(kPressed);
            button(kReleased);
        } else if (fields == 2 && strcmp(command, "wheel") == 0) {
            wheel(a);
        } else if (fields == 3 && strcmp(command, "key") == 0 && kwin) {
            org_kde_kwin_fake_input_keyboard_key(kwin, (uint32_t)a, (uint32_t)b);
        } else {
            fprintf(stderr, "wlinput: not understood: %s", line);
            continue;
        }
        wl_display_roundtrip(display);
        printf("done\n");
    }
    if (pointer)
        zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
