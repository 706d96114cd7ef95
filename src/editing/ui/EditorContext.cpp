#include "editing/ui/EditorContext.h"

#include "link/LinkSession.h"

#include <QWidget>

namespace aec {

int& EditorContext::SendSuppressed()
{
    return session ? session->state().SendSuppressed : m_localSuppressed;
}

QWidget* EditorContext::find(const char* name) const
{
    if (QWidget* w = map.find(QLatin1String(name)))
        return w;
    return window->findChild<QWidget*>(QLatin1String(name));
}

} // namespace aec
