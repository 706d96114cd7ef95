#include "system/ui/LinkGroup.h"

#include "widgets/Captions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace aec {

QWidget* BuildLinkGroup(QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("LinkGroup"));
    SetCaptions(group, {QStringLiteral("连接"), QStringLiteral("Link")});
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);

    auto* reconnect = new QCheckBox(group);
    reconnect->setObjectName(QStringLiteral("AutoReconnectBox"));
    SetCaptions(reconnect, {QStringLiteral("自动重新连接"), QStringLiteral("Reconnect by itself")});
    grid->addWidget(reconnect, 0, 0, 1, 2);

    auto* networkLabel = new QLabel(group);
    networkLabel->setObjectName(QStringLiteral("NetworkPortLabel"));
    SetCaptions(networkLabel, {QStringLiteral("网络设备:"), QStringLiteral("Network:")});
    grid->addWidget(networkLabel, 1, 0);
    auto* network = new QLineEdit(group);
    network->setObjectName(QStringLiteral("NetworkPortEdit"));
    network->setPlaceholderText(QStringLiteral("tcp://192.168.1.50:4001"));
    network->setClearButtonEnabled(true);
    grid->addWidget(network, 1, 1);
    networkLabel->setBuddy(network); // names the edit for screen readers

    auto* console = new QPushButton(group);
    console->setObjectName(QStringLiteral("ConsoleBtn"));
    SetCaptions(console,
                {QStringLiteral("协议监视器 (F12)"), QStringLiteral("Protocol console (F12)")});
    grid->addWidget(console, 2, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return group;
}

} // namespace aec
