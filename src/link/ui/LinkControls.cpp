#include "link/ui/LinkControls.h"

#include "core/Language.h"
#include "link/LinkSession.h"

#include <QAccessible>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace aec {
namespace {

const BilingualText StatusName{QStringLiteral("连接状态"), QStringLiteral("Link status")};
const BilingualText PortName{QStringLiteral("串口"), QStringLiteral("Serial port")};

QString ColourStyle(StatusColour colour)
{
    switch (colour) {
    case StatusColour::Online:
        return QStringLiteral("color: rgb(0, 51, 153);");
    case StatusColour::Failed:
        return QStringLiteral("color: red;");
    case StatusColour::Neutral:
        break;
    }
    return QStringLiteral("color: black;");
}

} // namespace

LinkControls::LinkControls(LinkSession& session, const Language& language, QWidget* parent)
    : QWidget(parent), LinkLabel(new QLabel(this)), LinkBtn(new QPushButton(this)),
      ComComboBox1(new QComboBox(this)), m_session(session), m_language(language)
{
    LinkLabel->setObjectName(QStringLiteral("LinkLabel"));
    LinkBtn->setObjectName(QStringLiteral("LinkBtn"));
    ComComboBox1->setObjectName(QStringLiteral("ComComboBox1"));
    ComComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComComboBox1->setToolTip(QStringLiteral("Serial ports, tried in this order"));
    QFont bold = LinkLabel->font();
    bold.setBold(true);
    LinkLabel->setFont(bold);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ComComboBox1);
    layout->addWidget(LinkLabel);
    layout->addWidget(LinkBtn);

    connect(LinkBtn, &QPushButton::clicked, this, &LinkControls::linkButtonClicked);
    connect(&session, &LinkSession::statusChanged, this, &LinkControls::followStatus);
    connect(&session, &LinkSession::linkButtonLookChanged, this, &LinkControls::followLinkButton);
    connect(&session, &LinkSession::portSelected, this,
            [this](int index, const QString&) { ComComboBox1->setCurrentIndex(index); });
    connect(&language, &Language::changed, this, [this] {
        followStatus();
        followLinkButton();
    });
    followStatus();
    followLinkButton();
}

void LinkControls::showPorts()
{
    ComComboBox1->clear();
    ComComboBox1->addItems(m_session.portNames());
    ComComboBox1->setCurrentIndex(m_session.selectedPort());
}

// The status text in the caption language, the other language as its hint.
// A changed status is announced to screen readers, which do not watch a label by themselves.
void LinkControls::followStatus()
{
    const QString text = m_language.pick(m_session.statusText());
    const bool changed = LinkLabel->text() != text;
    LinkLabel->setText(text);
    LinkLabel->setToolTip(m_language.other(m_session.statusText()));
    LinkLabel->setStyleSheet(ColourStyle(m_session.statusColour()));
    LinkLabel->setAccessibleName(m_language.pick(StatusName) + QStringLiteral(": ") + text);
    ComComboBox1->setAccessibleName(m_language.pick(PortName));
    if (changed) {
        QAccessibleEvent alert(LinkLabel, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void LinkControls::followLinkButton()
{
    const BilingualText& caption =
        m_session.hasLinkedLook() ? LinkText::UnlinkCaption : LinkText::LinkCaption;
    LinkBtn->setText(m_language.pick(caption));
}

} // namespace aec
