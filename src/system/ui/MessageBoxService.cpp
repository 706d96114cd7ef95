#include "system/ui/MessageBoxService.h"

#include "system/Language.h"

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

} // namespace aec
