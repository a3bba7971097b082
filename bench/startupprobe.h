#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

// Once the event loop has nothing left to do after the first window is shown, prints the
// monotonic clock and the peak memory, then ends the program.
inline void reportWhenIdle() {
    QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("idle_ns=%lld maxrss_kb=%ld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
