// SPDX-License-Identifier: GPL-3.0-or-later
// The clips a language's phrase bank holds, for the end-to-end tests to match what they hear:
//   phrase_clips LANGUAGE FOLDER   writes FOLDER/red-circle.raw ... (s16le mono, 44100 Hz)
// Run with QT_QPA_PLATFORM=offscreen.

#include "platform/audio/movie.h"
#include "platform/runtime/language.h"
#include "platform/ui/window.h"
#include "play/play_window.h"
#include "recording_sound_output.h"
#include "settings/module1.h"

#include <QApplication>
#include <fstream>
#include <iostream>

namespace {

// Said in the test's own words, as a person names what the screen shows.
constexpr const char* kColours[PhraseBank::kFills] = {"black", "blue", "green", "orange",
                                                      "pink",  "red",  "white", "yellow"};
constexpr const char* kKinds[PhraseBank::kKinds] = {"square", "rectangle", "circle",
                                                    "oval",   "triangle",  "diamond"};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: phrase_clips LANGUAGE FOLDER\n";
        return 2;
    }
    // Heard by nobody: the clips are written, not played.
    platform::SoundOutput::install(std::make_unique<RecordingSoundOutput>());
    Module1::language = platform::Language::use(argv[1]);
    Module1::speakMode = Word::on;
    Window1& play = Window1::shared();
    play.applySpeech();
    play.phrases().settle();
    for (std::size_t colour = 0; colour < PhraseBank::kFills; ++colour)
        for (std::size_t kind = 0; kind < PhraseBank::kKinds; ++kind) {
            const platform::Movie* clip =
                play.phrases().shapeClip(PhraseBank::Colour(colour), PhraseBank::Kind(kind));
            if (!clip) {
                std::cerr << "phrase_clips: " << play.phrases().problem() << '\n';
                return 1;
            }
            std::ofstream(std::string(argv[2]) + "/" + kColours[colour] + "-" + kKinds[kind] +
                              ".raw",
                          std::ios::binary)
                .write(reinterpret_cast<const char*>(clip->samples().data()),
                       std::streamsize(clip->samples().size() * sizeof(std::int16_t)));
        }
    platform::Window::closeAll();
    return 0;
}
