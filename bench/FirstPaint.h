// Ends a start-up benchmark run at the first painting of its window; with RESTALLOW_PHASES set,
// prints the wall-clock time (ns since the epoch) of each phase to stderr.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace restallow::bench {

inline void Phase(const char* name) {
    if (!std::getenv("RESTALLOW_PHASES")) return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::fprintf(stderr, "phase %s %lld\n", name, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
}

class QuitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            Phase("painted");
            QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool done_ = false;
};

// Shows the built window and runs the event loop until its first painting.
inline int ShowUntilFirstPaint(QWidget& window) {
    Phase("window built");
    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    Phase("shown");
    return QApplication::exec();
}

}  // namespace restallow::bench
