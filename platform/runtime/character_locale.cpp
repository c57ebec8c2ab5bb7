// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/character_locale.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <strings.h>

namespace platform {
namespace {

bool isUtf8(const char* codeset)
{
    return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0;
}

bool installed(const std::string& name)
{
    const locale_t probe = newlocale(LC_CTYPE_MASK, name.c_str(), locale_t(0));
    if (probe == locale_t(0))
        return false;
    freelocale(probe);
    return true;
}

} // namespace

void chooseUtf8Characters()
{
    // A locale named but not installed is left to Qt, which falls back to C on its own.
    if (!std::setlocale(LC_ALL, "") || isUtf8(nl_langinfo(CODESET)))
        return;
    std::string name = std::setlocale(LC_CTYPE, nullptr);
    name = name.substr(0, name.find_first_of(".@")) + ".UTF-8";
    if (!installed(name))
        name = "C.UTF-8";
    if (!installed(name))
        return;
    // LC_ALL outranks LC_CTYPE. What it chose moves to LANG, below the variables it overrode.
    if (const char* all = std::getenv("LC_ALL"); all && *all) {
        const std::string chosen = all;
        for (const char* variable : {"LC_ALL", "LC_COLLATE", "LC_MESSAGES", "LC_MONETARY",
                                     "LC_NUMERIC", "LC_TIME", "LC_ADDRESS", "LC_IDENTIFICATION",
                                     "LC_MEASUREMENT", "LC_NAME", "LC_PAPER", "LC_TELEPHONE"})
            unsetenv(variable);
        setenv("LANG", chosen.c_str(), 1);
    }
    setenv("LC_CTYPE", name.c_str(), 1);
}

} // namespace platform
