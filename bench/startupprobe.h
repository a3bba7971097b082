#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <functional>

// Once `viewport` (the text editor's) has been painted for the first time, prints the monotonic
// clock, the peak memory and what `coloured` says of the painted lines, then ends the program.
class FirstPaintProbe final : public QObject {
public:
    FirstPaintProbe(QWidget& viewport, std::function<bool()> coloured)
        : coloured_(std::move(coloured)) {
        viewport.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once this paint has finished.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("idle_ns=%lld maxrss_kb=%ld coloured=%d\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    usage.ru_maxrss, coloured_() ? 1 : 0);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    std::function<bool()> coloured_;
    bool seen_ = false;
};
