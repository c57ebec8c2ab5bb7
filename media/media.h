// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {
class Movie;
class Picture;
} // namespace platform

// The toy's sounds and pictures, each loaded on first use and kept for the run.
// A missing one yields nullptr, is told once on stderr, and is looked for again next time.
class Media {
  public:
    static const platform::Movie* allegro();
    static const platform::Movie* QuillomoSound20();
    static const platform::Movie* QuillomoSound24();
    static const platform::Movie* QuillomoSound15();
    static const platform::Movie* QuillomoSound16();
    static const platform::Movie* QuillomoSound9();
    static const platform::Movie* QuillomoSound14();
    static const platform::Movie* QuillomoSound21();
    static const platform::Movie* QuillomoSound13();
    static const platform::Movie* Basso();
    static const platform::Movie* Blow();
    static const platform::Movie* Glass();
    static const platform::Movie* Ping();
    static const platform::Movie* Submarine();
    static const platform::Movie* realBoing();
    static const platform::Movie* realBubbles();
    static const platform::Movie* realGiantbell();
    static const platform::Movie* realRubberDuckToy();
    static const platform::Movie* realZips();

    static platform::Picture* tumbletotlogo();
    static platform::Picture* quillomologgagray188();

    // Starts reading a sound on another thread; its first use takes it from there.
    static void readAhead(const char* name);
    // Empties every cache slot; at exit.
    static void release();
    // How many times an asset has been read from disk, for checking the cache.
    static int loadsOf(const std::string& name);

  private:
    static const platform::Movie* sound(const char* name);
    static platform::Picture* picture(const char* name);
};
