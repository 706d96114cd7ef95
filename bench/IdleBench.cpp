// What the program costs while it is online and idle: the whole controller in this process
// (offscreen), processor-sim as a separate process on a pseudo-terminal, and the processor
// time this process uses over a minute (by default) after the load, with nobody touching it.
//   bench_idle [seconds]
#include "OnlineController.h"
#include "ProcessUsage.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using aec::bench::RunEventsFor;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;

    aec::bench::OnlineController online({});
    if (!online.online())
        return 1;
    RunEventsFor(2000); // the refresh after the load settles

    const aec::bench::ProcessUsage before = aec::bench::ProcessUsage::Now();
    QElapsedTimer clock;
    clock.start();
    RunEventsFor(seconds * 1000);
    const aec::bench::ProcessUsage after = aec::bench::ProcessUsage::Now();
    const double wall = static_cast<double>(clock.elapsed()) / 1000.0;
    const double share = 100.0 * (after.cpuSeconds - before.cpuSeconds) / wall;
    std::printf("online and idle for %.1f s: %.3f s of processor time, %.2f %% of a core "
                "(goal: under 0.3 %%); still online: %s\n",
                wall, after.cpuSeconds - before.cpuSeconds, share,
                online.session().isOnline() ? "yes" : "no");
    return 0;
}
