#pragma once

#include "core/BilingualText.h"

#include <QObject>

namespace aec {

// The caption language: CaptionLanguage 1 is Chinese, 0 English. Every run starts in English.
class Language : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    int CaptionLanguage() const { return m_captionLanguage; }
    bool isChinese() const { return m_captionLanguage == 1; }
    const QString& pick(const BilingualText& text) const { return text.in(isChinese()); }
    const QString& other(const BilingualText& text) const { return text.in(!isChinese()); }

    void setCaptionLanguage(int language)
    {
        const int value = language == 1 ? 1 : 0;
        if (value == m_captionLanguage)
            return;
        m_captionLanguage = value;
        emit changed();
    }

signals:
    void changed();

private:
    int m_captionLanguage = 0;
};

} // namespace aec
