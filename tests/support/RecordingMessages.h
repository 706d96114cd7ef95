#pragma once

#include "core/MessageService.h"

#include <QList>

namespace aec::test {

// Answers the program's message boxes without a person and remembers what was shown.
class RecordingMessages : public MessageService
{
public:
    void inform(const BilingualText& text) override { shown.append(text); }
    bool ask(const BilingualText& question) override
    {
        asked.append(question);
        return answer;
    }

    QList<BilingualText> shown;
    QList<BilingualText> asked;
    bool answer = true;
};

} // namespace aec::test
