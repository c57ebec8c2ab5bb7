// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/media.h"

#include "platform/audio/movie.h"
#include "platform/runtime/language.h"
#include "platform/runtime/resource_store.h"
#include "platform/ui/picture.h"

#include <cstdio>
#include <future>
#include <map>
#include <memory>
#include <set>

namespace {

struct Reading {
    std::unique_ptr<platform::Movie> movie;
    std::string error;
};

std::string soundPath(const std::string& name)
{
    return platform::ResourceStore::folder() + "/sounds/" + name + ".wav";
}

Reading read(const std::string& path)
{
    Reading result;
    result.movie = platform::Movie::load(path, result.error);
    return result;
}

struct Cache {
    std::map<std::string, std::future<Reading>> ahead;
    std::map<std::string, std::unique_ptr<platform::Movie>> sounds;
    std::map<std::string, std::unique_ptr<platform::Picture>> pictures;
    std::map<std::string, int> loads;
    std::set<std::string> reported;
};

Cache& cache()
{
    static Cache store;
    return store;
}

void reportOnce(const std::string& name, const std::string& why)
{
    if (cache().reported.insert(name).second)
        std::fprintf(stderr, "tumbletot: %s\n", why.c_str());
}

} // namespace

const platform::Movie* Media::sound(const char* name)
{
    auto& slot = cache().sounds[name];
    if (!slot) {
        const auto pending = cache().ahead.find(name);
        Reading reading;
        if (pending != cache().ahead.end()) {
            reading = pending->second.get();
            cache().ahead.erase(pending);
        } else {
            ++cache().loads[name];
            reading = read(soundPath(name));
        }
        slot = std::move(reading.movie);
        if (!slot)
            reportOnce(
                name, platform::filled(platform::translate(
                                           "Messages", "sound missing, playing nothing for it: %1"),
                                       {reading.error}));
    }
    return slot.get();
}

void Media::readAhead(const char* name)
{
    if (cache().sounds[name] || cache().ahead.count(name))
        return;
    ++cache().loads[name];
    cache().ahead[name] = std::async(std::launch::async, read, soundPath(name));
}

platform::Picture* Media::picture(const char* name)
{
    auto& slot = cache().pictures[name];
    if (!slot) {
        ++cache().loads[name];
        const std::string folder = platform::ResourceStore::folder() + "/pictures";
        slot = platform::Picture::load(folder, name);
        if (!slot)
            reportOnce(name, platform::filled(
                                 platform::translate("Messages",
                                                     "picture missing, drawing nothing for it: %1"),
                                 {folder + "/" + name + ".png"}));
    }
    return slot.get();
}

void Media::release()
{
    cache().ahead.clear();
    cache().sounds.clear();
    cache().pictures.clear();
}

int Media::loadsOf(const std::string& name)
{
    const auto found = cache().loads.find(name);
    return found == cache().loads.end() ? 0 : found->second;
}

// clang-format off
const platform::Movie* Media::allegro() { return sound("allegro"); }
const platform::Movie* Media::QuillomoSound20() { return sound("QuillomoSound20"); }
const platform::Movie* Media::QuillomoSound24() { return sound("QuillomoSound24"); }
const platform::Movie* Media::QuillomoSound15() { return sound("QuillomoSound15"); }
const platform::Movie* Media::QuillomoSound16() { return sound("QuillomoSound16"); }
const platform::Movie* Media::QuillomoSound9() { return sound("QuillomoSound9"); }
const platform::Movie* Media::QuillomoSound14() { return sound("QuillomoSound14"); }
const platform::Movie* Media::QuillomoSound21() { return sound("QuillomoSound21"); }
const platform::Movie* Media::QuillomoSound13() { return sound("QuillomoSound13"); }
const platform::Movie* Media::Basso() { return sound("Basso"); }
const platform::Movie* Media::Blow() { return sound("Blow"); }
const platform::Movie* Media::Glass() { return sound("Glass"); }
const platform::Movie* Media::Ping() { return sound("Ping"); }
const platform::Movie* Media::Submarine() { return sound("Submarine"); }
const platform::Movie* Media::realBoing() { return sound("realBoing"); }
const platform::Movie* Media::realBubbles() { return sound("realBubbles"); }
const platform::Movie* Media::realGiantbell() { return sound("realGiantbell"); }
const platform::Movie* Media::realRubberDuckToy() { return sound("realRubberDuckToy"); }
const platform::Movie* Media::realZips() { return sound("realZips"); }
platform::Picture* Media::tumbletotlogo() { return picture("tumbletotlogo"); }
platform::Picture* Media::quillomologgagray188() { return picture("quillomologgagray188"); }
// clang-format on
