#pragma once

// The main window offscreen, bound to its parameters, with the means to operate its controls
// as a person does (clicks, keys, slider moves) and to see what reaches the link.
#include "app/TForm1.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/PageNavigation.h"
#include "editing/ui/BandHighlight.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/DeviceTexts.h"
#include "link/LinkSessionFixture.h"
#include "sim/SimulatedProcessor.h"
#include "widgets/Binder.h"
#include "widgets/ControlTags.h"
#include "widgets/EditBinding.h"
#include "widgets/EditFocus.h"
#include "widgets/ParamWidgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>

#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace aec::test {

// Every parameter the window hands to the link: the changes the model announces that go to
// the processor.
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
    struct Sent
    {
        ParamAddress address;
        std::int32_t value;
    };
    std::vector<std::int32_t> valuesAt(ParamAddress address) const
    {
        std::vector<std::int32_t> values;
        for (const Sent& s : sent)
            if (s.address == address)
                values.push_back(s.value);
        return values;
    }
    int countInBlock(int block) const
    {
        int count = 0;
        for (const Sent& s : sent)
            count += BlockOf(s.address) == block ? 1 : 0;
        return count;
    }
    std::vector<Sent> sent;
};

// Operating controls by events, as the window system delivers them.
inline void PressMouse(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF at(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

inline void PressKey(QWidget* widget, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// Types the characters one by one, each as its own key press.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.isDigit()             ? Qt::Key_0 + c.digitValue()
                        : c == QLatin1Char('-') ? Qt::Key_Minus
                        : c == QLatin1Char('.') ? Qt::Key_Period
                                                : Qt::Key_X;
        PressKey(widget, key, QString(c));
    }
}

inline void TurnWheel(QWidget* window, int delta)
{
    const QPointF at(600, 300);
    QWheelEvent wheel(at, window->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window, &wheel);
}

// The window's parts and controls, shared by the fixtures below.
class WindowAccess
{
public:
    explicit WindowAccess(TForm1& window) : m_window(window) {}

    EditingWing& wing() { return m_window.wing(); }
    PageNavigation& navigation() { return wing().navigation(); }
    // The edit that typed numbers, spin buttons and the wheel act on; null for none.
    QWidget* currentEdit()
    {
        EditBinding* current = wing().focus().current();
        return current ? current->edit() : nullptr;
    }

    template <typename T = QWidget> T* control(const char* name)
    {
        T* found = m_window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
    ParamEdit* edit(const char* name) { return control<ParamEdit>(name); }
    ParamSlider* slider(const char* name) { return control<ParamSlider>(name); }
    StatusPane* pane(const char* name) { return control<StatusPane>(name); }
    TwoStateButton* button(const char* name) { return control<TwoStateButton>(name); }
    QString text(const char* name) { return control<QWidget>(name)->property("text").toString(); }

    // Clicks a band edit, replaces its text by typing and presses Enter.
    void typeInto(const char* name, const QString& typed)
    {
        ParamEdit* e = edit(name);
        PressMouse(e);
        e->selectAll();
        TypeText(e, typed);
        PressKey(e, Qt::Key_Return, QStringLiteral("\r"));
    }
    // A tab button of the tab row, clicked.
    void chooseTab(const char* tabButton) { control<QToolButton>(tabButton)->click(); }
    void refreshAll() { wing().RefreshBlock(EditingWing::AllViewBlocks); }
    EditBinding* editBinding(const char* name)
    {
        auto* binding = wing().binder().find<EditBinding>(QLatin1String(name));
        EXPECT_NE(binding, nullptr) << "no edit binding " << name;
        return binding;
    }
    // The band edit whose frame is highlighted; null for none.
    QWidget* highlightedEdit()
    {
        for (ParamEdit* e : m_window.findChildren<ParamEdit*>())
            if (e->property("highlighted").toBool())
                return e;
        return nullptr;
    }
    // One of the up/down buttons of a spin-button pair, clicked.
    void clickSpin(const char* spinName, bool up)
    {
        auto* spin = control<SpinButtons>(spinName);
        spin->findChild<QToolButton*>(up ? QStringLiteral("up") : QStringLiteral("down"))->click();
    }

private:
    TForm1& m_window;
};

// The window as its first showing leaves it, without a link: a flat EQ in every band, the
// music page shown. The processor is taken to be in manual operation.
class MainWindowFixture : public ::testing::Test, public WindowAccess
{
protected:
    MainWindowFixture() : WindowAccess(window) {}

    void startAsFirstShown()
    {
        model.store.at(Block::Music, 160) = 1;
        wing().resetAllEq();
        wing().pages().FormMusTabBtnClick(Tab::Music);
        recorder.sent.clear();
    }

    ParameterModel model;
    RecordingSender recorder{model};
    DeviceTexts texts;
    Language language;
    TForm1 window{model, texts, language};
};

// The window with a link session over an in-memory line to a simulated processor; the
// session's timers are ticked by hand. What the processor receives is what was sent.
class OnlineWindowFixture : public ::testing::Test, public WindowAccess
{
protected:
    OnlineWindowFixture() : WindowAccess(window) {}

    void SetUp() override
    {
        wing().resetAllEq();
        window.attachSession(session);
        wing().pages().FormMusTabBtnClick(Tab::Music);
    }

    // Finds the processor, loads everything from it and goes online.
    bool linkOnline()
    {
        line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
        session.setPortNames({QStringLiteral("ttyUSB0")});
        session.LinkBtnClick();
        runTicks(LinkSession::Timer1, 5);
        runTicks(LinkSession::Timer2, 200);
        return session.isOnline();
    }

    // A few send-queue ticks (well under the second after which a keep-alive goes out), the
    // processor's answers handed over before each.
    void pump(int ticks = 5) { runTicks(LinkSession::HoldTimer, ticks); }

    std::vector<std::string> framesSince(std::size_t first) const
    {
        return line.framesSince(first);
    }

    ::testing::AssertionResult processorHoldsTheStore() const
    {
        return StoreMatches(model.store, processor.memory().blocks());
    }

    ParameterModel model;
    DeviceTexts texts;
    Language language;
    DiagnosticLog log;
    sim::SimulatedProcessor processor;
    FakeSerialLine line;
    FakeMessages messages;
    LinkSession session{model, texts, line, messages, log};
    TForm1 window{model, texts, language};

private:
    void runTicks(LinkSession::Timer timer, int count)
    {
        for (int i = 0; i < count && session.isTimerActive(timer); ++i) {
            line.deliverTo(session);
            FireTimer(session, timer);
        }
    }
};

} // namespace aec::test
