// The main window's speed: a refresh of every block from the store, a page switch, and the
// time from the program's start to its window shown (offscreen).
#include "app/Controller.h"
#include "app/TForm1.h"
#include "core/Language.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/DeviceTexts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

namespace {

struct Window
{
    aec::ParameterModel model;
    aec::DeviceTexts texts;
    aec::Language language;
    aec::TForm1 form{model, texts, language};
    Window() { form.wing().resetAllEq(); }
};

void BM_RefreshAllBlocks(benchmark::State& state)
{
    Window w;
    int value = 0;
    for (auto _ : state) {
        // A different store each time, so every control really changes.
        state.PauseTiming();
        for (int block = 0; block < aec::BlockCount; ++block)
            for (int slot = 0; slot < aec::SlotCount[block]; ++slot)
                w.model.store.at(block, slot) = (block + slot + value) % 40;
        ++value;
        state.ResumeTiming();
        w.form.wing().RefreshBlock(aec::EditingWing::AllViewBlocks);
    }
}
BENCHMARK(BM_RefreshAllBlocks)->Unit(benchmark::kMillisecond);

void BM_PageSwitch(benchmark::State& state)
{
    Window w;
    w.form.show();
    const aec::Tab tabs[] = {aec::Tab::Music,  aec::Tab::MicA, aec::Tab::Main,
                             aec::Tab::Effect, aec::Tab::Sub,  aec::Tab::DynamicEq};
    int i = 0;
    for (auto _ : state) {
        w.form.wing().pages().FormMusTabBtnClick(tabs[i++ % 6]);
        QApplication::processEvents(); // the window updated on the screen
    }
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        // Start-up: application, the program's objects and windows, the first showing
        // (binding, EQ reset, refresh, port list, search started) and its first paint.
        aec::Controller controller(aec::ControllerOptions{});
        controller.start();
        QApplication::processEvents();
        std::printf("start-up to the main window shown: %.1f ms (goal: under 500 ms)\n",
                    double(sinceStart.nsecsElapsed()) / 1e6);
        if (argc > 1 && QByteArray(argv[1]) == "--startup-only")
            return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
