#include "system/ModeList.h"

namespace aec::ModeList {

QStringList FillModeList(const std::array<QString, ModeCount>& names)
{
    QStringList items;
    for (int i = 0; i < ModeCount; ++i) {
        const QString number =
            i < UserModeCount ? QString::number(i + 1) : QStringLiteral("MF%1").arg(i - 15);
        items << number + QLatin1Char('-') + names[static_cast<std::size_t>(i)];
    }
    return items;
}

QString ShowSelectedModeName(int index, const QString& item)
{
    const int prefix = index <= 8 ? 2 : index <= 15 ? 3 : 4;
    return item.size() <= prefix ? QString() : item.mid(prefix);
}

BilingualText RecallQuestion(const QString& item)
{
    return {QStringLiteral("模式切换为") + item + QLatin1Char('?'),
            QStringLiteral("Load Mode to") + item + QLatin1Char('?')};
}

BilingualText StoreQuestion(int index, const QString& name)
{
    const QString item = QString::number(index + 1) + QLatin1Char('-') + name;
    return {QStringLiteral("保存当前模式为 ") + item + QLatin1Char('?'),
            QStringLiteral("Save Mode to ") + item + QLatin1Char('?')};
}

} // namespace aec::ModeList
