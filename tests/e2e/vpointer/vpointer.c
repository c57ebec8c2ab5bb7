// SPDX-License-Identifier: GPL-3.0-or-later
// A pointer for a wlroots compositor that has none of its own (a headless one). Made once, before
// the program under test starts, so the seat has a pointer when the program looks. Reads lines
//   move X Y WIDTH HEIGHT        the pointer to X, Y of a layout WIDTH x HEIGHT
//   click X Y WIDTH HEIGHT       a left click there
// from its input and answers each, once the compositor has it, with a line "done".
#include "virtual-pointer-client-protocol.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

enum { kLeftButton = 0x110, kPressed = 1, kReleased = 0 };

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* manager;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
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

static void move(struct zwlr_virtual_pointer_v1* pointer, uint32_t x, uint32_t y, uint32_t width,
                 uint32_t height)
{
    zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
    zwlr_virtual_pointer_v1_frame(pointer);
}

static void click(struct zwlr_virtual_pointer_v1* pointer)
{
    zwlr_virtual_pointer_v1_button(pointer, now_ms(), kLeftButton, kPressed);
    zwlr_virtual_pointer_v1_frame(pointer);
    zwlr_virtual_pointer_v1_button(pointer, now_ms(), kLeftButton, kReleased);
    zwlr_virtual_pointer_v1_frame(pointer);
}

int main(void)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "vpointer: no Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    if (!manager) {
        fprintf(stderr, "vpointer: the compositor has no virtual pointers\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    setvbuf(stdout, NULL, _IOLBF, 0);
    printf("ready\n");
    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        char command[8];
        unsigned x, y, width, height;
        if (sscanf(line, "%7s %u %u %u %u", command, &x, &y, &width, &height) != 5 ||
            (strcmp(command, "move") != 0 && strcmp(command, "click") != 0)) {
            fprintf(stderr, "vpointer: not understood: %s", line);
            continue;
        }
        move(pointer, x, y, width, height);
        if (strcmp(command, "click") == 0)
            click(pointer);
        wl_display_roundtrip(display);
        printf("done\n");
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
