#include <dlfcn.h>
#include <sys/syscall.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>

// Preloaded into the tests under qemu-user. Qt starts a program with
// clone(CLONE_PIDFD) once waitid(P_PIDFD) shows that the kernel has pidfds;
// Debian 12's qemu-user passes that waitid through to the kernel but refuses
// that clone, so every QProcess would fail to start. Told here that there
// are no pidfds, Qt forks the classic way, which qemu-user runs.

namespace {

constexpr long PidfdIdType = 3; // P_PIDFD

// Loaded already: the host's programs that a test starts must not try to.
__attribute__((constructor)) void forgetPreload()
{
    unsetenv("LD_PRELOAD");
}

} // namespace

extern "C" long syscall(long number, ...)
{
    using Syscall = long (*)(long, ...);
    static const auto next = reinterpret_cast<Syscall>(dlsym(RTLD_NEXT, "syscall"));
    long arg[6];
    va_list list;
    va_start(list, number);
    for (long &a : arg)
        a = va_arg(list, long);
    va_end(list);
    if (number == SYS_waitid && arg[0] == PidfdIdType) {
        errno = ENOSYS;
        return -1;
    }
    return next(number, arg[0], arg[1], arg[2], arg[3], arg[4], arg[5]);
}
