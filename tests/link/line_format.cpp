#include "line_format.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <map>
#include <mutex>
#include <optional>

namespace {

// What a pty drops and a UART keeps.
constexpr tcflag_t kKeptAside = CSIZE | PARENB;

std::mutex g_mutex;
bool g_active = false;
std::map<dev_t, tcflag_t> g_asked; // per pty: the kept-aside bits last set

// The device of a Unix 98 pty slave (majors 136-143), or nothing.
std::optional<dev_t> ptyOf(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode) || major(st.st_rdev) < 136 || major(st.st_rdev) > 143)
        return std::nullopt;
    return st.st_rdev;
}

template <typename Fn>
Fn libraryFunction(const char* name)
{
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int tcsetattr(int fd, int action, const struct termios* t)
{
    using Fn = int (*)(int, int, const struct termios*);
    static const Fn real = libraryFunction<Fn>("tcsetattr");
    std::optional<dev_t> pty;
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        if (g_active && t)
            pty = ptyOf(fd);
    }
    if (!pty)
        return real(fd, action, t);
    termios plain = *t;
    plain.c_cflag = (plain.c_cflag & ~kKeptAside) | CS8;
    const int rc = real(fd, action, &plain);
    if (rc == 0) {
        const std::lock_guard<std::mutex> lock(g_mutex);
        g_asked[*pty] = t->c_cflag & kKeptAside;
    }
    return rc;
}

extern "C" int tcgetattr(int fd, struct termios* t)
{
    using Fn = int (*)(int, struct termios*);
    static const Fn real = libraryFunction<Fn>("tcgetattr");
    const int rc = real(fd, t);
    if (rc != 0)
        return rc;
    const std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_active)
        return rc;
    if (const std::optional<dev_t> pty = ptyOf(fd)) {
        const auto it = g_asked.find(*pty);
        if (it != g_asked.end())
            t->c_cflag = (t->c_cflag & ~kKeptAside) | it->second;
    }
    return rc;
}

namespace linktest {

UartLikeTerminals::UartLikeTerminals()
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_active = true;
    g_asked.clear();
}

UartLikeTerminals::~UartLikeTerminals()
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_active = false;
    g_asked.clear();
}

} // namespace linktest
