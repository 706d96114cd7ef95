#pragma once

#include "core/BilingualText.h"

#include <QString>

namespace aec {

// The checks on the processor's panel code (four digits), its system password (six digits)
// and the access code that reveals the hidden EQ page.
namespace SystemCodes {

inline const QString AccessCode = QStringLiteral("KEEPERS4721");
constexpr int PanelCodeLength = 4;
constexpr int PasswordLength = 6;

inline const BilingualText PasswordError{QStringLiteral("密码错误!"),
                                         QStringLiteral("Password Error!")};
inline const BilingualText PasswordMismatch{QStringLiteral("密码不一致!"),
                                            QStringLiteral("Password Error!")};
inline const BilingualText Unlocked{QStringLiteral("解锁成功"), QStringLiteral("解锁成功")};

// Only the digits, Backspace and Enter reach a code or password edit.
bool DigitKeyAccepted(QChar key);

// A typed code matches the processor's only when it is whole: a prefix never does.
bool CodeMatches(const QString& typed, const QString& device, int length);

// One key press in the password-change edits, judged on their texts before the key.
struct PasswordChange
{
    enum Outcome { Nothing, Changed, Mismatch, Unchanged };
    bool enableFirst = false;  // the new password edit
    bool enableSecond = false; // its repetition
    Outcome outcome = Nothing; // Changed, Mismatch and Unchanged also reset the three edits
    QString newPassword;
};
PasswordChange ChangeSystemPassword(const QString& current, const QString& first,
                                    const QString& second, const QString& devicePassword,
                                    bool online);

} // namespace SystemCodes
} // namespace aec
