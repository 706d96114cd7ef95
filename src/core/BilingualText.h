#pragma once

#include <QString>

namespace aec {

// Every text the program shows exists in Chinese and in English; the caption language picks.
struct BilingualText
{
    QString chinese;
    QString english;

    const QString& in(bool chinese_) const { return chinese_ ? chinese : english; }
    friend bool operator==(const BilingualText& a, const BilingualText& b)
    {
        return a.chinese == b.chinese && a.english == b.english;
    }
};

// A pair from two UTF-8 literals, as the program's tables write them.
inline BilingualText Bilingual(const char* chinese, const char* english)
{
    return {QString::fromUtf8(chinese), QString::fromUtf8(english)};
}

} // namespace aec
