#include "system/SystemCodes.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

using SystemCodes::ChangeSystemPassword;
using SystemCodes::PasswordChange;

const QString Current = QStringLiteral("123456");

TEST(SystemCodes, OnlyWholeCodesMatch)
{
    EXPECT_TRUE(SystemCodes::CodeMatches(QStringLiteral("123456"), Current, 6));
    EXPECT_FALSE(SystemCodes::CodeMatches(QStringLiteral("12345"), Current, 6)) << "a prefix";
    EXPECT_FALSE(SystemCodes::CodeMatches(QStringLiteral("1234567"), Current, 6));
    // A processor that reported no code (or a short one) never matches, not even an empty text.
    EXPECT_FALSE(SystemCodes::CodeMatches(QString(), QString(), 4));
    EXPECT_FALSE(SystemCodes::CodeMatches(QStringLiteral("123"), QStringLiteral("123"), 4));
    EXPECT_EQ(SystemCodes::AccessCode, QStringLiteral("KEEPERS4721"));
}

TEST(SystemCodes, OnlyDigitsBackspaceAndEnterReachTheEdits)
{
    for (const char c : QByteArray("0123456789"))
        EXPECT_TRUE(SystemCodes::DigitKeyAccepted(QLatin1Char(c)));
    EXPECT_TRUE(SystemCodes::DigitKeyAccepted(QChar(8)));
    EXPECT_TRUE(SystemCodes::DigitKeyAccepted(QChar(13)));
    for (const char c : QByteArray("aZ -.+\t"))
        EXPECT_FALSE(SystemCodes::DigitKeyAccepted(QLatin1Char(c))) << c;
}

TEST(SystemCodes, PasswordChangeOpensStepByStepOnlineWithTheRightCurrentPassword)
{
    EXPECT_FALSE(ChangeSystemPassword(Current, {}, {}, Current, false).enableFirst) << "offline";
    EXPECT_FALSE(ChangeSystemPassword(QStringLiteral("12345"), {}, {}, Current, true).enableFirst);
    const PasswordChange opened =
        ChangeSystemPassword(Current, QStringLiteral("65"), {}, Current, true);
    EXPECT_TRUE(opened.enableFirst);
    EXPECT_FALSE(opened.enableSecond);
    EXPECT_EQ(opened.outcome, PasswordChange::Nothing);
    EXPECT_TRUE(
        ChangeSystemPassword(Current, QStringLiteral("654321"), {}, Current, true).enableSecond);
}

TEST(SystemCodes, TwoEqualNewPasswordsChangeItAndDifferentOnesAreRefused)
{
    // Five digits typed in the repetition: the sixth takes effect only with the next key.
    EXPECT_EQ(ChangeSystemPassword(Current, QStringLiteral("654321"), QStringLiteral("65432"),
                                   Current, true)
                  .outcome,
              PasswordChange::Nothing);
    const PasswordChange changed = ChangeSystemPassword(Current, QStringLiteral("654321"),
                                                        QStringLiteral("654321"), Current, true);
    EXPECT_EQ(changed.outcome, PasswordChange::Changed);
    EXPECT_EQ(changed.newPassword, QStringLiteral("654321"));
    EXPECT_EQ(ChangeSystemPassword(Current, QStringLiteral("654321"), QStringLiteral("654320"),
                                   Current, true)
                  .outcome,
              PasswordChange::Mismatch);
    EXPECT_EQ(ChangeSystemPassword(Current, Current, Current, Current, true).outcome,
              PasswordChange::Unchanged);
    EXPECT_EQ(SystemCodes::PasswordMismatch.chinese, QStringLiteral("密码不一致!"));
    EXPECT_EQ(SystemCodes::PasswordError.english, QStringLiteral("Password Error!"));
}

} // namespace
} // namespace aec
