// The response chart at its design size of 883 × 268: a one-band edit (evaluate the band,
// re-sum, restore the background, draw the curve) and a full redraw of 22 entries (the
// microphone block's 20 bands and two filters).
#include "app/TForm1.h"
#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/DeviceTexts.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

struct Window
{
    aec::ParameterModel model;
    aec::DeviceTexts texts;
    aec::Language language;
    aec::TForm1 form{model, texts, language};
    Window()
    {
        form.wing().resetAllEq();
        form.show();
        form.findChild<aec::ResponseChart*>()->setFixedSize(883, 268);
        QApplication::processEvents();
        form.wing().pages().FormMusTabBtnClick(aec::Tab::MicA); // 20 bands and two filters
        // A lively EQ: every band boosted or cut, with filters in.
        for (int band = 0; band < 20; ++band) {
            model.view.at(2, 15 + 5 * band) = 1 + band % 3;
            model.view.at(2, 17 + 5 * band) = 60 + (band * 37) % 120;
            model.view.at(2, 18 + 5 * band) = 10 + band * 4;
        }
        model.view.at(2, 9) = 9;
        model.view.at(2, 10) = 60;
        model.view.at(2, 11) = 12;
        model.view.at(2, 12) = 300;
    }
    void draw(int selector) { form.DrawBlockCurve(selector, 2); }
};

void BM_OneBandEdit(benchmark::State& state)
{
    Window w;
    w.draw(aec::AllBands);
    int gain = 0;
    for (auto _ : state) {
        w.model.view.at(2, 37) = 60 + (gain++ % 120); // band 5's gain
        w.draw(4);
    }
}
BENCHMARK(BM_OneBandEdit)->Unit(benchmark::kMicrosecond);

void BM_FullRedraw22Entries(benchmark::State& state)
{
    Window w;
    for (auto _ : state)
        w.draw(aec::AllBands);
}
BENCHMARK(BM_FullRedraw22Entries)->Unit(benchmark::kMicrosecond);

} // namespace
