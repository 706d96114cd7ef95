// Timing of the link over a pseudo-terminal against the simulated processor, with the real
// serial port and the real timers:
//  - a full load, from the first link request to online, against the floor that the timers
//    impose (one port-search tick of 1 s and 61 transfer ticks of 100 ms);
//  - the edit-to-wire latency, from SetParameter to the frame handed to the serial port;
//  - an A/B switch between two sets that differ in every EQ band of every page, from the
//    press to the processor holding the new set, against the acknowledgement-paced floor (one
//    parameter per 20 ms send tick, each after the previous one's acknowledgement) and the
//    line's own floor at 115200 baud (a pseudo-terminal has no baud rate, a real line has).
#include "core/Addressing.h"
#include "core/ParameterModel.h"
#include "editing/CompareSets.h"
#include "editing/EditHistory.h"
#include "link/ui/TForm3.h"
#include "sim/SimulatorHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class SilentMessages : public aec::MessageService
{
public:
    void inform(const aec::BilingualText&) override {}
    bool ask(const aec::BilingualText&) override { return true; }
};

template <typename Condition> bool RunUntil(Condition done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Rig
{
    aec::sim::SimulatorHost host;
    aec::ParameterModel model;
    aec::DeviceTexts texts;
    aec::DiagnosticLog log;
    SilentMessages messages;
    aec::TForm3 link{model, texts, messages, log};

    // Starts the simulated processor and links to it; false (with a line saying so) when the
    // link does not come online.
    bool online(const char* what)
    {
        if (!host.start())
            return false;
        link.listPorts({host.portPath()});
        link.session().StartLink();
        if (RunUntil([this] { return link.session().isOnline(); }, 30000))
            return true;
        std::printf("%s: the link did not come online\n", what);
        return false;
    }
};

// Milliseconds from the link request to online; negative when the load did not finish.
double TimeFullLoad()
{
    Rig rig;
    if (!rig.host.start())
        return -1;
    rig.link.listPorts({rig.host.portPath()});
    QElapsedTimer clock;
    qint64 requestAt = -1;
    qint64 onlineAt = -1;
    QObject::connect(&rig.link.session(), &aec::LinkSession::portSelected,
                     [&] { requestAt = clock.elapsed(); });
    QObject::connect(&rig.link.session(), &aec::LinkSession::onlineRefreshRequested,
                     [&] { onlineAt = clock.elapsed(); });
    clock.start();
    rig.link.session().StartLink();
    if (!RunUntil([&] { return onlineAt >= 0; }, 30000) || requestAt < 0)
        return -1;
    rig.link.session().EndLink();
    return double(onlineAt - requestAt);
}

void ReportEditLatency()
{
    Rig rig;
    if (!rig.online("edit latency"))
        return;
    std::vector<double> micros;
    for (int i = 0; i < 2000; ++i) {
        QElapsedTimer clock;
        clock.start();
        rig.model.SetParameter(aec::MakeAddress(2, 15 + i % 100), i);
        micros.push_back(double(clock.nsecsElapsed()) / 1000.0);
        if (i % 20 == 19)
            RunUntil([] { return false; }, 2);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("edit-to-wire latency over %zu edits: median %.1f us, p99 %.1f us, max %.1f us "
                "(goal: median under 1000 us)\n",
                micros.size(), micros[micros.size() / 2], micros[micros.size() * 99 / 100],
                micros.back());
}

// Every EQ band's type, frequency, gain and Q in blocks 0 to 27, moved to another value.
aec::ParamStore EveryBandChanged(const aec::ParamStore& from)
{
    aec::ParamStore to = from;
    for (int block = 0; block <= aec::Block::HiddenMicB; ++block)
        for (int band = 0; band < aec::EqBandCount[std::size_t(block)]; ++band)
            for (const aec::BandField field : {aec::BandField::Type, aec::BandField::Frequency,
                                               aec::BandField::Gain, aec::BandField::PeakQ}) {
                std::int32_t& value = to.at(block, aec::BandSlot(block, band, field));
                value = field == aec::BandField::Type ? (value + 1) % 4 : (value + 7) % 200;
            }
    return to;
}

void ReportCompareSwitch()
{
    Rig rig;
    if (!rig.online("A/B switch"))
        return;
    aec::EditHistory history(rig.model);
    aec::CompareSets sets;
    sets.press(aec::CompareSets::Letter::B, rig.model.store); // B starts as a copy of A
    const aec::ParamStore b = EveryBandChanged(rig.model.store);
    const int differing = int(aec::Differences(rig.model.store, b).size());
    const auto processorHolds = [&](const aec::ParamStore& set) {
        for (int block = 0; block < aec::TransferBlockCount; ++block)
            for (int slot = 0; slot < aec::SlotCount[std::size_t(block)]; ++slot)
                if (rig.host.processor().memory().value(block, slot) != set.at(block, slot))
                    return false;
        return true;
    };
    QElapsedTimer clock;
    clock.start();
    history.applySet(b, {});
    const bool arrived = RunUntil([&] { return processorHolds(b); }, 120000);
    const double ms = double(clock.elapsed());
    // One value in flight at a time: each waits for the acknowledgement of the one before, and
    // for nothing else. Paced by hold ticks, as an EQ reset is, it would take a tick each.
    const double tickPacedMs = differing * double(aec::LinkSession::TimerPeriodMs[2]);
    // Nine bytes a parameter frame, ten bits a byte on the line.
    const double wireFloorMs = differing * 9 * 10 * 1000.0 / 115200.0;
    if (!arrived) {
        std::printf("A/B switch: the processor did not reach the set within 120 s\n");
        return;
    }
    std::printf("A/B switch of %d differing parameters, one in flight at a time: %.0f ms "
                "(%.3f ms each)\n"
                "  paced by hold ticks it would take %.0f ms, %.0f times as long\n"
                "  on a real line the 115200-baud floor is %.0f ms, plus the processor's answers\n",
                differing, ms, ms / differing, tickPacedMs, tickPacedMs / ms, wireFloorMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    constexpr double FloorMs = 1000.0 + 61 * 100.0;

    std::vector<double> loads;
    for (int i = 0; i < runs; ++i) {
        const double ms = TimeFullLoad();
        std::printf("full load %d: %.0f ms (ratio to the %.0f ms floor: %.3f)\n", i + 1, ms,
                    FloorMs, ms / FloorMs);
        if (ms > 0)
            loads.push_back(ms);
    }
    if (!loads.empty())
        std::printf("full load median: %.0f ms, ratio %.3f (goal: at most 1.05)\n", Median(loads),
                    Median(loads) / FloorMs);
    ReportEditLatency();
    ReportCompareSwitch();
    return 0;
}
