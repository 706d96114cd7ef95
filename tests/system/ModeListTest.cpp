#include "system/ModeList.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

TEST(ModeList, UserModesAreNumberedAndFactoryModesCarryMf)
{
    std::array<QString, ModeList::ModeCount> names;
    names[0] = QStringLiteral("Pop");
    names[9] = QStringLiteral("Ten");
    names[16] = QStringLiteral("Rock");
    const QStringList items = ModeList::FillModeList(names);
    ASSERT_EQ(items.size(), 22);
    EXPECT_EQ(items[0], QStringLiteral("1-Pop"));
    EXPECT_EQ(items[6], QStringLiteral("7-"));
    EXPECT_EQ(items[9], QStringLiteral("10-Ten"));
    EXPECT_EQ(items[15], QStringLiteral("16-"));
    EXPECT_EQ(items[16], QStringLiteral("MF1-Rock"));
    EXPECT_EQ(items[21], QStringLiteral("MF6-"));
}

TEST(ModeList, TheNameIsTheItemWithoutItsNumberPrefix)
{
    EXPECT_EQ(ModeList::ShowSelectedModeName(0, QStringLiteral("1-Pop")), QStringLiteral("Pop"));
    EXPECT_EQ(ModeList::ShowSelectedModeName(6, QStringLiteral("7-")), QString());
    EXPECT_EQ(ModeList::ShowSelectedModeName(9, QStringLiteral("10-Ten")), QStringLiteral("Ten"));
    EXPECT_EQ(ModeList::ShowSelectedModeName(17, QStringLiteral("MF2-Jazz")),
              QStringLiteral("Jazz"));
    EXPECT_EQ(ModeList::ShowSelectedModeName(16, QStringLiteral("MF1")), QString());
}

TEST(ModeList, Questions)
{
    EXPECT_EQ(ModeList::RecallQuestion(QStringLiteral("10-Ten")).english,
              QStringLiteral("Load Mode to10-Ten?"));
    EXPECT_EQ(ModeList::RecallQuestion(QStringLiteral("10-Ten")).chinese,
              QStringLiteral("模式切换为10-Ten?"));
    EXPECT_EQ(ModeList::StoreQuestion(0, QStringLiteral("Bar")).english,
              QStringLiteral("Save Mode to 1-Bar?"));
    EXPECT_EQ(ModeList::StoreQuestion(0, QStringLiteral("Bar")).chinese,
              QStringLiteral("保存当前模式为 1-Bar?"));
}

} // namespace
} // namespace aec
