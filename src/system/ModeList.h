#pragma once

#include "core/BilingualText.h"

#include <QString>
#include <QStringList>

#include <array>

namespace aec {

// The texts of the processor's 22 stored modes: 16 user modes shown as 1 to 16 and six
// factory modes shown as MF1 to MF6.
namespace ModeList {

constexpr int ModeCount = 22;
constexpr int UserModeCount = 16;
constexpr int NameLength = 20;

// "1-Name" .. "16-Name", "MF1-Name" .. "MF6-Name".
QStringList FillModeList(const std::array<QString, ModeCount>& names);
// The name in an item of the list: the item without its number prefix.
QString ShowSelectedModeName(int index, const QString& item);

BilingualText RecallQuestion(const QString& item);
BilingualText StoreQuestion(int index, const QString& name);
inline const BilingualText StoreRefused{
    QStringLiteral("用户模式无法执行保存操作!"),
    QStringLiteral("Users can not perform the save operation mode!")};

} // namespace ModeList
} // namespace aec
