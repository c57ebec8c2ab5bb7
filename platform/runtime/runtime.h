// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

struct ScreenSize {
    int Width = 0;
    int Height = 0;
};

// Size of the main screen in pixels.
ScreenSize Screen(int index);

// A yield inside a busy loop: handles what is pending and returns at once.
void RuntimeBackgroundTask();

// Sleeps until at least one event has arrived and been handled.
void RuntimeWaitForEvents();

// Per system: whether the desktop has a program to show web pages.
bool browserAvailable();

std::string Str(long long value);
std::string Chr(int code);
// Field index (from 1) of text split at separator; empty past the last field.
std::string NthField(const std::string& text, const std::string& separator, int index);

// The menu key as the screens name it: Control ("Ctrl" as the key caps say), or the Command sign.
std::string menuKeyName(bool asKeyCaps);
// The physical keys of the menu modifier and of Shift, the only ones a parent's chord holds.
bool isChordModifierKey(int code);

} // namespace platform
