#include "link/ui/TForm2.h"

#include "core/Language.h"
#include "link/LinkSession.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace aec {

TForm2::TForm2(LinkSession& session, const Language& language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_session(session), m_language(language), LinkLabel(new QLabel(this)),
      ComLabel(new QLabel(this)), RzProgressStatus1(new QProgressBar(this)),
      WarnLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("TForm2"));
    LinkLabel->setObjectName(QStringLiteral("LinkLabel"));
    ComLabel->setObjectName(QStringLiteral("ComLabel"));
    RzProgressStatus1->setObjectName(QStringLiteral("RzProgressStatus1"));
    WarnLabel->setObjectName(QStringLiteral("WarnLabel"));
    RzProgressStatus1->setRange(0, 100);
    QFont big = LinkLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    LinkLabel->setFont(big);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    layout->addWidget(LinkLabel);
    layout->addWidget(ComLabel);
    layout->addWidget(RzProgressStatus1);
    layout->addWidget(WarnLabel);
    setMinimumWidth(380);

    connect(&session, &LinkSession::statusChanged, this, &TForm2::follow);
    connect(&language, &Language::changed, this, &TForm2::follow);
    connect(&session, &LinkSession::dialogChanged, this, &TForm2::follow);
    connect(&session, &LinkSession::portSelected, this,
            [this](int, const QString& name) { ComLabel->setText(name); });
    follow();
}

void TForm2::follow()
{
    static const BilingualText warning{QStringLiteral("请稍等,可能需要几秒钟才能完成操作！"),
                                       QStringLiteral("Please Wait for a moment!")};
    static const BilingualText caption{QStringLiteral("设备状态"), QStringLiteral("Device Staus")};
    WarnLabel->setText(m_language.pick(warning));
    setWindowTitle(m_language.pick(caption));
    LinkLabel->setText(m_language.pick(m_session.statusText()));
    RzProgressStatus1->setValue(m_session.progressPercent());
    if (m_session.isDialogVisible() != isVisible())
        setVisible(m_session.isDialogVisible());
}

void TForm2::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

} // namespace aec
