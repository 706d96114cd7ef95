// Editing on the response chart with the pointer, on a real window offscreen.
#include "chart/ui/ChartInteraction.h"
#include "app/TForm1.h"
#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/EditHistory.h"
#include "editing/ui/BandHighlight.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/DeviceTexts.h"
#include "widgets/EditBinding.h"
#include "widgets/EditFocus.h"
#include "widgets/ParamWidgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <vector>

namespace aec {
namespace {

// Remembers what the window hands on to be sent: the changes that go to the processor.
class RecordingSender
{
public:
    explicit RecordingSender(ParameterModel& model)
    {
        QObject::connect(&model, &ParameterModel::changed, [this](const ParamChange& change) {
            if (IsSentToProcessor(change.origin))
                sent.push_back({change.device, change.value});
        });
    }
    std::vector<std::pair<int, int>> sent;
};

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class ChartDrag : public ::testing::Test
{
protected:
    ChartDrag()
    {
        window.wing().resetAllEq();
        window.show();
        chart = &window.chart();
        chart->setFixedSize(883, 268); // the design size of the chart image
        QApplication::processEvents();
        window.wing().pages().FormMusTabBtnClick(Tab::Music);
    }

    void tab(int t) { window.wing().pages().FormMusTabBtnClick(static_cast<Tab>(t)); }

    // Presses the marker, moves the pointer by (dx, dy) in small steps, releases.
    void drag(int index, int dx, int dy, int steps = 1)
    {
        ChartMarker* m = chart->marker(index);
        const QPoint grip(7, 7);
        Send(m, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i <= steps; ++i) {
            // The marker follows the pointer, so each move is relative to where it is now.
            const QPoint target = grip + QPoint(dx / steps, dy / steps);
            Send(m, QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
        }
        Send(m, QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);
    }

    QString text(const char* name)
    {
        return window.findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    QString pane(const char* name)
    {
        return window.findChild<QLabel*>(QLatin1String(name))->text();
    }

    ParameterModel model;
    RecordingSender sender{model};
    DeviceTexts texts;
    Language language;
    TForm1 window{model, texts, language};
    ResponseChart* chart = nullptr;
};

// Drags far beyond either edge stop at the scale's ends and keep the marker on the chart;
// each new drag starts from the pressed band's own values, so its first step always counts.
TEST_F(ChartDrag, FarDragsStopAtTheEndsOfTheScaleAndEveryBandTakesItsFirstStep)
{
    const ChartMarker* m = chart->marker(0);
    drag(0, 2000, 0);
    EXPECT_EQ(text("MusFreEdit1"), QStringLiteral("20600Hz"));
    EXPECT_EQ(m->x() + 7, Nearest(chart->mapper().FreqToX(20600)));

    drag(0, -2000, 0);
    EXPECT_EQ(text("MusFreEdit1"), QStringLiteral("20.1Hz"));
    EXPECT_EQ(m->x(), Nearest(chart->mapper().FreqToX(19.5)) - 7);

    for (const int far : {5000, 20000, -20000, 20000}) {
        drag(0, far, 0);
        EXPECT_EQ(text("MusFreEdit1"),
                  far > 0 ? QStringLiteral("20600Hz") : QStringLiteral("20.1Hz"))
            << "after a drag of " << far << " pixels";
        EXPECT_GE(m->x() + 7, 0);
        EXPECT_LE(m->x() + 7, chart->width());
    }
    EXPECT_EQ(model.store.at(0, 11), 361);

    // Band 2 dragged to where band 1 stopped: its first and only step is applied too.
    sender.sent.clear();
    drag(1, 20000, 0);
    EXPECT_EQ(text("MusFreEdit2"), QStringLiteral("20600Hz"));
    EXPECT_EQ(model.store.at(0, 16), 361);
    ASSERT_FALSE(sender.sent.empty());
    EXPECT_EQ(sender.sent.back(), std::make_pair(16, 361));
}

// Press to release is one undo step, however many values the drag passed through; a right
// button stepping of Q is one more.
TEST_F(ChartDrag, ADragIsOneUndoStep)
{
    EditHistory& history = window.wing().history();
    qint64 now = 0;
    history.setClock([&now] { return now += 2 * EditHistory::MergeWindowMs; }); // a slow drag
    const ParamStore before = model.store;
    ChartMarker* m = chart->marker(3);
    Send(m, QEvent::MouseButtonPress, {7, 7}, Qt::LeftButton, Qt::LeftButton);
    for (int step = 0; step < 6; ++step) {
        Send(m, QEvent::MouseMove, {27, -3}, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents(); // the event loop turns between the pointer's moves
    }
    Send(m, QEvent::MouseButtonRelease, {7, 7}, Qt::LeftButton, Qt::NoButton);
    ASSERT_GT(sender.sent.size(), 4u);
    history.flush();
    EXPECT_EQ(history.stack().count(), 1);
    history.undo();
    EXPECT_EQ(model.store, before);
    EXPECT_EQ(text("MusGainEdit4"), QStringLiteral("0.0dB"));
    history.redo();
    EXPECT_NE(text("MusGainEdit4"), QStringLiteral("0.0dB"));

    Send(m, QEvent::MouseButtonPress, {7, 7}, Qt::RightButton, Qt::RightButton);
    for (int x = 12; x <= 30; x += 6) {
        Send(m, QEvent::MouseMove, {x, 7}, Qt::NoButton, Qt::RightButton);
        QApplication::processEvents();
    }
    Send(m, QEvent::MouseButtonRelease, {30, 7}, Qt::RightButton, Qt::NoButton);
    history.flush();
    EXPECT_EQ(history.stack().count(), 2);
}

TEST_F(ChartDrag, AboveTheTopGivesTwelveDecibelsAndBelowTheBottomMinusTwentyFour)
{
    drag(2, 0, -1000);
    EXPECT_EQ(text("MusGainEdit3"), QStringLiteral("12.0dB"));
    drag(2, 0, 2000);
    EXPECT_EQ(text("MusGainEdit3"), QStringLiteral("-24.0dB"));
    EXPECT_EQ(model.store.at(0, 22), 0);
}

TEST_F(ChartDrag, DynamicEqMarkersStopAtMinusTwelveDecibels)
{
    tab(1);
    drag(1, 0, 2000);
    EXPECT_EQ(text("DEQGainEdit2"), QStringLiteral("-12.0dB"));
    EXPECT_EQ(chart->marker(1)->y(), Nearest(chart->mapper().DbToY(-12) - 7));
}

TEST_F(ChartDrag, FilterMarkersMoveSidewaysOnlyAndChangeTheirFrequencyPane)
{
    ChartMarker* hpf = chart->marker(20);
    ASSERT_TRUE(hpf->isVisible());
    const int top = hpf->y();
    drag(20, 200, -80);
    EXPECT_EQ(hpf->y(), top);
    EXPECT_NE(pane("MusHPFREPane"), QStringLiteral("19.7Hz"));
    EXPECT_GT(model.store.at(0, 5), 0);
    EXPECT_EQ(window.findChild<ParamSlider*>(QStringLiteral("MusHPFREBar"))->value(),
              model.store.at(0, 5));
}

TEST_F(ChartDrag, EqPassKeepsTheEqMarkersAndOnTheMusicPageTheFiltersToo)
{
    auto* pass = window.findChild<TwoStateButton*>(QStringLiteral("MusEQAllpassBtn"));
    pass->click();
    ASSERT_TRUE(window.findChild<QLabel*>(QStringLiteral("EQPassLabel"))->isVisible());
    const QString before = text("MusFreEdit4");
    drag(3, 150, -40);
    EXPECT_EQ(text("MusFreEdit4"), before);
    const QString filter = pane("MusHPFREPane");
    drag(20, 150, 0);
    EXPECT_EQ(pane("MusHPFREPane"), filter);

    // On the microphone page the filters still move.
    pass->click();
    tab(2);
    pass->click();
    const QString micFilter = pane("MicHPFrePane");
    drag(20, 150, 0);
    EXPECT_NE(pane("MicHPFrePane"), micFilter);
}

TEST_F(ChartDrag, OutputPageMarkersDoNothingInAutomaticOperation)
{
    model.store.at(0, 160) = 0;
    tab(5);
    const QString before = text("MainFreEdit2");
    drag(1, 200, 0);
    EXPECT_EQ(text("MainFreEdit2"), before);
    model.store.at(0, 160) = 1;
    drag(1, 200, 0);
    EXPECT_NE(text("MainFreEdit2"), before);
}

TEST_F(ChartDrag, SlowDragSendsAtMostOneValuePerScaleStep)
{
    const int before = model.view.at(0, 36); // band 6's frequency step
    sender.sent.clear();
    // 120 single-pixel moves: about 1.9 pixels per frequency step at this width.
    drag(5, 120, 0, 120);
    std::vector<int> steps;
    for (const auto& [address, value] : sender.sent)
        if (address == 36)
            steps.push_back(value);
    ASSERT_GE(steps.size(), 2u);
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_EQ(steps[i], steps[i - 1] + 1) << "each step once, in order";
    EXPECT_LE(int(steps.size()), steps.back() - before + 1);
    EXPECT_GT(steps.back() - before, 40);
}

TEST_F(ChartDrag, RightPressOnAMarkerAndSidewaysMovesStepTheQ)
{
    ChartMarker* m = chart->marker(4);
    Send(m, QEvent::MouseButtonPress, QPoint(7, 7), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(text("MusQEdit5"), QStringLiteral("1.00"));
    for (int step = 1; step <= 3; ++step)
        Send(m, QEvent::MouseMove, QPoint(7 + 3 * step, 7), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(text("MusQEdit5"), QStringLiteral("1.19")) << "three steps up from index 16";
    Send(m, QEvent::MouseMove, QPoint(7 + 3 * 3 + 2, 7), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(text("MusQEdit5"), QStringLiteral("1.19")) << "less than three pixels does nothing";
    Send(m, QEvent::MouseMove, QPoint(7, 7), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(text("MusQEdit5"), QStringLiteral("1.12"));
    Send(m, QEvent::MouseButtonRelease, QPoint(7, 7), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(model.store.at(0, 33), 18);
}

TEST_F(ChartDrag, MarkersFollowTheBandsOfThePageShown)
{
    const auto shown = [this] {
        std::vector<int> visible;
        for (int i = 0; i < 22; ++i)
            if (chart->marker(i)->isVisible())
                visible.push_back(i);
        return visible;
    };
    std::vector<int> music(15);
    for (int i = 0; i < 15; ++i)
        music[std::size_t(i)] = i;
    music.push_back(20);
    music.push_back(21);
    EXPECT_EQ(shown(), music);
    tab(9);
    EXPECT_EQ(shown(), (std::vector<int>{0, 1, 2, 3, 4}));
    tab(1);
    EXPECT_EQ(shown(), (std::vector<int>{0, 1, 2}));
}

TEST_F(ChartDrag, SelectedBandShowsItsValuesAboveOrBelowItsMarker)
{
    // Band 4 of the music block: -6.0 dB, Q "2.00", 250 Hz.
    model.view.at(0, 27) = 90;
    model.view.at(0, 28) = 28;
    model.view.at(0, 26) = 132;
    window.DrawBlockCurve(3, 0);
    QLabel* label = chart->EQlabel();
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("-6.0dB\nQ:2.00\n250.00Hz"));
    EXPECT_EQ(label->y() + label->height() + 1, chart->marker(3)->y()) << "above a cut";

    window.DrawBlockCurve(15, 0);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("HPF:")));
    EXPECT_EQ(label->y(), chart->marker(20)->y() + chart->marker(20)->height());
}

TEST_F(ChartDrag, ClickingABandsNumberSelectsItsFrequencyEditAndShowsItsValues)
{
    QWidget* label = window.findChild<QWidget*>(QStringLiteral("MusEQPointLabel4"));
    Send(label, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton, Qt::LeftButton);
    EditBinding* current = window.wing().focus().current();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->edit(), window.findChild<QWidget*>(QStringLiteral("MusFreEdit4")));
    EXPECT_TRUE(window.wing().focus().wheelArmed());
    EXPECT_EQ(window.wing().highlight().selectedBand(0), 3);
}

} // namespace
} // namespace aec
