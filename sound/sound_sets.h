// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The three sound sets, each written into the sound table's slots in its own order.
namespace SoundSets {

void writeSimple();       // slots 1 to 6
void writeComplex();      // slots 1 to 8
void writeRecognizable(); // slots 1 to 6

// The preferences' closing step: the set soundComplexity names into the table, then into the
// play window's players.
void applySoundComplexity();

} // namespace SoundSets
