// Nothing is clipped: on every page and side-panel tab, in both languages, every label, button
// and value pane has the room its text needs.
#include "editing/ui/MainWindowFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QToolButton>

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
        return Room{label->width() - margins - 2 * label->margin(), TextWidth(label, label->text())};
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
        option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(
                                                  QStyle::PM_DefaultFrameWidth, &option, edit)
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
    window.show();
    window.resize(TForm1::DesignWidth, TForm1::DesignHeight);
    auto* side = control<QTabWidget>("AdvPageControl1");
    const char* tabs[] = {"FormMusTabBtn", "FormDYNBtn",    "FormMICATabBtn", "FormMICBTabBtn",
                          "FormEFFTabBtn", "FormMAINTabBtn", "FormSURTabBtn",  "FormCENTabBtn",
                          "FormSUBTabBtn", "FormHintTabBtn"};
    QStringList problems;
    for (const int captions : {0, 1}) {
        window.SetCaptionLanguage(captions);
        for (int sideTab = 0; sideTab < side->count(); ++sideTab) {
            side->setCurrentIndex(sideTab);
            for (const char* tab : tabs) {
                wing().pages().FormMusTabBtnClick(
                    static_cast<Tab>(std::find(std::begin(tabs), std::end(tabs), tab) -
                                     std::begin(tabs)));
                if (qstrcmp(tab, "FormEFFTabBtn") == 0) {
                    settle();
                    for (const QString& p : clipped())
                        problems << QStringLiteral("echo sheet: ") + p;
                    wing().pages().EchoAToolButtonClick(2); // and the reverb sheet
                }
                settle();
                for (const QString& p : clipped())
                    problems << QStringLiteral("%1, %2, side tab %3: %4")
                                    .arg(captions ? QStringLiteral("Chinese")
                                                  : QStringLiteral("English"),
                                         QLatin1String(tab))
                                    .arg(sideTab)
                                    .arg(p);
            }
        }
    }
    problems.removeDuplicates();
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " clipped:\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
}

// The size, place, side tab and language the person left are there at the next start.
TEST(WindowState, TheWindowComesBackAsThePersonLeftIt)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("window.ini")), QSettings::IniFormat);
    {
        ParameterModel model;
        DeviceTexts texts;
        Language language;
        TForm1 window(model, texts, language);
        window.setStateStore(&settings);
        window.show();
        window.resize(1340, 700);
        window.findChild<QTabWidget*>(QStringLiteral("AdvPageControl1"))->setCurrentIndex(2);
        window.LanguageButtonClick();
        ASSERT_EQ(window.captionLanguage(), 1);
        window.close();
    }
    ParameterModel model;
    DeviceTexts texts;
    Language language;
    TForm1 window(model, texts, language);
    window.setStateStore(&settings);
    window.show();
    EXPECT_EQ(window.size(), QSize(1340, 700));
    EXPECT_EQ(window.findChild<QTabWidget*>(QStringLiteral("AdvPageControl1"))->currentIndex(), 2);
    EXPECT_EQ(window.captionLanguage(), 1);
    EXPECT_EQ(window.findChild<QToolButton*>(QStringLiteral("FormMusTabBtn"))->text(),
              QStringLiteral("音乐"));
}

} // namespace
} // namespace aec::test
