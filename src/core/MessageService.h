#pragma once

#include "core/BilingualText.h"

namespace aec {

enum class MessageButtons { Ok, YesNo, OkCancel };

// Message boxes and questions. The windows show them to a person; tests answer them.
class MessageService
{
public:
    virtual ~MessageService() = default;
    // A notice with an OK button, captioned "提示" in Chinese and "Confirm" in English.
    virtual void inform(const BilingualText& text) = 0;
    // A Yes/No question captioned "Confirm"; true for Yes.
    virtual bool ask(const BilingualText& question) = 0;

    // A box with its own caption and buttons; true for OK or Yes.
    virtual bool question(const BilingualText& text, const BilingualText& /*caption*/,
                          MessageButtons buttons)
    {
        if (buttons == MessageButtons::Ok) {
            inform(text);
            return true;
        }
        return ask(text);
    }
    // A plain notice captioned with the application's title.
    virtual void notice(const BilingualText& text) { inform(text); }
};

} // namespace aec
