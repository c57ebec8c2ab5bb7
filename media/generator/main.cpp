// SPDX-License-Identifier: GPL-3.0-or-later
// Makes every sound and picture of the toy from code, the same files on every run.
// Usage: tumbletot-assets <data folder> [<icon folder>]

#include "loudness.h"
#include "pictures.h"
#include "sounds.h"
#include "wav_file.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <data folder> [<icon folder>]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const std::string folder = argv[1];
    bool ok = QDir().mkpath(QString::fromStdString(folder + "/sounds"));
    for (Clip& clip : makeSounds()) {
        if (clip.music)
            loudness::levelMusic(clip.samples);
        else
            loudness::levelEffect(clip.samples);
        const std::string path = folder + "/sounds/" + clip.name + ".wav";
        if (!writeWav(path, clip.samples)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ok = false;
        }
    }
    ok &= writePictures(folder + "/pictures");
    if (argc > 2)
        ok &= writeIcons(argv[2]);
    return ok ? 0 : 1;
}
