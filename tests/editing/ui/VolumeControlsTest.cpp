// The system volumes: the normal volume's one-step rise, the maximum that no other volume
// passes, and the drag handles.
#include "MainWindowFixture.h"

#include <QTabWidget>
#include <QTest>

namespace aec {
namespace {

constexpr ParamAddress MusicNormal = 7425; // block 29 slot 1
constexpr ParamAddress MusicStart = 7429;  // slot 5
constexpr ParamAddress MusicMax = 7430;    // slot 6

class SystemVolumes : public test::MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        startAsFirstShown();
    }

    // The music volumes as a load from the processor leaves them.
    void loadMusicVolumes(int normal, int start, int maximum)
    {
        model.store.at(29, 1) = normal;
        model.store.at(29, 5) = start;
        model.store.at(29, 6) = maximum;
        wing().RefreshBlock(29);
        ASSERT_EQ(slider("SysMusNormalVolBar")->value(), normal);
        ASSERT_EQ(slider("SysMusStartVolBar")->value(), start);
        ASSERT_EQ(slider("SysMusMaxVolBar")->value(), maximum);
        recorder.sent.clear();
    }

    static void Drag(QWidget* handle, int fromX, int toX)
    {
        const auto send = [handle](QEvent::Type type, int x, Qt::MouseButtons buttons) {
            const QPointF at(x, 3);
            QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(handle, &event);
        };
        send(QEvent::MouseButtonPress, fromX, Qt::LeftButton);
        send(QEvent::MouseMove, toX, Qt::LeftButton);
    }
    static void Release(QWidget* handle)
    {
        const QPointF at(3, 3);
        QMouseEvent event(QEvent::MouseButtonRelease, at, handle->mapToGlobal(at), Qt::LeftButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    }
};

TEST_F(SystemVolumes, NormalVolumeRisesOneStepPerMoveButFallsAtOnce)
{
    loadMusicVolumes(10, 0, 84);
    slider("SysMusNormalVolBar")->setValue(50);
    EXPECT_EQ(slider("SysMusNormalVolBar")->value(), 11);
    EXPECT_EQ(pane("SysMusNormalVolPane")->text(), QStringLiteral("11"));
    EXPECT_EQ(model.store.at(29, 1), 11);
    const std::vector<std::int32_t> sent = recorder.valuesAt(MusicNormal);
    ASSERT_FALSE(sent.empty());
    for (const std::int32_t value : sent)
        EXPECT_EQ(value, 11);

    loadMusicVolumes(50, 0, 84);
    slider("SysMusNormalVolBar")->setValue(10);
    EXPECT_EQ(slider("SysMusNormalVolBar")->value(), 10);
    EXPECT_EQ(pane("SysMusNormalVolPane")->text(), QStringLiteral("10"));
    EXPECT_EQ(recorder.valuesAt(MusicNormal), std::vector<std::int32_t>{10});

    loadMusicVolumes(30, 0, 30);
    slider("SysMusNormalVolBar")->setValue(31);
    EXPECT_EQ(slider("SysMusNormalVolBar")->value(), 30) << "not past the maximum";
    EXPECT_EQ(pane("SysMusNormalVolPane")->text(), QStringLiteral("30"));
    EXPECT_EQ(model.store.at(29, 1), 30);
}

TEST_F(SystemVolumes, StartVolumeCannotPassTheMaximum)
{
    loadMusicVolumes(0, 0, 40);
    slider("SysMusStartVolBar")->setValue(60);
    EXPECT_EQ(slider("SysMusStartVolBar")->value(), 40);
    EXPECT_EQ(pane("SysMusStartVolPane")->text(), QStringLiteral("40"));
    EXPECT_EQ(model.store.at(29, 5), 40);
    ASSERT_FALSE(recorder.valuesAt(MusicStart).empty());
    EXPECT_EQ(recorder.valuesAt(MusicStart).back(), 40);
    EXPECT_EQ(control("MusStartImage")->x(), 129);
}

TEST_F(SystemVolumes, LoweringTheMaximumPullsStartAndNormalDown)
{
    loadMusicVolumes(35, 40, 50);
    slider("SysMusMaxVolBar")->setValue(30);
    EXPECT_EQ(slider("SysMusMaxVolBar")->value(), 30);
    EXPECT_EQ(slider("SysMusStartVolBar")->value(), 30);
    EXPECT_EQ(slider("SysMusNormalVolBar")->value(), 30);
    EXPECT_EQ(pane("SysMusMaxVolPane")->text(), QStringLiteral("30"));
    EXPECT_EQ(pane("SysMusStartVolPane")->text(), QStringLiteral("30"));
    EXPECT_EQ(pane("SysMusNormalVolPane")->text(), QStringLiteral("30"));
    EXPECT_EQ(model.store.at(29, 1), 30);
    EXPECT_EQ(model.store.at(29, 5), 30);
    EXPECT_EQ(model.store.at(29, 6), 30);
    EXPECT_EQ(recorder.valuesAt(MusicMax).back(), 30);
    EXPECT_EQ(recorder.valuesAt(MusicStart).back(), 30);
    EXPECT_EQ(recorder.valuesAt(MusicNormal).back(), 30);
    EXPECT_EQ(control("MusStartImage")->x(), 110);
    EXPECT_EQ(control("MusMaxImage")->x(), 110);
}

TEST_F(SystemVolumes, DraggingAHandleSetsItsVolume)
{
    loadMusicVolumes(0, 0, 84);
    QWidget* handle = control("MusStartImage");
    ASSERT_EQ(handle->x(), 53);
    Drag(handle, 2, 40);
    EXPECT_EQ(handle->x(), 91);
    EXPECT_EQ(slider("SysMusStartVolBar")->value(), 20);
    EXPECT_EQ(model.store.at(29, 5), 20);
    ASSERT_FALSE(recorder.valuesAt(MusicStart).empty());
    EXPECT_EQ(recorder.valuesAt(MusicStart).back(), 20);
    EXPECT_FALSE(control("musLabel")->isHidden());
    EXPECT_EQ(control<QLabel>("musLabel")->text(), QStringLiteral("20"));
    Release(handle);
    EXPECT_TRUE(control("musLabel")->isHidden());
}

// Q/A, W/S and E/D step the music, microphone and effect volumes while the first side tab
// shows, also with the focus in a band edit, which takes no letters.
TEST_F(SystemVolumes, VolumeKeysStepTheVolumesWhileTheFirstSideTabShows)
{
    loadMusicVolumes(40, 10, 84);
    window.show();
    QApplication::setActiveWindow(&window);
    test::PressMouse(edit("MusFreEdit1"));
    ASSERT_TRUE(edit("MusFreEdit1")->hasFocus());
    const QString frequency = edit("MusFreEdit1")->text();

    QTest::keyClick(edit("MusFreEdit1"), Qt::Key_Q);
    EXPECT_EQ(slider("SysMusNormalVolBar")->value(), 41);
    QTest::keyClick(edit("MusFreEdit1"), Qt::Key_S);
    EXPECT_EQ(slider("SysMicNormalVolBar")->value(), 0) << "the microphone is at its bottom";
    QTest::keyClick(edit("MusFreEdit1"), Qt::Key_A);
    EXPECT_EQ(slider("SysMusNormalVolBar")->value(), 40);
    EXPECT_EQ(edit("MusFreEdit1")->text(), frequency) << "no letter reaches the edit";
    EXPECT_EQ(recorder.valuesAt(MusicNormal), (std::vector<std::int32_t>{41, 40}));

    control<QTabWidget>("AdvPageControl1")->setCurrentIndex(1);
    QTest::keyClick(edit("MusFreEdit1"), Qt::Key_Q);
    EXPECT_EQ(slider("SysMusNormalVolBar")->value(), 40) << "another side tab takes no keys";
}

} // namespace
} // namespace aec
