#include "system/ui/SystemPageControls.h"

#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "link/DeviceFrame.h"
#include "link/DeviceTexts.h"
#include "link/LinkSession.h"
#include "system/SystemCodes.h"
#include "widgets/Binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace aec {
namespace {

const char* const PasswordChangeEdits[] = {"SysPanelLabel1", "NewSysPassLabel1",
                                           "NewSysPassLabel2"};
const BilingualText NoticeCaption{QStringLiteral("提示"), QStringLiteral("Confirm")};

} // namespace

SystemPageControls::SystemPageControls(QWidget* window, ParameterModel& model, DeviceTexts& texts,
                                       Binding* managerPair)
    : m_window(window), m_model(model), m_texts(texts),
      m_lockPanel(window->findChild<QWidget*>(QStringLiteral("FirstCheckGrop")))
{
    // The choice sticks until the system password opens the group again.
    if (managerPair)
        connect(managerPair, &Binding::edited, this, &SystemPageControls::refresh);
    const auto button = [window](const char* name) {
        return window->findChild<QAbstractButton*>(QLatin1String(name));
    };
    if (auto* b = button("RzBmpButton22"))
        connect(b, &QAbstractButton::clicked, this, &SystemPageControls::CheckPanelCode);
    if (auto* b = button("RzBmpButton23"))
        connect(b, &QAbstractButton::clicked, this, &SystemPageControls::ChangePanelCode);
    if (auto* b = button("RzBmpButton118"))
        connect(b, &QAbstractButton::clicked, this, &SystemPageControls::CheckSystemPassword);
    if (auto* b = button("RzBmpButton4"))
        connect(b, &QAbstractButton::clicked, this, &SystemPageControls::UnlockPanel);
    for (const char* name : PasswordChangeEdits)
        if (QLineEdit* e = edit(name))
            e->installEventFilter(this);
    if (QLineEdit* access = edit("SysLogoEdit"))
        access->installEventFilter(this);
    if (auto* link = window->findChild<QLabel*>(QStringLiteral("LinkLabel")))
        link->installEventFilter(this);
    window->installEventFilter(this); // keeps the lock panel centred
}

QLineEdit* SystemPageControls::edit(const char* name) const
{
    return m_window->findChild<QLineEdit*>(QLatin1String(name));
}

bool SystemPageControls::online() const
{
    return m_session && m_session->isOnline();
}

void SystemPageControls::CheckPanelCode()
{
    QLineEdit* typed = edit("PassPanelLabel1");
    if (!typed ||
        !SystemCodes::CodeMatches(typed->text(), QString::fromLatin1(m_texts.DeviceCodeText),
                                  SystemCodes::PanelCodeLength))
        return;
    if (QLineEdit* next = edit("NewPassLabel1"))
        next->setEnabled(true);
    typed->clear();
}

void SystemPageControls::ChangePanelCode()
{
    QLineEdit* next = edit("NewPassLabel1");
    if (!next || next->text().size() != SystemCodes::PanelCodeLength)
        return;
    m_texts.DeviceCodeText = next->text().toLatin1();
    if (m_session)
        m_session->sender().SendText(CommandAddress::PanelCode, m_texts.DeviceCodeText);
    next->setEnabled(false);
    next->clear();
    if (QLineEdit* typed = edit("PassPanelLabel1"))
        typed->clear();
}

void SystemPageControls::CheckSystemPassword()
{
    QLineEdit* typed = edit("SysPassEdit");
    if (!typed)
        return;
    const bool right =
        SystemCodes::CodeMatches(typed->text(), QString::fromLatin1(m_texts.DevicePasswordText),
                                 SystemCodes::PasswordLength);
    typed->clear();
    if (!right) {
        if (m_messages)
            m_messages->question(SystemCodes::PasswordError, NoticeCaption, MessageButtons::Ok);
        return;
    }
    if (online())
        if (QWidget* group = m_window->findChild<QWidget*>(QStringLiteral("SysUserMangerGrop")))
            group->setEnabled(true);
}

void SystemPageControls::ChangeSystemPassword()
{
    QLineEdit* current = edit("SysPanelLabel1");
    QLineEdit* first = edit("NewSysPassLabel1");
    QLineEdit* second = edit("NewSysPassLabel2");
    if (!current || !first || !second)
        return;
    const SystemCodes::PasswordChange change = SystemCodes::ChangeSystemPassword(
        current->text(), first->text(), second->text(),
        QString::fromLatin1(m_texts.DevicePasswordText), online());
    if (change.enableFirst)
        first->setEnabled(true);
    if (change.enableSecond)
        second->setEnabled(true);
    if (change.outcome == SystemCodes::PasswordChange::Nothing)
        return;
    if (change.outcome == SystemCodes::PasswordChange::Changed) {
        m_texts.DevicePasswordText = change.newPassword.toLatin1();
        if (m_session)
            m_session->sender().SendText(CommandAddress::SystemPassword,
                                         m_texts.DevicePasswordText);
    } else if (change.outcome == SystemCodes::PasswordChange::Mismatch && m_messages) {
        m_messages->question(SystemCodes::PasswordMismatch, NoticeCaption, MessageButtons::Ok);
    }
    first->setEnabled(false);
    second->setEnabled(false);
    current->clear();
    first->clear();
    second->clear();
}

bool SystemPageControls::lockPanelVisible() const
{
    return m_lockPanel && !m_lockPanel->isHidden();
}

void SystemPageControls::setLocked(bool locked)
{
    for (const char* name : {"FormPageItem", "AdvPanel1", "AdvPageControl1"})
        if (QWidget* w = m_window->findChild<QWidget*>(QLatin1String(name)))
            w->setEnabled(!locked);
    if (!m_lockPanel)
        return;
    m_lockPanel->setVisible(locked);
    emit lockChanged(locked);
    if (locked) {
        placeLockPanel();
        m_lockPanel->raise();
        if (QLineEdit* code = edit("PanelPassWordEdit"))
            code->setFocus();
    }
}

void SystemPageControls::placeLockPanel()
{
    if (!m_lockPanel)
        return;
    m_lockPanel->adjustSize();
    m_lockPanel->move((m_window->width() - m_lockPanel->width()) / 2,
                      (m_window->height() - m_lockPanel->height()) / 3);
}

// Shown once per link, at the first refresh after going online at which the processor
// reports its panel lock on; the window opens the music page under it.
void SystemPageControls::ApplyPanelLock()
{
    if (!m_session)
        return;
    int& state = m_session->state().PanelLockState;
    if (state != 1 || m_model.view.at(CommandAddress::PanelSwitch) != 1)
        return;
    state = 2;
    emit musicPageRequested();
    setLocked(true);
}

void SystemPageControls::UnlockPanel()
{
    QLineEdit* code = edit("PanelPassWordEdit");
    if (!code)
        return;
    if (SystemCodes::CodeMatches(code->text(), QString::fromLatin1(m_texts.DeviceCodeText),
                                 SystemCodes::PanelCodeLength)) {
        setLocked(false);
        if (m_messages)
            m_messages->notice(SystemCodes::Unlocked);
    }
    code->clear();
}

void SystemPageControls::ShowAccessField()
{
    if (QWidget* label = m_window->findChild<QWidget*>(QStringLiteral("SysLogoLabel")))
        label->show();
    if (QLineEdit* access = edit("SysLogoEdit")) {
        access->clear();
        access->show();
        access->setFocus();
    }
}

void SystemPageControls::CheckAccessCode()
{
    QLineEdit* access = edit("SysLogoEdit");
    QWidget* hiddenTab = m_window->findChild<QWidget*>(QStringLiteral("FormHintTabBtn"));
    if (!access || !hiddenTab)
        return;
    if (access->text() == SystemCodes::AccessCode) {
        hiddenTab->show();
        access->hide();
        if (QWidget* label = m_window->findChild<QWidget*>(QStringLiteral("SysLogoLabel")))
            label->hide();
    } else {
        hiddenTab->hide();
    }
}

void SystemPageControls::refresh()
{
    if (QWidget* group = m_window->findChild<QWidget*>(QStringLiteral("SysUserMangerGrop")))
        group->setEnabled(false);
}

bool SystemPageControls::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Resize && lockPanelVisible())
            placeLockPanel();
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        watched->objectName() == QLatin1String("LinkLabel")) {
        ShowAccessField();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched->objectName() == QLatin1String("SysLogoEdit")) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            CheckAccessCode();
        return false;
    }
    // The password change looks at the texts as they stand before this key.
    if (key->text().isEmpty() || SystemCodes::DigitKeyAccepted(key->text().at(0)))
        ChangeSystemPassword();
    return false;
}

} // namespace aec
