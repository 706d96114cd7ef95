// The program's icon as the windows get it: every rendered size from the resources, and the
// drawing itself (a rounded panel, so transparent corners and an opaque middle).
#include "app/ApplicationIcon.h"

#include <gtest/gtest.h>

#include <QImage>

namespace aec {
namespace {

TEST(ApplicationIcon, OffersEveryRenderedSizeFromTheResources)
{
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST(ApplicationIcon, IsTheRoundedPanelDrawing)
{
    for (const int size : {16, 48, 256}) {
        const QImage image = ApplicationIcon().pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0) << size;
        const QRgb middle = image.pixel(size / 2, size / 2);
        EXPECT_EQ(qAlpha(middle), 255) << size;
        // The panel is blue where the curve does not cross it.
        const QRgb panel = image.pixel(size / 5, size / 4);
        EXPECT_GT(qBlue(panel), qRed(panel) + 60) << size;
    }
}

} // namespace
} // namespace aec
