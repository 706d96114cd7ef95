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

} // namespace aec
