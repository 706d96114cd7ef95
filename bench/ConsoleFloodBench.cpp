// What the protocol console costs while processor-sim floods the line at a serial line's full
// speed (11520 bytes a second, 115200 baud): the whole controller in a process of its own,
// once with the console closed and once with it open, each for a minute (by default). Reports
// processor time, memory, how late a 50 ms timer runs (the program's responsiveness) and how
// many lines the console keeps.
//   bench_console_flood [seconds]                      both runs, one after the other
//   bench_console_flood --mode open|closed [seconds]   one run
#include "OnlineController.h"
#include "ProcessUsage.h"
#include "app/Controller.h"
#include "app/LinkTools.h"
#include "link/ui/ProtocolConsole.h"
#include "link/ui/TForm3.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using aec::bench::RunEventsFor;

// Resident memory now, in MiB.
double ResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1048576.0
                             : 0.0;
}

int RunOne(bool open, int seconds)
{
    aec::bench::OnlineController online({QStringLiteral("--flood"), QStringLiteral("11520")});
    if (!online.online())
        return 1;
    aec::Controller& controller = online.controller();
    aec::LinkSession& session = online.session();
    RunEventsFor(2000); // the flood has begun
    if (open)
        controller.linkTools().openConsole();

    // A 50 ms timer that notes how late each of its ticks comes.
    std::vector<double> lateness;
    QElapsedTimer probeClock;
    probeClock.start();
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    qint64 ticks = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        ++ticks;
        lateness.push_back(
            std::max(0.0, double(probeClock.nsecsElapsed()) / 1e6 - 50.0 * double(ticks)));
    });

    const aec::LinkCounters countersBefore = session.counters();
    const double residentBefore = ResidentMiB();
    const aec::bench::ProcessUsage before = aec::bench::ProcessUsage::Now();
    QElapsedTimer clock;
    clock.start();
    probe.start(50);
    RunEventsFor(seconds * 1000);
    probe.stop();
    const aec::bench::ProcessUsage after = aec::bench::ProcessUsage::Now();
    const double wall = double(clock.elapsed()) / 1000.0;
    const aec::LinkCounters countersAfter = session.counters();

    std::vector<double> sorted = lateness;
    std::sort(sorted.begin(), sorted.end());
    // Lateness accumulates when ticks are dropped; the growth between ticks is what a person
    // would feel as a stall.
    double worstStall = 0;
    for (std::size_t i = 1; i < lateness.size(); ++i)
        worstStall = std::max(worstStall, lateness[i] - lateness[i - 1]);
    std::printf("console %-6s: %.1f s of flood, %lld frames and %lld bytes in; %.2f %% of a core; "
                "resident %.1f -> %.1f MiB (peak %.1f MiB); worst stall of a 50 ms timer %.1f ms; "
                "still online: %s",
                open ? "open" : "closed", wall,
                static_cast<long long>(countersAfter.framesIn - countersBefore.framesIn),
                static_cast<long long>(countersAfter.bytesIn - countersBefore.bytesIn),
                100.0 * (after.cpuSeconds - before.cpuSeconds) / wall, residentBefore,
                ResidentMiB(), double(after.peakKiB) / 1024.0, worstStall,
                session.isOnline() ? "yes" : "no");
    if (aec::ProtocolConsole* console = controller.linkTools().console())
        std::printf("; console keeps %d of %d records (%lld dropped), view %d lines",
                    console->recorder().size(), console->recorder().capacity(),
                    static_cast<long long>(console->recorder().dropped()),
                    console->view()->blockCount());
    std::printf("\n");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int modeAt = static_cast<int>(args.indexOf(QStringLiteral("--mode")));
    if (modeAt >= 0 && modeAt + 1 < args.size()) {
        const int seconds = modeAt + 2 < args.size() ? std::max(1, args[modeAt + 2].toInt()) : 60;
        return RunOne(args[modeAt + 1] == QStringLiteral("open"), seconds);
    }
    const QString seconds = args.isEmpty() ? QStringLiteral("60") : args.first();
    // Each run in a process of its own, so the peak memory of one does not hide the other's.
    for (const char* mode : {"closed", "open"}) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--mode"), QLatin1String(mode), seconds});
        run.waitForFinished(-1);
    }
    return 0;
}
