#include "system/SystemCodes.h"

namespace aec::SystemCodes {

bool DigitKeyAccepted(QChar key)
{
    return key.isDigit() || key == QChar(8) || key == QChar(13);
}

bool CodeMatches(const QString& typed, const QString& device, int length)
{
    return device.size() == length && typed == device;
}

PasswordChange ChangeSystemPassword(const QString& current, const QString& first,
                                    const QString& second, const QString& devicePassword,
                                    bool online)
{
    PasswordChange change;
    if (!online || !CodeMatches(current, devicePassword, PasswordLength))
        return change;
    change.enableFirst = true;
    change.enableSecond = first.size() == PasswordLength;
    if (first.size() != PasswordLength || second.size() != PasswordLength)
        return change;
    if (first != second) {
        change.outcome = PasswordChange::Mismatch;
    } else if (first != devicePassword) {
        change.outcome = PasswordChange::Changed;
        change.newPassword = first;
    } else {
        change.outcome = PasswordChange::Unchanged;
    }
    return change;
}

} // namespace aec::SystemCodes
