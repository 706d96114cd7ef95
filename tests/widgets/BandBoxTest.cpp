// A box of band columns uses the room it is given: its visible columns widen together between
// their narrowest and widest, and the scroll slider keeps whole columns in view.
#include "widgets/BandBox.h"

#include "widgets/ParamWidgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>

namespace aec {
namespace {

TEST(BandBox, VisibleColumnsShareTheRoomBetweenTheirNarrowestAndWidest)
{
    const int visible = 9;
    BandBox box(QStringLiteral("Box"), QStringLiteral("BoxScroll"), visible,
                *FamilyOf(GroupId::MusicBands));
    box.show();
    // What the box needs beside its columns: the row headings and the area's frame.
    const int aside = box.sizeHint().width() - visible * BandColumn::Width;
    const auto widthAt = [&](int width) {
        box.resize(width, box.sizeHint().height());
        return box.columnWidth();
    };

    EXPECT_EQ(widthAt(box.sizeHint().width()), BandColumn::Width);
    EXPECT_EQ(widthAt(300), BandColumn::Width) << "never narrower than a column needs";
    EXPECT_EQ(widthAt(aside + visible * (BandColumn::Width + 10)), BandColumn::Width + 10);
    EXPECT_EQ(widthAt(aside + visible * BandBox::MaxColumnWidth - 1), BandBox::MaxColumnWidth - 1);
    EXPECT_EQ(widthAt(aside + visible * BandBox::MaxColumnWidth), BandBox::MaxColumnWidth);
    EXPECT_EQ(widthAt(5000), BandBox::MaxColumnWidth) << "the rest of the room stays free";
    EXPECT_EQ(box.scrollArea()->width(), visible * BandBox::MaxColumnWidth + 2);
    for (const BandColumn* column : box.columns())
        EXPECT_EQ(column->width(), BandBox::MaxColumnWidth);

    // Scrolled by three columns, the box still starts at the fourth after the columns widen.
    widthAt(box.sizeHint().width());
    box.scrollSlider()->setValue(3);
    widthAt(aside + visible * (BandColumn::Width + 20));
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    EXPECT_EQ(box.scrollArea()->horizontalScrollBar()->value(), 3 * (BandColumn::Width + 20));
    box.bringIntoView(12); // the thirteenth band, past the right edge
    EXPECT_EQ(box.scrollSlider()->value(), 12 - visible + 1);
    EXPECT_EQ(box.scrollArea()->horizontalScrollBar()->value(), 4 * (BandColumn::Width + 20));

    // The focus moved by Tab into the fifteenth band, which the area scrolls into view by
    // itself: the slider follows and whole columns show again.
    QApplication::setActiveWindow(&box);
    auto* edit = box.columns()[14]->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::TabFocusReason);
    box.scrollArea()->ensureWidgetVisible(edit);
    EXPECT_EQ(box.scrollSlider()->value(), 14 - visible + 1);
    const auto shown = [&](int band) {
        QWidget* viewport = box.scrollArea()->viewport();
        const BandColumn* column = box.columns()[band];
        return viewport->rect().contains(
            QRect(column->mapTo(viewport, QPoint(0, 0)), column->size()));
    };
    EXPECT_TRUE(shown(14));
    EXPECT_TRUE(shown(6));
    EXPECT_FALSE(shown(5));
}

} // namespace
} // namespace aec
