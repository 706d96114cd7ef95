#pragma once

#include "core/MessageService.h"

class QWidget;

namespace aec {

class Language;

// Message boxes owned by the main window, captioned "提示" in Chinese and "Confirm" in English.
class MessageBoxService : public MessageService
{
public:
    MessageBoxService(QWidget* owner, const Language& language);

    void inform(const BilingualText& text) override;
    bool ask(const BilingualText& question) override;
    bool question(const BilingualText& text, const BilingualText& caption,
                  MessageButtons buttons) override;
    void notice(const BilingualText& text) override;

private:
    QWidget* m_owner;
    const Language& m_language;
};

} // namespace aec
