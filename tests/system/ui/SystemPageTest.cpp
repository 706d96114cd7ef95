// The system page, the lock panel, the access field and the caption language, on the window
// against a simulated processor over an in-memory line.
#include "editing/ui/MainWindowFixture.h"
#include "system/CaptionTable.h"
#include "system/ui/SystemPageControls.h"
#include "widgets/Captions.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

namespace aec::test {
namespace {

class SystemPage : public OnlineWindowFixture
{
protected:
    void SetUp() override
    {
        OnlineWindowFixture::SetUp();
        window.setMessages(&messages);
    }

    // Types digits one key at a time, then presses Enter, as into a real edit.
    void typeDigits(const char* editName, const QString& digits, bool enter = true)
    {
        QLineEdit* e = control<QLineEdit>(editName);
        e->setFocus();
        for (const QChar c : digits)
            PressKey(e, Qt::Key_0 + (c.unicode() - '0'), QString(c));
        if (enter)
            PressKey(e, Qt::Key_Return, QStringLiteral("\r"));
    }
    void settle()
    {
        for (int i = 0; i < 5; ++i)
            pump(1);
    }
};

TEST_F(SystemPage, RightSystemPasswordOpensTheManagerChoiceWhichSendsAndClosesAgain)
{
    ASSERT_TRUE(linkOnline());
    QWidget* group = control<QWidget>("SysUserMangerGrop");
    EXPECT_FALSE(group->isEnabled()) << "every refresh closes it";
    typeDigits("SysPassEdit", QStringLiteral("12345"), false);
    control<QAbstractButton>("RzBmpButton118")->click();
    ASSERT_FALSE(messages.informed.isEmpty());
    EXPECT_EQ(messages.informed.last().english, QStringLiteral("Password Error!"));
    EXPECT_FALSE(group->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("SysPassEdit")->text().isEmpty());

    typeDigits("SysPassEdit", QStringLiteral("123456"), false);
    control<QAbstractButton>("RzBmpButton118")->click();
    EXPECT_TRUE(group->isEnabled());
    const std::size_t before = line.writes.size();
    button("SysManagerBtn")->click();
    EXPECT_FALSE(group->isEnabled());
    EXPECT_EQ(model.view.at(30, 8), 1);
    EXPECT_EQ(framesSince(before), std::vector<std::string>{"F5 B1 06 B7 1E 08 01 00 D3"});
}

TEST_F(SystemPage, NewSystemPasswordTakesEffectWithTheKeyAfterItsSixthDigit)
{
    ASSERT_TRUE(linkOnline());
    typeDigits("SysPanelLabel1", QStringLiteral("123456"));
    EXPECT_TRUE(control<QLineEdit>("NewSysPassLabel1")->isEnabled());
    typeDigits("NewSysPassLabel1", QStringLiteral("246801"));
    EXPECT_TRUE(control<QLineEdit>("NewSysPassLabel2")->isEnabled());
    typeDigits("NewSysPassLabel2", QStringLiteral("246801"), false);
    EXPECT_EQ(texts.DevicePasswordText, QByteArray("123456")) << "not yet: the sixth digit waits";
    PressKey(control<QLineEdit>("NewSysPassLabel2"), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(texts.DevicePasswordText, QByteArray("246801"));
    settle();
    EXPECT_EQ(processor.memory().systemPassword, QByteArray("246801"));
    EXPECT_TRUE(control<QLineEdit>("SysPanelLabel1")->text().isEmpty());
    EXPECT_FALSE(control<QLineEdit>("NewSysPassLabel1")->isEnabled());
}

TEST_F(SystemPage, TheSamePasswordTwiceOnlyClearsAndDifferentOnesAreRefused)
{
    ASSERT_TRUE(linkOnline());
    typeDigits("SysPanelLabel1", QStringLiteral("123456"));
    typeDigits("NewSysPassLabel1", QStringLiteral("123456"));
    typeDigits("NewSysPassLabel2", QStringLiteral("123456"));
    EXPECT_TRUE(control<QLineEdit>("NewSysPassLabel2")->text().isEmpty());
    EXPECT_TRUE(messages.informed.isEmpty());

    typeDigits("SysPanelLabel1", QStringLiteral("123456"));
    typeDigits("NewSysPassLabel1", QStringLiteral("111111"));
    typeDigits("NewSysPassLabel2", QStringLiteral("222222"));
    ASSERT_FALSE(messages.informed.isEmpty());
    EXPECT_EQ(messages.informed.last().chinese, QStringLiteral("密码不一致!"));
    EXPECT_EQ(texts.DevicePasswordText, QByteArray("123456"));
}

TEST_F(SystemPage, PanelCodeChangeNeedsTheCurrentCodeFirst)
{
    ASSERT_TRUE(linkOnline());
    typeDigits("PassPanelLabel1", QStringLiteral("1233"), false);
    control<QAbstractButton>("RzBmpButton22")->click();
    EXPECT_FALSE(control<QLineEdit>("NewPassLabel1")->isEnabled());
    control<QLineEdit>("PassPanelLabel1")->clear();
    typeDigits("PassPanelLabel1", QStringLiteral("1234"), false);
    control<QAbstractButton>("RzBmpButton22")->click();
    ASSERT_TRUE(control<QLineEdit>("NewPassLabel1")->isEnabled());
    typeDigits("NewPassLabel1", QStringLiteral("9876"), false);
    control<QAbstractButton>("RzBmpButton23")->click();
    settle();
    EXPECT_EQ(processor.memory().panelCode, QByteArray("9876"));
    EXPECT_FALSE(control<QLineEdit>("NewPassLabel1")->isEnabled());
}

TEST_F(SystemPage, CodeEditsTakeDigitsOnly)
{
    QLineEdit* code = control<QLineEdit>("PassPanelLabel1");
    code->setFocus();
    TypeText(code, QStringLiteral("1a2-3.4x5"));
    EXPECT_EQ(code->text(), QStringLiteral("1234")) << "four digits at most";
}

TEST_F(SystemPage, LockPanelAppearsOncePerLinkOverTheMusicPage)
{
    processor.memory().setValue(30, 4, 1);
    chooseTab("FormMAINTabBtn");
    ASSERT_TRUE(linkOnline());
    QWidget* lock = control<QWidget>("FirstCheckGrop");
    ASSERT_TRUE(lock->isVisibleTo(&window));
    EXPECT_EQ(navigation().CurrentTab, Tab::Music) << "the music page lies under the lock panel";
    EXPECT_EQ(control<QStackedWidget>("FormPageItem")->currentIndex(), 0);
    EXPECT_FALSE(control<QWidget>("FormPageItem")->isEnabled());
    EXPECT_FALSE(control<QWidget>("AdvPageControl1")->isEnabled());
    EXPECT_TRUE(lock->isEnabled());

    chooseTab("FormMAINTabBtn");
    EXPECT_EQ(navigation().CurrentTab, Tab::Music) << "tabs are refused while locked";

    typeDigits("PanelPassWordEdit", QStringLiteral("123456"), false);
    control<QAbstractButton>("RzBmpButton4")->click();
    EXPECT_TRUE(lock->isVisibleTo(&window))
        << "up to six digits typed, but only the four-digit code unlocks";
    typeDigits("PanelPassWordEdit", QStringLiteral("1234"), false);
    control<QAbstractButton>("RzBmpButton4")->click();
    EXPECT_FALSE(lock->isVisibleTo(&window));
    EXPECT_TRUE(control<QWidget>("FormPageItem")->isEnabled());
    ASSERT_FALSE(messages.informed.isEmpty());
    EXPECT_EQ(messages.informed.last().chinese, QStringLiteral("解锁成功"));

    chooseTab("FormMAINTabBtn");
    EXPECT_FALSE(lock->isVisibleTo(&window)) << "once per link";
    session.LinkBtnClick(); // unlink
    ASSERT_TRUE(linkOnline());
    EXPECT_TRUE(lock->isVisibleTo(&window)) << "a new link to a locked processor locks again";
}

TEST_F(SystemPage, AccessCodeRevealsTheHiddenPageAndAWrongOneHidesItAgain)
{
    QWidget* hiddenTab = control<QWidget>("FormHintTabBtn");
    EXPECT_FALSE(hiddenTab->isVisibleTo(&window));
    window.systemPage().ShowAccessField();
    QLineEdit* field = control<QLineEdit>("SysLogoEdit");
    EXPECT_TRUE(field->isVisibleTo(&window));
    field->setText(QStringLiteral("KEEPERS4721"));
    PressKey(field, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(hiddenTab->isVisibleTo(&window));
    EXPECT_FALSE(field->isVisibleTo(&window));

    window.systemPage().ShowAccessField();
    field->setText(QStringLiteral("keepers4721"));
    PressKey(field, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_FALSE(hiddenTab->isVisibleTo(&window));
    EXPECT_TRUE(field->isVisibleTo(&window));
}

TEST_F(SystemPage, OnOffPairsSendTheirValueAndInputListsTheirItem)
{
    ASSERT_TRUE(linkOnline());
    std::size_t before = line.writes.size();
    const int crossover = model.store.at(6, 17);
    button("SysRemoteBtn2")->click();
    EXPECT_EQ(framesSince(before), std::vector<std::string>{"F5 B1 06 B7 09 11 01 00 C7"});
    EXPECT_EQ(model.store.at(9, 17), 1);
    EXPECT_EQ(model.store.at(6, 17), crossover) << "the main output's filter is not touched";
    EXPECT_EQ(button("SysRemoteBtn2")->look(), QStringLiteral("pressed"));
    before = line.writes.size();
    auto* input = control<QComboBox>("SysInputBox");
    input->setCurrentIndex(2);
    emit input->activated(2);
    EXPECT_EQ(framesSince(before), std::vector<std::string>{"F5 B1 06 B7 1E 14 02 00 E0"});

    // The user/manager pair is disabled after every refresh; the chosen one still looks chosen.
    window.show();
    auto* sidePanel = control<QTabWidget>("AdvPageControl1");
    for (int i = 0; i < sidePanel->count(); ++i)
        if (sidePanel->widget(i)->isAncestorOf(button("SysUserBtn")))
            sidePanel->setCurrentIndex(i);
    ASSERT_FALSE(control<QWidget>("SysUserMangerGrop")->isEnabled());
    const auto face = [this](const char* name) {
        QWidget* b = button(name);
        return b->grab().toImage().pixelColor(4, b->height() / 2);
    };
    const QColor chosen = face(model.store.at(30, 8) == 1 ? "SysManagerBtn" : "SysUserBtn");
    const QColor other = face(model.store.at(30, 8) == 1 ? "SysUserBtn" : "SysManagerBtn");
    EXPECT_GT(std::abs(chosen.red() - other.red()) + std::abs(chosen.green() - other.green()) +
                  std::abs(chosen.blue() - other.blue()),
              60)
        << "chosen " << chosen.name().toStdString() << ", other " << other.name().toStdString();
}

// The caption language.

TEST_F(SystemPage, CaptionsStartInEnglishAndTwoSwitchesRestoreEveryOne)
{
    window.SetCaptionLanguage(0);
    EXPECT_EQ(text("FormMusTabBtn"), QStringLiteral("Music"));
    EXPECT_EQ(text("FormDYNBtn"), QStringLiteral("Dynamic EQ"));
    EXPECT_EQ(text("FormSUBTabBtn"), QStringLiteral("SUB"));
    EXPECT_EQ(text("RzToolButton11"), QStringLiteral("中文"));

    const auto allTexts = [this] {
        QStringList shown;
        for (QWidget* w : window.findChildren<QWidget*>())
            shown << w->objectName() + QLatin1Char('=') + w->property("text").toString() +
                         w->property("title").toString() + w->toolTip();
        return shown;
    };
    const QStringList english = allTexts();
    window.SetCaptionLanguage(0);
    EXPECT_EQ(allTexts(), english) << "the same language again changes nothing";
    window.SetCaptionLanguage(1);
    EXPECT_EQ(text("FormMusTabBtn"), QStringLiteral("音乐"));
    EXPECT_EQ(text("RzToolButton11"), QStringLiteral("English"));
    EXPECT_NE(allTexts(), english);
    window.SetCaptionLanguage(0);
    EXPECT_EQ(allTexts(), english);
}

TEST_F(SystemPage, EveryControlTheCaptionTableNamesExistsAndShowsItsPair)
{
    window.SetCaptionLanguage(1);
    for (const CaptionRow& row : CaptionTable()) {
        for (const QString& name : row.controls) {
            QWidget* control = window.findChild<QWidget*>(name);
            ASSERT_NE(control, nullptr) << name.toStdString();
            const QString shown =
                control->property("text").toString() + control->property("title").toString();
            // Tab sheets show theirs on the tab bar; shared controls may carry a page's text.
            if (!name.startsWith(QLatin1String("AdvTabSheet")) &&
                control->toolTip() == row.text.english) {
                EXPECT_EQ(shown, row.text.chinese) << name.toStdString();
            }
        }
    }
    window.SetCaptionLanguage(0);
}

TEST_F(SystemPage, LanguageButtonSwitchesAndMessagesFollow)
{
    ASSERT_TRUE(linkOnline());
    window.SetCaptionLanguage(0);
    control<QAbstractButton>("RzToolButton11")->click();
    EXPECT_EQ(language.CaptionLanguage(), 1);
    EXPECT_EQ(text("SysLoadModeBtn"), QStringLiteral("调用设备模式"));
    EXPECT_EQ(control<QGroupBox>("AdvGroupBox1")->title(), QStringLiteral("麦克风A压限"));
    control<QAbstractButton>("RzToolButton11")->click();
    EXPECT_EQ(language.CaptionLanguage(), 0);
    EXPECT_EQ(text("SysLoadModeBtn"), QStringLiteral("Load Mode"));
}

} // namespace
} // namespace aec::test
