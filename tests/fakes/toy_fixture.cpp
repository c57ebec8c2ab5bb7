// SPDX-License-Identifier: GPL-3.0-or-later
#include "toy_fixture.h"

#include "app/menu1.h"
#include "media/media.h"
#include "platform/hold/hold.h"
#include "platform/runtime/language.h"
#include "platform/runtime/resource_store.h"
#include "platform/ui/window.h"
#include "play/play_window.h"
#include "settings/module1.h"

#include <QCoreApplication>
#include <tuple>

namespace {

// Every setting of the model, as one thing that can be saved and written back.
auto settings()
{
    return std::tie(Module1::playMode, Module1::backMode, Module1::appearMode,
                    Module1::beginnersMode, Module1::autoMode, Module1::soundComplexity,
                    Module1::speakMode, Module1::delayTime, Module1::soundNumber, Module1::B_Sound,
                    Module1::language);
}

// The settings the program starts with, saved before any test changes them, so that a test
// of the defaults sees the model's own and not a copy of them.
const auto& startingSettings()
{
    static const auto saved =
        std::apply([](const auto&... setting) { return std::make_tuple(setting...); }, settings());
    return saved;
}

} // namespace

ToyFixture::ToyFixture()
{
    startingSettings();
    platform::MenuBar::setCurrent(&Menu1::shared());
    Window1::setCallbacks(&flow);
    reset();
}

ToyFixture::~ToyFixture()
{
    platform::Window::closeAll();
    platform::Hold::shared().end();
    platform::setRandomSource(nullptr);
    platform::Keyboard::install(nullptr);
    platform::SoundOutput::install(nullptr);
    platform::TimerScheduler::install(nullptr);
}

void ToyFixture::reset()
{
    platform::Window::closeAll();
    auto ownedRandom = std::make_unique<ScriptedRandom>();
    auto ownedKeyboard = std::make_unique<ScriptedKeyboard>();
    auto ownedClock = std::make_unique<ManualClock>();
    auto ownedSound = std::make_unique<RecordingSoundOutput>();
    random = ownedRandom.get();
    keyboard = ownedKeyboard.get();
    clock = ownedClock.get();
    sound = ownedSound.get();
    platform::setRandomSource(std::move(ownedRandom));
    platform::Keyboard::install(std::move(ownedKeyboard));
    platform::TimerScheduler::install(std::move(ownedClock));
    platform::SoundOutput::install(std::move(ownedSound));

    settings() = startingSettings();
    platform::ResourceStore::setFolder(TUMBLETOT_TEST_DATA_DIR);
    if (platform::Language::current() != platform::Language::kEnglish)
        platform::Language::use(platform::Language::kEnglish);
    Media::release();
}

Window1& ToyFixture::openPlay()
{
    Window1& w = Window1::shared();
    sound->played.clear();
    random->reset();
    return w;
}

synth::Buffer ToyFixture::samplesOf(const std::vector<std::int16_t>& samples, std::size_t atLeast)
{
    synth::Buffer out(std::max(atLeast, samples.size()), 0.0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        out[i] = samples[i] / 32768.0;
    return out;
}

void ToyFixture::settle()
{
    QCoreApplication::processEvents();
    platform::Window::releaseClosed();
}
