#pragma once

// The main window offscreen, bound to its parameters, with the means to operate its controls
// as a person does (clicks, keys, slider moves) and to see what reaches the link.
#include "core/ParameterModel.h"
#include "editing/PageNavigation.h"
#include "editing/ui/BandEditing.h"
#include "editing/ui/ControlHandlers.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/ControlValues.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/TForm1.h"
#include "editing/ui/WindowEditor.h"
#include "editing/ui/WindowRefresh.h"
#include "link/DeviceTexts.h"
#include "link/LinkSessionFixture.h"
#include "sim/SimulatedProcessor.h"
#include "system/Language.h"

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

// Every parameter handed to the link: what SetParameter passes on, suppressed or not.
class RecordingSender : public ParameterSender
{
public:
    struct Sent
    {
        ParamAddress address;
        std::int32_t value;
    };
    void SendOrQueue(ParamAddress deviceAddress, std::int32_t value) override
    {
        sent.push_back({deviceAddress, value});
    }
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

    WindowEditor& editor() { return m_window.editor(); }
    EditorContext& context() { return editor().context(); }
    PageNavigation& navigation() { return context().navigation; }

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
    // One of the up/down buttons of a spin-button pair, clicked.
    void clickSpin(const char* spinName, bool up)
    {
        auto* spin = control<SpinButtons>(spinName);
        spin->findChild<QToolButton*>(up ? QStringLiteral("up") : QStringLiteral("down"))->click();
    }

private:
    TForm1& m_window;
};

// The window as its first showing leaves it, without a link: bound (twice), a flat EQ in
// every band, the music page shown. The processor is taken to be in manual operation.
class MainWindowFixture : public ::testing::Test, public WindowAccess
{
protected:
    MainWindowFixture() : WindowAccess(window) { model.setSender(&recorder); }

    void SetUp() override { missingNames = editor().bind(); }

    void startAsFirstShown()
    {
        model.store.at(Block::Music, 160) = 1;
        editor().bind();
        editor().resetAllEq();
        editor().pages().FormMusTabBtnClick(Tab::Music);
        recorder.sent.clear();
    }

    RecordingSender recorder;
    ParameterModel model;
    DeviceTexts texts;
    Language language;
    TForm1 window{model, texts, language};
    QStringList missingNames;
};

// The window with a link session over an in-memory line to a simulated processor; the
// session's timers are ticked by hand. What the processor receives is what was sent.
class OnlineWindowFixture : public ::testing::Test, public WindowAccess
{
protected:
    OnlineWindowFixture() : WindowAccess(window) {}

    void SetUp() override
    {
        editor().bind();
        editor().bind();
        editor().resetAllEq();
        context().session = &session;
        QObject::connect(&session, &LinkSession::onlineRefreshRequested, &window,
                         [this] { editor().refreshAfterLoad(); });
        editor().pages().FormMusTabBtnClick(Tab::Music);
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
