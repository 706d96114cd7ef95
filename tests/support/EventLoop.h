#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace aec::test {

// Runs the event loop, sleeping between events, until `done` holds or the time is up; returns
// whether it holds.
template <typename Condition> bool RunUntil(Condition done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

inline void RunFor(int ms)
{
    RunUntil([] { return false; }, ms);
}

} // namespace aec::test
