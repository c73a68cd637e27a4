#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process may grow beyond the given size: a write then
// fails the way it does on a full disk (the signal that would end the process is ignored).
class TVollePlatte
{
public:
    explicit TVollePlatte(rlim_t hoechstens)
    {
        getrlimit(RLIMIT_FSIZE, &alt);
        altesSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng = alt;
        eng.rlim_cur = hoechstens;
        setrlimit(RLIMIT_FSIZE, &eng);
    }
    ~TVollePlatte()
    {
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, altesSignal);
    }
    TVollePlatte(const TVollePlatte&) = delete;
    TVollePlatte& operator=(const TVollePlatte&) = delete;

private:
    rlimit alt{};
    void (*altesSignal)(int) = nullptr;
};
