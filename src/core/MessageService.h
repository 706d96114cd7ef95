#pragma once

#include "core/BilingualText.h"

namespace aec {

// Message boxes and questions. The windows show them to a person; tests answer them.
class MessageService
{
public:
    virtual ~MessageService() = default;
    // A notice with an OK button, captioned "提示" in Chinese and "Confirm" in English.
    virtual void inform(const BilingualText& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const BilingualText& question) = 0;
};

} // namespace aec
