// Qt starts a process with a vfork-like clone (CLONE_VM | CLONE_VFORK): the
// child runs in the parent's memory until it execs. GCC 12's ThreadSanitizer
// takes any clone for a fork and resets its state for the child, but with
// CLONE_VM that state is the parent thread's own: the thread that started the
// process goes unchecked from then on and, where other threads ran, the next
// thread started aborts the program ("starting new threads after
// multi-threaded fork"). Linked into every program of the ThreadSanitizer
// build, this clone comes before the sanitizer's and hands such a clone
// straight to the C library; the child only runs Qt's own code until it execs.
#include <sched.h>
#include <sys/types.h>

#include <cstdarg>
#include <dlfcn.h>

extern "C" int __clone(int (*fn)(void *), void *stack, int flags, void *arg, ...);

extern "C" int clone(int (*fn)(void *), void *stack, int flags, void *arg, ...) noexcept
{
    va_list rest;
    va_start(rest, arg);
    auto *parentTid = va_arg(rest, pid_t *);
    void *tls = va_arg(rest, void *);
    auto *childTid = va_arg(rest, pid_t *);
    va_end(rest);
    if ((flags & (CLONE_VM | CLONE_VFORK | CLONE_THREAD)) == (CLONE_VM | CLONE_VFORK))
        return __clone(fn, stack, flags, arg, parentTid, tls, childTid);
    using Clone = int (*)(int (*)(void *), void *, int, void *, ...);
    static const auto sanitizers = reinterpret_cast<Clone>(dlsym(RTLD_NEXT, "clone"));
    return sanitizers(fn, stack, flags, arg, parentTid, tls, childTid);
}
