#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/events.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/rounding.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <cfenv>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

TEST(Rounding, HalvesGoToTheEvenNeighbor)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.4999999), 2);
    EXPECT_EQ(Round(-2.5000001), -3);
    EXPECT_EQ(RoundHalfEven(4503599627370497.5L), 4503599627370498LL);

    // The FPU's rounding mode must not matter.
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    const int up = Round(2.5), upNegative = Round(-3.5);
    std::fesetround(FE_TOWARDZERO);
    const int towardZero = Round(-1.5);
    std::fesetround(mode);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(upNegative, -4);
    EXPECT_EQ(towardZero, -2);
}

TEST(Rounding, SaturatesAndMapsNaNToZero)
{
    EXPECT_EQ(Round(3e9), INT_MAX);
    EXPECT_EQ(Round(-3e9), INT_MIN);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), INT_MAX);
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(1e30L), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e30L), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RoundHalfEven(std::nanl("")), 0);
}

TEST(Random, SeedRepeatsTheSequenceWithinTheUnitInterval)
{
    std::vector<double> first, again;
    Random::SetSeed(42);
    for (int i = 0; i < 1000; ++i)
        first.push_back(Random::Next());
    Random::SetSeed(42);
    for (int i = 0; i < 1000; ++i)
        again.push_back(Random::Next());
    EXPECT_EQ(first, again);

    double sum = 0;
    for (double v : first) {
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, 1.0);
        sum += v;
    }
    EXPECT_NEAR(sum / first.size(), 0.5, 0.05);

    Random::SetSeed(43);
    EXPECT_NE(Random::Next(), first[0]);
    Random::Randomize();
    const double v = Random::Next();
    EXPECT_TRUE(v >= 0.0 && v < 1.0);
}

TEST(Color, ConvertsPlainAndSystemColors)
{
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(RGBColor(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3, 7)), RGBColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(clNavy), clNavy);
    EXPECT_EQ(ResolveColor(clSystemColor | 99), clBlack);

    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Dark, QColor(40, 50, 60));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(70, 80, 90));
    QApplication::setPalette(palette);
    EXPECT_EQ(ResolveColor(clBtnFace), RGBColor(10, 20, 30));
    EXPECT_EQ(ResolveColor(clBtnShadow), RGBColor(40, 50, 60));
    EXPECT_EQ(ResolveColor(clGrayText), RGBColor(70, 80, 90));
    QApplication::setPalette(saved);
    EXPECT_EQ(ResolveColor(clBtnFace), FromQColor(saved.color(QPalette::Button)));
}

TEST(Events, TranslateButtonsAndModifiers)
{
    const QPointF at(4, 5);
    const QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::RightButton, Qt::NoButton,
                            Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(MouseButtonOf(press), TMouseButton::mbRight);
    EXPECT_EQ(ShiftStateOf(press),
              TShiftState(TShiftFlag::ssRight | TShiftFlag::ssShift | TShiftFlag::ssCtrl));

    const QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::MiddleButton,
                              Qt::AltModifier);
    EXPECT_EQ(MouseButtonOf(release), TMouseButton::mbLeft);
    EXPECT_EQ(ShiftStateOf(release), TShiftState(TShiftFlag::ssMiddle | TShiftFlag::ssAlt));

    const QMouseEvent twice(QEvent::MouseButtonDblClick, at, at, Qt::MiddleButton, Qt::MiddleButton,
                            Qt::NoModifier);
    EXPECT_EQ(MouseButtonOf(twice), TMouseButton::mbMiddle);
    EXPECT_EQ(ShiftStateOf(twice), TShiftState(TShiftFlag::ssMiddle | TShiftFlag::ssDouble));
}

TEST(Bitmap, ResizingKeepsContentAndCanvasState)
{
    TBitmap bitmap(10, 10);
    TCanvas& c = bitmap.Canvas();
    c.SetPixel(3, 4, clRed);
    c.Pen.Color = clBlue;
    bitmap.SetSize(20, 5);
    EXPECT_EQ(c.Width(), 20);
    EXPECT_EQ(c.Height(), 5);
    EXPECT_EQ(c.Pixel(3, 4), clRed);
    EXPECT_EQ(c.Pixel(15, 2), clWhite);
    EXPECT_EQ(c.Pen.Color, clBlue);
    c.MoveTo(15, 2);
    c.LineTo(17, 2);
    EXPECT_EQ(c.Pixel(16, 2), clBlue);

    bitmap.SetSize(0, 5);
    EXPECT_TRUE(bitmap.Empty());
    c.LineTo(0, 0); // drawing on an empty bitmap does nothing
    bitmap.SetHeight(-3);
    EXPECT_EQ(bitmap.Height(), 0);
}

TEST(Bitmap, AssignCopiesAndFilesRoundTrip)
{
    TBitmap source(6, 4);
    source.Canvas().SetPixel(5, 3, clGreen);
    TBitmap copy;
    copy.Canvas().Pen.Color = clRed;
    copy.Assign(source);
    EXPECT_EQ(copy.Width(), 6);
    EXPECT_EQ(copy.Canvas().Pixel(5, 3), clGreen);
    EXPECT_EQ(copy.Canvas().Pen.Color, clRed);
    copy.Canvas().SetPixel(0, 0, clBlack);
    EXPECT_EQ(source.Canvas().Pixel(0, 0), clWhite);

    QTemporaryDir dir;
    const QString file = dir.filePath("picture.bmp");
    ASSERT_TRUE(source.SaveToFile(file));
    TBitmap loaded(2, 2);
    ASSERT_TRUE(loaded.LoadFromFile(file));
    EXPECT_EQ(loaded.Width(), 6);
    EXPECT_EQ(loaded.Canvas().Pixel(5, 3), clGreen);

    EXPECT_FALSE(loaded.LoadFromFile(dir.filePath("missing.bmp")));
    EXPECT_EQ(loaded.Width(), 6);
    EXPECT_EQ(loaded.Canvas().Pixel(5, 3), clGreen);
}

TEST(Image, PictureFollowsSizeAndMouseIsReported)
{
    TImage image;
    image.resize(30, 20);
    image.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&image));
    EXPECT_EQ(image.Picture().Width(), 30);
    EXPECT_EQ(image.Picture().Height(), 20);

    std::vector<QString> calls;
    image.OnMouseDown = [&](QObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, &image);
        calls.push_back(QString("down %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y));
    };
    image.OnMouseMove = [&](QObject*, TShiftState shift, int x, int y) {
        calls.push_back(QString("move %1 %2 %3").arg(shift).arg(x).arg(y));
    };
    image.OnMouseUp = [&](QObject*, TMouseButton button, TShiftState shift, int x, int y) {
        calls.push_back(QString("up %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y));
    };
    QTest::mouseMove(&image, QPoint(3, 4));
    QTest::mousePress(&image, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QTest::mouseRelease(&image, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    const std::vector<QString> expected = {
        "move 0 3 4",
        QString("down %1 %2 5 6").arg(TMouseButton::mbLeft).arg(TShiftFlag::ssLeft | TShiftFlag::ssShift),
        QString("up %1 0 7 8").arg(TMouseButton::mbLeft),
    };
    EXPECT_EQ(calls, expected);
}
