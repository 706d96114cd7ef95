#include "system/ui/MessageBoxService.h"

#include "core/Language.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace aec {
namespace {
const BilingualText NoticeCaption{QStringLiteral("提示"), QStringLiteral("Confirm")};
}

MessageBoxService::MessageBoxService(QWidget* owner, const Language& language)
    : m_owner(owner), m_language(language)
{
}

void MessageBoxService::inform(const BilingualText& text)
{
    QMessageBox::information(m_owner, m_language.pick(NoticeCaption), m_language.pick(text));
}

bool MessageBoxService::ask(const BilingualText& question)
{
    return QMessageBox::question(m_owner, QStringLiteral("Confirm"), m_language.pick(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxService::question(const BilingualText& text, const BilingualText& caption,
                                 MessageButtons buttons)
{
    QMessageBox::StandardButtons choice = QMessageBox::Ok;
    QMessageBox::StandardButton yes = QMessageBox::Ok;
    if (buttons == MessageButtons::YesNo) {
        choice = QMessageBox::Yes | QMessageBox::No;
        yes = QMessageBox::Yes;
    } else if (buttons == MessageButtons::OkCancel) {
        choice = QMessageBox::Ok | QMessageBox::Cancel;
    }
    QMessageBox box(QMessageBox::Question, m_language.pick(caption), m_language.pick(text), choice,
                    m_owner);
    if (buttons == MessageButtons::Ok)
        box.setIcon(QMessageBox::Information);
    return box.exec() == yes;
}

void MessageBoxService::notice(const BilingualText& text)
{
    QMessageBox::information(m_owner, QCoreApplication::applicationName(), m_language.pick(text));
}

} // namespace aec
