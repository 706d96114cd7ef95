// What the program costs while it is online and idle: the whole controller in this process
// (offscreen), processor-sim as a separate process on a pseudo-terminal, and the processor
// time this process uses over a minute (by default) after the load, with nobody touching it.
//   bench_idle [seconds]
#include "ProcessUsage.h"
#include "app/Controller.h"
#include "core/MessageService.h"
#include "link/ui/TForm3.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class SilentMessages : public aec::MessageService
{
public:
    void inform(const aec::BilingualText&) override {}
    bool ask(const aec::BilingualText&) override { return true; }
};

void RunEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;

    QProcess sim;
    sim.start(QStringLiteral(PROCESSOR_SIM_PATH), {});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::printf("processor-sim did not start\n");
        return 1;
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();

    SilentMessages messages;
    aec::ControllerOptions options;
    options.ports = {path};
    aec::Controller controller(options, &messages);
    controller.start();
    QElapsedTimer wait;
    wait.start();
    while (!controller.link().session().isOnline() && wait.elapsed() < 30000)
        RunEventsFor(50);
    if (!controller.link().session().isOnline()) {
        std::printf("the controller did not come online\n");
        return 1;
    }
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
                controller.link().session().isOnline() ? "yes" : "no");

    sim.terminate();
    sim.waitForFinished(5000);
    return 0;
}
