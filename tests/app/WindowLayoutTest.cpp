// On every page and side-panel tab, in both languages: nothing is clipped (every label, button
// and value pane has the room its text needs), every control has a name of its own, and the
// keyboard reaches every control in reading order.
#include "editing/ui/MainWindowFixture.h"
#include "link/ui/LinkControls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace aec::test {
namespace {

int TextWidth(const QWidget* w, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

// The room a control's text is given, and the width it needs; null room for a control this
// check does not judge.
struct Room
{
    int given = 0;
    int needed = 0;
};

std::optional<Room> RoomOf(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
            return std::nullopt;
        const int margins = label->contentsMargins().left() + label->contentsMargins().right();
        return Room{label->width() - margins - 2 * label->margin(),
                    TextWidth(label, label->text())};
    }
    if (auto* tool = qobject_cast<QToolButton*>(w)) {
        if (tool->text().isEmpty())
            return std::nullopt;
        return Room{tool->width(), tool->sizeHint().width()};
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty())
            return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return Room{contents.width(), TextWidth(button, button->text())};
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text().isEmpty() || edit->echoMode() != QLineEdit::Normal)
            return std::nullopt;
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame()
                ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                : 0;
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        // A line edit keeps two pixels free on either side of its text.
        return Room{contents.width() - 4, TextWidth(edit, edit->text())};
    }
    return std::nullopt;
}

// The ancestor that cuts part of a control away, if any: a control scrolled out of a scroll
// area's view is not cut.
QWidget* CuttingAncestor(QWidget* w)
{
    QRect rect = w->rect();
    for (QWidget* child = w; QWidget* parent = child->parentWidget(); child = parent) {
        if (child->isWindow() || parent->objectName() == QLatin1String("qt_scrollarea_viewport"))
            return nullptr;
        rect.translate(child->pos());
        if (!parent->rect().contains(rect))
            return parent;
    }
    return nullptr;
}

class WindowLayout : public OnlineWindowFixture
{
protected:
    // Lets every layout that a change of page, caption or value asked for settle, as the
    // window does before it paints.
    static void settle()
    {
        for (int round = 0; round < 4; ++round)
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }

    // Runs a check on every page and side-panel tab in both languages (and on the echo sheet
    // besides the reverb sheet), and gathers what it found, each with where.
    QStringList onEveryPage(const std::function<QStringList()>& check)
    {
        window.show();
        window.resize(TForm1::DesignWidth, TForm1::DesignHeight);
        auto* side = control<QTabWidget>("AdvPageControl1");
        QStringList problems;
        for (const int captions : {0, 1}) {
            window.SetCaptionLanguage(captions);
            for (int sideTab = 0; sideTab < side->count(); ++sideTab) {
                side->setCurrentIndex(sideTab);
                for (int tab = 0; tab < 10; ++tab) {
                    wing().pages().FormMusTabBtnClick(static_cast<Tab>(tab));
                    if (static_cast<Tab>(tab) == Tab::Effect) {
                        settle();
                        for (const QString& p : check())
                            problems << QStringLiteral("echo sheet: ") + p;
                        wing().pages().EchoAToolButtonClick(2); // and the reverb sheet
                    }
                    settle();
                    for (const QString& p : check())
                        problems << QStringLiteral("%1, tab %2, side tab %3: %4")
                                        .arg(captions ? QStringLiteral("Chinese")
                                                      : QStringLiteral("English"))
                                        .arg(tab)
                                        .arg(sideTab)
                                        .arg(p);
                }
            }
        }
        problems.removeDuplicates();
        return problems;
    }

    // Every visible control of the window whose text does not fit, named.
    QStringList clipped()
    {
        QStringList found;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisible() || w->width() <= 1)
                continue;
            if (const std::optional<Room> room = RoomOf(w); room && room->needed > room->given)
                found << QStringLiteral("%1 \"%2\" needs %3 px, has %4 (%5 wide, hint %6)")
                             .arg(w->objectName(), w->property("text").toString())
                             .arg(room->needed)
                             .arg(room->given)
                             .arg(w->width())
                             .arg(w->sizeHint().width());
            else if (QWidget* cut = room ? CuttingAncestor(w) : nullptr)
                found << QStringLiteral("%1 \"%2\" is cut by %3")
                             .arg(w->objectName(), w->property("text").toString(),
                                  cut->objectName().isEmpty()
                                      ? QLatin1String(cut->metaObject()->className())
                                      : cut->objectName());
        }
        return found;
    }
};

TEST_F(WindowLayout, NoTextIsClippedOnAnyPageInEitherLanguage)
{
    ASSERT_TRUE(linkOnline());
    const QStringList problems = onEveryPage([this] { return clipped(); });
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " clipped:\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
}

// What a screen reader reads: every enabled control has a name, and no two controls of a kind
// share one on a page, so that each can be told from the others.
TEST_F(WindowLayout, EveryControlHasAnAccessibleNameOfItsOwnOnEveryPageInEitherLanguage)
{
    ASSERT_TRUE(linkOnline());
    const QStringList problems = onEveryPage([this] {
        QStringList found;
        QMap<QString, QString> taken; // class and name → the control that has them
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QAbstractSlider*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QLineEdit*>(w) || qobject_cast<StatusPane*>(w);
            if (!control || !w->isVisible() || !w->isEnabled() || qobject_cast<QScrollBar*>(w))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            const QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
            if (name.isEmpty()) {
                found << QStringLiteral("%1 (%2) has no name")
                             .arg(w->objectName(), QLatin1String(w->metaObject()->className()));
                continue;
            }
            const QString key =
                QLatin1String(w->metaObject()->className()) + QLatin1Char('|') + name;
            if (taken.contains(key) && taken[key] != w->objectName())
                found << QStringLiteral("%1 and %2 are both \"%3\"")
                             .arg(taken[key], w->objectName(), name);
            taken.insert(key, w->objectName());
        }
        return found;
    });
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " problems:\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
}

// A control reads as its parameter on the page shown, with its value as its pane shows it and
// a two-state button's state; the names follow the page (MIC A or MIC B) and the language.
TEST_F(WindowLayout, ControlsReadAsTheirParameterWithTheirValueAndState)
{
    ASSERT_TRUE(linkOnline());
    window.show();
    const auto read = [this](const char* name, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(control<QWidget>(name))->text(text);
    };
    wing().pages().FormMusTabBtnClick(Tab::MicA);
    EXPECT_EQ(read("MicEQGainBar3"), QStringLiteral("MIC A, EQ band 3, gain"));
    EXPECT_EQ(read("MicEQGainBar3", QAccessible::Value),
              control<QLineEdit>("MicGainEdit3")->text());
    EXPECT_EQ(read("MicQEdit3"), QStringLiteral("MIC A, EQ band 3, Q"));
    auto* list = control<QComboBox>("MicHPTypeBox");
    EXPECT_EQ(read("MicHPTypeBox", QAccessible::Value), list->currentText());
    EXPECT_NE(read("MicHPTypeBox"), list->currentText())
        << "named by its parameter, not its choice";
    wing().pages().FormMusTabBtnClick(Tab::MicB);
    EXPECT_EQ(read("MicEQGainBar3"), QStringLiteral("MIC B, EQ band 3, gain"));

    wing().pages().FormMusTabBtnClick(Tab::Effect);
    auto* phase = control<QAbstractButton>("EchoEffPhaseBtn");
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(phase);
    EXPECT_TRUE(button->state().checkable);
    const bool before = button->state().checked;
    phase->click();
    EXPECT_NE(button->state().checked, before);

    const QString english = read("EchoEffLevelBar");
    window.SetCaptionLanguage(1);
    EXPECT_NE(read("EchoEffLevelBar"), english);
    EXPECT_FALSE(read("EchoEffLevelBar").contains(QStringLiteral("Echo"))) << "all in Chinese";
}

// The controls the Tab key reaches from a start, in order, until it comes round to the start;
// stopping early (a control reached twice) leaves the last one out of the list.
QList<QWidget*> TabChain(QWidget* start, bool* closed)
{
    QList<QWidget*> chain{start};
    start->setFocus(Qt::TabFocusReason);
    *closed = false;
    for (int presses = 0; presses < 1000; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        *closed = now == start;
        if (!now || chain.contains(now))
            break;
        chain << now;
    }
    return chain;
}

QString Named(const QWidget* w)
{
    return w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                     : w->objectName();
}

QGroupBox* GroupOf(QWidget* w)
{
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* group = qobject_cast<QGroupBox*>(p))
            return group;
    return nullptr;
}

QStringList ControlsTabSkips(QWidget& window, const QList<QWidget*>& chain)
{
    QStringList skipped;
    for (QWidget* w : window.findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() &&
            w->isEnabled() && !chain.contains(w))
            skipped << Named(w);
    return skipped;
}

// Within a group, each control Tab reaches next lies below the one before or to its right, as
// a person reads rows and columns, never back up to the left.
QStringList StepsBackInReadingOrder(const QList<QWidget*>& chain, QWidget& window)
{
    QStringList back;
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QGroupBox* group = GroupOf(chain[i]);
        if (!group || group != GroupOf(chain[i - 1]))
            continue;
        const QPoint before = chain[i - 1]->mapTo(&window, QPoint(0, 0));
        const QPoint after = chain[i]->mapTo(&window, QPoint(0, 0));
        if (after.y() <= before.y() + 2 && after.x() <= before.x())
            back << Named(chain[i - 1]) + QStringLiteral(" -> ") + Named(chain[i]);
    }
    return back;
}

qsizetype FirstIn(const QList<QWidget*>& chain, const QWidget* region)
{
    for (qsizetype i = 0; i < chain.size(); ++i)
        if (region->isAncestorOf(chain[i]))
            return i;
    return -1;
}

// Tab walks the whole window round in reading order: title strip, tab row, page, chart panel,
// side panel; nothing reachable by mouse is left out and no corner traps the focus.
TEST_F(WindowLayout, TabWalksThePageInReadingOrderAndCtrlTabSwitchesPages)
{
    ASSERT_TRUE(linkOnline());
    window.show();
    window.resize(TForm1::DesignWidth, TForm1::DesignHeight);
    QApplication::setActiveWindow(&window);
    settle();
    bool closed = false;
    const QList<QWidget*> chain = TabChain(control<QToolButton>("FormMusTabBtn"), &closed);
    QStringList names;
    for (QWidget* w : chain)
        names << Named(w);
    EXPECT_TRUE(closed) << "Tab stops going round after " << names.join(' ').toStdString();
    EXPECT_EQ(ControlsTabSkips(window, chain), QStringList());
    EXPECT_EQ(StepsBackInReadingOrder(chain, window), QStringList());
    const qsizetype page = FirstIn(chain, control<QWidget>("FormPageItem"));
    const qsizetype chartPanel = FirstIn(chain, control<QWidget>("AdvPanel1"));
    const qsizetype sidePanel = FirstIn(chain, control<QWidget>("AdvPageControl1"));
    EXPECT_GT(page, chain.indexOf(control<QWidget>("RzToolButton11")));
    EXPECT_GT(chartPanel, chain.indexOf(control<QWidget>("MusQEdit15")));
    EXPECT_GT(sidePanel, chartPanel);
    EXPECT_LT(chain.indexOf(control<QWidget>("SysEffNormalVolBar")),
              chain.indexOf(control<QWidget>("SysModeBtn1")))
        << "the volumes stand above the modes";

    // Every other page and side tab goes round as well, in reading order.
    auto* side = control<QTabWidget>("AdvPageControl1");
    for (int sideTab = 0; sideTab < side->count(); ++sideTab) {
        side->setCurrentIndex(sideTab);
        for (int tab = 0; tab < 9; ++tab) {
            wing().pages().FormMusTabBtnClick(static_cast<Tab>(tab));
            settle();
            const QList<QWidget*> round = TabChain(control<QToolButton>("FormMusTabBtn"), &closed);
            SCOPED_TRACE(QStringLiteral("tab %1, side tab %2").arg(tab).arg(sideTab).toStdString());
            QStringList walked;
            for (QWidget* w : round)
                walked << Named(w);
            EXPECT_TRUE(closed) << "Tab stops going round after "
                                << walked.mid(walked.size() - 5).join(' ').toStdString() << " then "
                                << Named(QApplication::focusWidget()).toStdString();
            EXPECT_EQ(ControlsTabSkips(window, round), QStringList());
            EXPECT_EQ(StepsBackInReadingOrder(round, window), QStringList());
        }
    }
    side->setCurrentIndex(0);
    wing().pages().FormMusTabBtnClick(Tab::Music);

    // Ctrl+Tab and Ctrl+PgDown go to the next page, Ctrl+PgUp and Ctrl+Shift+Tab back, round
    // the row, from wherever the focus is.
    QWidget* edit = control<QWidget>("MusGainEdit3");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(wing().navigation().CurrentTab, Tab::DynamicEq);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(wing().navigation().CurrentTab, Tab::MicA);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(wing().navigation().CurrentTab, Tab::Music);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(wing().navigation().CurrentTab, Tab::Sub) << "round the row to its last page";
}

// A screen reader reads the link status by its name, which follows the status and the caption
// language. (The alert sent with each change needs a platform with a screen reader bridge;
// the offscreen platform of the tests has none.)
TEST_F(WindowLayout, TheLinkStatusIsNamedForScreenReadersAsItChanges)
{
    LinkControls controls(session, language, &window);
    EXPECT_EQ(controls.LinkLabel->accessibleName(),
              QStringLiteral("Link status: ") + session.statusText().english);
    ASSERT_TRUE(linkOnline());
    EXPECT_EQ(controls.LinkLabel->accessibleName(),
              QStringLiteral("Link status: ") + session.statusText().english);
    window.SetCaptionLanguage(1);
    EXPECT_EQ(controls.LinkLabel->accessibleName(),
              QStringLiteral("连接状态: ") + session.statusText().chinese);
}

// The size, place, side tab and language the person left are there at the next start.
TEST(WindowState, TheWindowComesBackAsThePersonLeftIt)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("window.ini")), QSettings::IniFormat);
    struct Started
    {
        explicit Started(QSettings& settings)
        {
            window.setStateStore(&settings);
            window.show();
        }
        ParameterModel model;
        DeviceTexts texts;
        Language language;
        TForm1 window{model, texts, language};
    };
    {
        Started first(settings);
        TForm1& window = first.window;
        window.resize(1340, 700);
        window.findChild<QTabWidget*>(QStringLiteral("AdvPageControl1"))->setCurrentIndex(2);
        window.LanguageButtonClick();
        ASSERT_EQ(window.captionLanguage(), 1);
        window.close();
    }
    Started started(settings);
    TForm1& window = started.window;
    EXPECT_EQ(window.size(), QSize(1340, 700));
    EXPECT_EQ(window.findChild<QTabWidget*>(QStringLiteral("AdvPageControl1"))->currentIndex(), 2);
    EXPECT_EQ(window.captionLanguage(), 1);
    EXPECT_EQ(window.findChild<QToolButton*>(QStringLiteral("FormMusTabBtn"))->text(),
              QStringLiteral("音乐"));
}

} // namespace
} // namespace aec::test
