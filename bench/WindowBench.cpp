// The main window's speed: a refresh of every block from the store, a page switch, and the
// time from the program's start to its window shown (offscreen).
#include "app/Controller.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/TForm1.h"
#include "editing/ui/WindowEditor.h"
#include "editing/ui/WindowRefresh.h"
#include "link/DeviceTexts.h"
#include "system/Language.h"

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
    Window()
    {
        form.editor().bind();
        form.editor().resetAllEq();
    }
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
        w.form.editor().refresh().RefreshBlock(aec::WindowRefresh::AllViewBlocks);
    }
}
BENCHMARK(BM_RefreshAllBlocks)->Unit(benchmark::kMillisecond);

void BM_PageSwitch(benchmark::State& state)
{
    Window w;
    w.form.show();
    const int tabs[] = {0, 2, 5, 4, 8, 1};
    int i = 0;
    for (auto _ : state) {
        w.form.editor().pages().FormMusTabBtnClick(tabs[i++ % 6]);
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
