// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/local_socket.h"

#include <algorithm>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

bool localSocketAnswers(const std::string& path)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string full =
        path.empty() || path[0] == '/' ? path : std::string(runtime ? runtime : "") + '/' + path;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (full.size() >= sizeof address.sun_path)
        return false;
    std::copy(full.begin(), full.end(), address.sun_path);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers =
        socket >= 0 &&
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0)
        ::close(socket);
    return answers;
}

} // namespace platform
