// The link's settings on the system page: the automatic reconnect switch and the address of a
// processor on the network, kept between runs; and the title that tells controllers apart.
#include "app/Controller.h"
#include "app/LinkPreferences.h"
#include "app/LinkTools.h"
#include "app/TForm1.h"
#include "link/ui/ProtocolConsole.h"
#include "link/ui/TForm3.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace aec {
namespace {

class LinkSettings : public ::testing::Test
{
protected:
    LinkSettings()
    {
        LinkPreferences fresh;
        fresh.setAutoReconnect(true);
        fresh.setNetworkPort({});
    }

    std::unique_ptr<Controller> make(bool reconnect = true)
    {
        ControllerOptions options;
        options.ports = {QStringLiteral("/dev/pts/77")};
        options.reconnect = reconnect;
        return std::make_unique<Controller>(options, &messages);
    }

    static QCheckBox* reconnectBox(Controller& c)
    {
        return c.mainWindow().findChild<QCheckBox*>(QStringLiteral("AutoReconnectBox"));
    }
    static QLineEdit* networkEdit(Controller& c)
    {
        return c.mainWindow().findChild<QLineEdit*>(QStringLiteral("NetworkPortEdit"));
    }
    static void enter(QLineEdit* edit, const QString& text)
    {
        edit->setText(text);
        emit edit->editingFinished();
    }

    test::RecordingMessages messages;
};

TEST_F(LinkSettings, ReconnectIsOnUnlessSwitchedOffAndTheSwitchIsKeptForTheNextRun)
{
    auto controller = make();
    ASSERT_NE(reconnectBox(*controller), nullptr);
    EXPECT_TRUE(reconnectBox(*controller)->isChecked());
    EXPECT_TRUE(controller->link().session().autoReconnect());

    reconnectBox(*controller)->click();
    EXPECT_FALSE(controller->link().session().autoReconnect());
    controller.reset();
    controller = make();
    EXPECT_FALSE(reconnectBox(*controller)->isChecked());
    EXPECT_FALSE(controller->link().session().autoReconnect());

    reconnectBox(*controller)->click();
    controller.reset();
    // --no-reconnect: off for this run, the setting untouched.
    controller = make(false);
    EXPECT_FALSE(controller->link().session().autoReconnect());
    EXPECT_FALSE(reconnectBox(*controller)->isChecked());
    EXPECT_TRUE(LinkPreferences().autoReconnect());
}

TEST_F(LinkSettings, NetworkAddressJoinsThePortListAndABadOneIsMarkedKeptAndNeverTried)
{
    auto controller = make();
    QLineEdit* edit = networkEdit(*controller);
    ASSERT_NE(edit, nullptr);
    enter(edit, QStringLiteral(" tcp://127.0.0.1:4001 "));
    controller->link().listPorts({QStringLiteral("/dev/pts/77")});
    EXPECT_EQ(controller->link().session().portNames().mid(0, 2),
              (QStringList{QStringLiteral("/dev/pts/77"), QStringLiteral("tcp://127.0.0.1:4001")}));
    EXPECT_TRUE(edit->styleSheet().isEmpty());

    enter(edit, QStringLiteral("tcp://127.0.0.1:70000"));
    EXPECT_EQ(edit->text(), QStringLiteral("tcp://127.0.0.1:70000")) << "nothing typed is lost";
    EXPECT_TRUE(edit->styleSheet().contains(QStringLiteral("red")));
    EXPECT_EQ(edit->toolTip(), QStringLiteral("Not a network address: write tcp://HOST:PORT, for "
                                              "example tcp://192.168.1.50:4001"));
    EXPECT_TRUE(controller->link().portList().contains(QStringLiteral("tcp://127.0.0.1:4001")));
    EXPECT_FALSE(controller->link().portList().contains(QStringLiteral("tcp://127.0.0.1:70000")));
    EXPECT_EQ(LinkPreferences().networkPort(), QStringLiteral("tcp://127.0.0.1:4001"));

    controller.reset();
    controller = make();
    EXPECT_EQ(networkEdit(*controller)->text(), QStringLiteral("tcp://127.0.0.1:4001"));
    EXPECT_TRUE(controller->link().portList().contains(QStringLiteral("tcp://127.0.0.1:4001")));
    enter(networkEdit(*controller), QString());
    EXPECT_FALSE(controller->link().portList().contains(QStringLiteral("tcp://127.0.0.1:4001")));
    EXPECT_TRUE(LinkPreferences().networkPort().isEmpty());
}

TEST_F(LinkSettings, ConsoleOpensFromItsButtonAndF12AndIsMadeOnlyThen)
{
    auto controller = make();
    LinkTools& tools = controller->linkTools();
    EXPECT_EQ(tools.console(), nullptr) << "nothing made before it is wanted";
    auto* button = controller->mainWindow().findChild<QPushButton*>(QStringLiteral("ConsoleBtn"));
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_NE(tools.console(), nullptr);
    EXPECT_TRUE(tools.console()->isVisible());
    EXPECT_TRUE(tools.console()->recorder().isAttached());
    tools.console()->close();
    EXPECT_FALSE(tools.console()->recorder().isAttached());

    QShortcut* f12 = nullptr;
    for (QShortcut* shortcut : controller->mainWindow().findChildren<QShortcut*>())
        if (shortcut->key() == QKeySequence(Qt::Key_F12))
            f12 = shortcut;
    ASSERT_NE(f12, nullptr);
    emit f12->activated();
    EXPECT_TRUE(tools.console()->isVisible());
}

TEST_F(LinkSettings, TitleNamesThePortAndTheProcessorsIdentity)
{
    EXPECT_EQ(LinkTools::TitleFor({}, {}), QStringLiteral("Audio Effect Contrller"));
    EXPECT_EQ(LinkTools::TitleFor(QStringLiteral("tcp://10.0.0.7:4001"), {}),
              QStringLiteral("Audio Effect Contrller - tcp://10.0.0.7:4001"));
    EXPECT_EQ(LinkTools::TitleFor(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("51A3160B")),
              QStringLiteral("Audio Effect Contrller - /dev/ttyUSB0 - 51A3160B"));
}

} // namespace
} // namespace aec
