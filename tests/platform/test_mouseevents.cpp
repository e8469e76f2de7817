// The standard mouse events of a control, seen through the picture control.
#include "platform/image.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(MouseEvents, ClicksNeedALeftPressAndReleaseInsideTheControl)
{
    TImage image;
    image.resize(50, 40);
    QStringList seen;
    image.OnMouseDown = [&](QObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, &image);
        seen << QStringLiteral("down %1 %2 %3,%4")
                    .arg(button)
                    .arg(bool(shift & TShiftFlag::ssLeft))
                    .arg(x)
                    .arg(y);
    };
    image.OnMouseUp = [&](QObject*, TMouseButton button, TShiftState, int x, int y) {
        seen << QStringLiteral("up %1 %2,%3").arg(button).arg(x).arg(y);
    };
    image.OnClick = [&](QObject*) { seen << QStringLiteral("click"); };
    image.OnDblClick = [&](QObject*) { seen << QStringLiteral("dblclick"); };

    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(12, 21));
    EXPECT_EQ(seen, QStringList({"down 0 1 10,20", "click", "up 0 12,21"}));

    // Released outside, or with the right button: no click.
    seen.clear();
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(60, 20));
    QTest::mousePress(&image, Qt::RightButton, {}, QPoint(10, 20));
    QTest::mouseRelease(&image, Qt::RightButton, {}, QPoint(10, 20));
    EXPECT_EQ(seen, QStringList({"down 0 1 10,20", "up 0 60,20", "down 1 0 10,20", "up 1 10,20"}));

    // A double click reports itself and a press, and its release is no click.
    seen.clear();
    QTest::mouseDClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(seen.contains(QStringLiteral("dblclick")));
    EXPECT_TRUE(seen.contains(QStringLiteral("down 0 1 5,5")));
    EXPECT_FALSE(seen.contains(QStringLiteral("click")));
}
