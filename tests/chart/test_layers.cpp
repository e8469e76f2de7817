// The chart's layers: axis settings, joined layers, pixel maps, rims and layouts.
#include "controls/chart/axistransform.h"
#include "controls/chart/plotta.h"
#include "controls/chart/plottaerror.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <cmath>
#include <limits>

namespace {

// Runs action, expecting it to raise EGryphPlottaError with message.
template <typename Action>
void ExpectPlottaError(Action action, const char* message)
{
    try {
        action();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const EGryphPlottaError& e) {
        EXPECT_EQ(e.Message(), QString::fromUtf8(message));
    }
}

} // namespace

TEST(ChartLayers, NewChartMapsTheUnitRangeOntoItsDataArea)
{
    TPlotta chart;
    EXPECT_EQ(chart.size(), QSize(280, 200));
    EXPECT_EQ(chart.DataToPixel(1, 0, 0), QPoint(50, 160));
    EXPECT_EQ(chart.DataToPixel(1, 1, 1), QPoint(260, 20));
    EXPECT_EQ(chart.PixelToData(1, 155, 90), QPointF(0.5, 0.5));

    chart.Scale1X()->SetRangeLow(-0.5);
    chart.Scale1X()->SetRangeHigh(2.5);
    EXPECT_EQ(chart.DataToPixel(1, 2.5, 0).x(), 260);
    EXPECT_EQ(chart.DataToPixel(1, 0.5, 0).x(), 120);

    // Layer numbers below 1 mean layer 1, above 16 layer 16.
    chart.ScaleX(16)->SetRangeHigh(2);
    EXPECT_EQ(chart.DataToPixel(0, 2.5, 0).x(), 260);
    EXPECT_EQ(chart.DataToPixel(99, 2, 0).x(), 260);
}

TEST(ChartLayers, MapsFollowSizeRimsAndShadow)
{
    TPlotta chart;
    chart.resize(400, 300); // hidden: no resize event arrives yet
    EXPECT_EQ(chart.DataToPixel(1, 1, 0), QPoint(380, 260));
    chart.SetShadowWidth(40);
    EXPECT_EQ(chart.ShadowWidth(), 32);
    chart.SetShadowWidth(-1);
    EXPECT_EQ(chart.ShadowWidth(), 0);
    chart.SetShadowWidth(4);
    EXPECT_EQ(chart.DataToPixel(1, 1, 0), QPoint(376, 256));
    chart.SetTRim(30);
    EXPECT_EQ(chart.DataToPixel(1, 0, 1), QPoint(50, 30));

    // Rims and shadow take their room from the data area; only resizing keeps room
    // for a data area of 80 x 20 pixels.
    chart.SetLRim(300);
    EXPECT_EQ(chart.size(), QSize(400, 300));
    chart.resize(10, 10);
    EXPECT_EQ(chart.size(), QSize(404, 30 + 40 + 20 + 4));
    chart.SetShadowWidth(32);
    chart.SetStandardLayout(TrcLayout::rcl_X2Both_Y2Both);
    EXPECT_EQ(chart.size(), QSize(404, 94));
    EXPECT_EQ(chart.minimumSizeHint(), QSize(50 + 50 + 80 + 32, 48 + 40 + 20 + 32));
}

TEST(ChartLayers, LogarithmicAndDegenerateMaps)
{
    TPlotta chart;
    TScaleProps& x = *chart.Scale1X();
    x.SetRangeHigh(100);
    x.SetRangeLow(1);
    x.SetLogarithmic(true);
    EXPECT_EQ(chart.DataToPixel(1, 10, 0).x(), 155);
    EXPECT_EQ(chart.DataToPixel(1, 0, 0).x(), 0); // no logarithm
    EXPECT_NEAR(chart.PixelToData(1, 155, 0).x(), 10, 1e-9);
    x.SetRangeLow(100);
    x.SetRangeHigh(1); // reversed axis
    EXPECT_EQ(chart.DataToPixel(1, 0, 0).x(), 280);

    TScaleProps& y = *chart.Scale1Y();
    y.SetRangeHigh(100);
    y.SetRangeLow(1);
    y.SetLogarithmic(true);
    EXPECT_EQ(chart.DataToPixel(1, 0, 10).y(), 90);
    EXPECT_EQ(chart.DataToPixel(1, 0, -1).y(), 200);

    // Without room every value goes to the middle; halves round to even.
    const TChartGeometry cramped{283, 201, 150, 150, 101, 101, 0};
    const TAxisTransform horizontal = HorizontalTransform(cramped, *chart.ScaleX(2));
    EXPECT_EQ(horizontal.ToPixel(0.3), 142);
    EXPECT_EQ(horizontal.ToValue(17), chart.ScaleX(2)->RangeLow());
    EXPECT_EQ(VerticalTransform(cramped, *chart.ScaleY(2)).ToPixel(0.3), 100);
}

TEST(ScaleProps, RangeSettersKeepMinRangeApart)
{
    TPlotta chart;
    TScaleProps& axis = *chart.Scale1X();
    int changes = 0;
    axis.OnChange = [&](QObject*) { ++changes; };

    axis.SetMinRange(0.25); // the range is wide enough already
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(axis.MinRange(), 0.25);
    axis.SetRangeLow(0.9);
    EXPECT_DOUBLE_EQ(axis.RangeLow(), 0.9);
    EXPECT_DOUBLE_EQ(axis.RangeHigh(), 1.15);
    axis.SetRangeHigh(1.0);
    EXPECT_DOUBLE_EQ(axis.RangeLow(), 0.75);
    EXPECT_DOUBLE_EQ(axis.RangeHigh(), 1.0);
    EXPECT_EQ(changes, 2);

    axis.SetMinRange(1); // widened about the center 0.875
    EXPECT_DOUBLE_EQ(axis.RangeLow(), 0.375);
    EXPECT_DOUBLE_EQ(axis.RangeHigh(), 1.375);
    EXPECT_EQ(changes, 3);
    axis.SetMinRange(1e-100);
    EXPECT_EQ(axis.MinRange(), 1);

    axis.SetRangeLow(std::numeric_limits<double>::quiet_NaN());
    axis.SetRangeHigh(std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(axis.RangeLow(), 0.375);
    EXPECT_DOUBLE_EQ(axis.RangeHigh(), 1.375);
}

TEST(ScaleProps, ClampsDecPlacesAndChecksLogarithmicOnceLoaded)
{
    TPlotta chart;
    TScaleProps& axis = *chart.Scale1Y();
    axis.SetDecPlaces(20);
    EXPECT_EQ(axis.DecPlaces(), 12);
    axis.SetDecPlaces(-7);
    EXPECT_EQ(axis.DecPlaces(), -3);
    axis.SetLabelType(TFigType::ftTime);
    EXPECT_EQ(axis.DecPlaces(), 4);

    // A chart that was never loaded from a form takes any Logarithmic value.
    axis.SetLogarithmic(true);
    EXPECT_TRUE(axis.Logarithmic());
    axis.SetLabelType(TFigType::ftDateTime);
    EXPECT_FALSE(axis.Logarithmic());

    chart.Loaded();
    int changes = 0;
    axis.OnChange = [&](QObject*) { ++changes; };
    axis.SetLogarithmic(true); // date/time labels
    axis.SetLabelType(TFigType::ftNum);
    axis.SetLogarithmic(true); // range starts at 0
    EXPECT_FALSE(axis.Logarithmic());
    EXPECT_EQ(changes, 3);
    axis.SetRangeHigh(10);
    axis.SetRangeLow(1);
    axis.SetLogarithmic(true);
    EXPECT_TRUE(axis.Logarithmic());
    axis.SetRangeLow(1e-101); // refused on a logarithmic axis
    EXPECT_EQ(axis.RangeLow(), 1);
}

TEST(ScaleProps, DateFormatStaysTheAxisOwnObject)
{
    TPlotta chart;
    TScaleProps& axis = *chart.Scale1X();
    TDTLabel* own = axis.DateFormat();
    int changes = 0;
    axis.OnChange = [&](QObject*) { ++changes; };
    {
        TDTLabel other;
        other.SetDateOrder(TDateOrder::doYYMMDD);
        other.SetDateSeparator(u'/');
        axis.SetDateFormat(&other);
    }
    EXPECT_EQ(axis.DateFormat(), own);
    EXPECT_EQ(own->DateOrder(), TDateOrder::doYYMMDD);
    EXPECT_EQ(own->DateSeparator(), QChar(u'/'));
    EXPECT_EQ(changes, 1);
    own->SetMonthName(false); // the label's own changes are the axis's
    EXPECT_EQ(changes, 2);
}

TEST(ScaleProps, LayersStartWithTheirOwnPlacementAndColor)
{
    TPlotta chart;
    EXPECT_EQ(chart.ScaleX(5)->ScaleLocation(), TScaleLocationHoriz::slBottom);
    EXPECT_EQ(chart.ScaleX(5)->ScaleType(), TScaleType::sctXT);
    EXPECT_EQ(chart.ScaleX(5)->ScalePos(), 60);
    EXPECT_EQ(chart.ScaleY(5)->ScaleLocation(), TScaleLocationVert::slLeft);
    EXPECT_EQ(chart.ScaleY(5)->ScaleType(), TScaleType::sctYR);
    EXPECT_EQ(chart.ScaleY(5)->ScalePos(), 100);
    EXPECT_EQ(chart.ScaleX(6)->ScaleLocation(), TScaleLocationHoriz::slTop);
    EXPECT_EQ(chart.ScaleX(6)->ScaleType(), TScaleType::sctXB);
    EXPECT_EQ(chart.ScaleY(6)->ScaleLocation(), TScaleLocationVert::slRight);
    EXPECT_EQ(chart.ScaleY(6)->ScaleType(), TScaleType::sctYL);
    EXPECT_EQ(chart.ScaleX(6)->ColorScale(), 0x800080u);
    EXPECT_EQ(chart.ScaleY(16)->ColorScale(), 0xFFFFFFu);
    EXPECT_EQ(chart.ScaleX(0), chart.Scale1X());
    EXPECT_EQ(chart.ScaleY(17), chart.Scale1Y());
}

TEST(JointLayers, RefusesJoinsThatWouldChainOrDangle)
{
    TPlotta chart;
    TJointLayers& joints = *chart.JointLayers();
    ExpectPlottaError([&] { joints.SetControlledBy(2, TJointAxis::X, 0); },
                      "Destination layer 0 is out of range");
    ExpectPlottaError([&] { joints.SetControlledBy(2, TJointAxis::X, 17); },
                      "Destination layer 17 is out of range");

    joints.SetControlledBy(3, TJointAxis::X, 1);
    ExpectPlottaError([&] { joints.SetControlledBy(2, TJointAxis::X, 3); },
                      "Destination layer 3 is already joined");
    joints.SetControlledBy(5, TJointAxis::X, 1);
    ExpectPlottaError([&] { joints.SetControlledBy(1, TJointAxis::X, 2); },
                      "Layer 1 is joined by other layers (3, 5)");
    EXPECT_EQ(joints.ControlledBy(1, TJointAxis::X), 1);
    EXPECT_EQ(joints.ControlledBy(2, TJointAxis::X), 2);

    // The Y entries are a table of their own.
    joints.SetControlledBy(1, TJointAxis::Y, 2);
    EXPECT_EQ(joints.property("L01yControlledBy").toInt(), 2);
    EXPECT_EQ(joints.property("L03xControlledBy").toInt(), 1);
    joints.setProperty("L03xControlledBy", 3); // released
    EXPECT_EQ(joints.ControlledBy(3, TJointAxis::X), 3);
}

TEST(JointLayers, ReportsNewJoinsButNotReleasesAndCopiesAllEntries)
{
    TJointLayers joints;
    int changes = 0;
    joints.OnChange = [&](QObject*) { ++changes; };
    joints.SetControlledBy(4, TJointAxis::Y, 2);
    EXPECT_EQ(changes, 1);
    joints.SetControlledBy(4, TJointAxis::Y, 4);
    EXPECT_EQ(changes, 1);

    joints.SetControlledBy(7, TJointAxis::X, 16);
    TPlotta chart;
    chart.SetJointLayers(&joints);
    EXPECT_NE(chart.JointLayers(), &joints);
    EXPECT_EQ(chart.JointLayers()->ControlledBy(7, TJointAxis::X), 16);
    EXPECT_EQ(chart.JointLayers()->ControlledBy(4, TJointAxis::Y), 4);
}

TEST(JointLayers, FollowersTakeTheirLeadersRange)
{
    TPlotta chart;
    chart.ScaleX(2)->SetRangeHigh(6);
    chart.ScaleX(2)->SetRangeLow(5);
    chart.ScaleY(2)->SetRangeHigh(9);

    chart.JointLayers()->SetControlledBy(2, TJointAxis::X, 1);
    EXPECT_EQ(chart.ScaleX(2)->RangeLow(), 0);
    EXPECT_EQ(chart.ScaleX(2)->RangeHigh(), 1);
    EXPECT_EQ(chart.ScaleY(2)->RangeHigh(), 9);

    chart.Scale1X()->SetRangeHigh(3);
    EXPECT_EQ(chart.ScaleX(2)->RangeHigh(), 3);
    EXPECT_EQ(chart.DataToPixel(2, 3, 0).x(), 260);
    chart.ScaleX(2)->SetRangeLow(-1); // a follower keeps its leader's range
    EXPECT_EQ(chart.ScaleX(2)->RangeLow(), 0);
}

TEST(ChartLayouts, NewChartShowsOnlyTheAxesOfLayerOne)
{
    TPlotta chart;
    EXPECT_EQ(chart.StandardLayout(), TrcLayout::rcl_X1Bottom_Y1Left);
    EXPECT_EQ(QList<int>({chart.LRim(), chart.RRim(), chart.TRim(), chart.BRim()}),
              QList<int>({50, 20, 20, 40}));
    EXPECT_EQ(chart.CaptionPosY(), -16);
    EXPECT_EQ(chart.CaptionAlignment(), TAlignment::taRightJustify);
    EXPECT_EQ(chart.CaptionAnchorHoriz(), TCaptionAnchorHoriz::cahChartRight);
    EXPECT_EQ(chart.CaptionAnchorVert(), TCaptionAnchorVert::cavChartTop);

    const TScalePropsHoriz& x = *chart.Scale1X();
    EXPECT_TRUE(x.Visible());
    EXPECT_EQ(x.ScaleLocation(), TScaleLocationHoriz::slBottom);
    EXPECT_EQ(QPoint(x.CaptionPosX(), x.CaptionPosY()), QPoint(0, 22));
    EXPECT_EQ(x.CaptionAnchor(), TScaleUnitAnchor::uaSclCenter);
    const TScalePropsVert& y = *chart.Scale1Y();
    EXPECT_TRUE(y.Visible());
    EXPECT_EQ(QPoint(y.CaptionPosX(), y.CaptionPosY()), QPoint(0, -16));
    EXPECT_EQ(y.CaptionAlignment(), TAlignment::taLeftJustify);

    for (int n = 2; n <= 16; ++n) {
        EXPECT_FALSE(chart.ScaleX(n)->Visible()) << n;
        EXPECT_FALSE(chart.ScaleY(n)->Visible()) << n;
    }
    const TScalePropsVert& hidden = *chart.Scale2Y();
    EXPECT_EQ(hidden.ScaleLocation(), TScaleLocationVert::slLeft);
    EXPECT_EQ(hidden.ScalePos(), 0);
    EXPECT_EQ(QPoint(hidden.CaptionPosX(), hidden.CaptionPosY()), QPoint(10, 100));
    EXPECT_EQ(hidden.CaptionAlignment(), TAlignment::taRightJustify);
}

TEST(ChartLayouts, OtherLayoutsPlaceTheirAxes)
{
    TPlotta chart;
    chart.SetStandardLayout(TrcLayout::rcl_X1Bottom_Y4Left);
    EXPECT_EQ(chart.LRim(), 200);
    EXPECT_EQ(chart.TRim(), 24);
    EXPECT_TRUE(chart.Scale4Y()->Visible());
    EXPECT_EQ(chart.Scale4Y()->ScalePos(), 150);
    EXPECT_EQ(chart.Scale4Y()->CaptionPosY(), -23);

    chart.SetStandardLayout(TrcLayout::rcl_X2Bottom_Y2Left);
    EXPECT_EQ(chart.BRim(), 70);
    EXPECT_EQ(chart.Scale2X()->ScaleLocation(), TScaleLocationHoriz::slBottom);
    EXPECT_EQ(chart.Scale2X()->ScalePos(), 30);
    EXPECT_FALSE(chart.Scale4Y()->Visible());

    chart.SetStandardLayout(TrcLayout::rcl_X2Both_Y2Both);
    EXPECT_EQ(QList<int>({chart.LRim(), chart.RRim(), chart.TRim(), chart.BRim()}),
              QList<int>({50, 50, 48, 40}));
    EXPECT_EQ(chart.CaptionPosY(), -46);
    EXPECT_EQ(chart.CaptionAnchorHoriz(), TCaptionAnchorHoriz::cahChartCenter);
    EXPECT_EQ(chart.Scale2X()->ScaleLocation(), TScaleLocationHoriz::slTop);
    EXPECT_EQ(chart.Scale2X()->ScalePos(), 0);
    EXPECT_EQ(QPoint(chart.Scale2X()->CaptionPosX(), chart.Scale2X()->CaptionPosY()), QPoint(-20, -24));
    EXPECT_EQ(chart.Scale2Y()->ScaleLocation(), TScaleLocationVert::slRight);
    EXPECT_EQ(chart.Scale2Y()->CaptionAlignment(), TAlignment::taLeftJustify);
    EXPECT_FALSE(chart.Scale3Y()->Visible());
    EXPECT_EQ(chart.Scale3Y()->CaptionPosY(), -23);
    EXPECT_EQ(chart.StandardLayout(), TrcLayout::rcl_X2Both_Y2Both);
}

TEST(ChartLayers, IsometricStretchesTheYRanges)
{
    TPlotta chart;
    chart.SetIsometric(true); // data-area bitmap 211 x 141
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 141.0 / 211);
    EXPECT_DOUBLE_EQ(chart.ScaleY(9)->RangeHigh(), 141.0 / 211);
    chart.SetLRim(60);
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 141.0 / 201);
    chart.show();
    chart.resize(460, 300);
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 241.0 / 381);
    chart.SetIsometric(false);
    chart.resize(300, 300);
    EXPECT_DOUBLE_EQ(chart.Scale1Y()->RangeHigh(), 241.0 / 381);
}

TEST(ChartLayers, AxisSettingsAreReachableByPropertyWalkers)
{
    TPlotta chart;
    EXPECT_EQ(chart.property("Scale1X").value<QObject*>(), chart.Scale1X());
    EXPECT_EQ(chart.property("Scale4Y").value<QObject*>(), chart.Scale4Y());
    EXPECT_EQ(chart.findChildren<TScaleProps*>().size(), 32);
    chart.Scale1X()->setProperty("Caption", QStringLiteral("x [m]"));
    EXPECT_EQ(chart.Scale1X()->Caption(), QStringLiteral("x [m]"));
    const QMetaObject& joints = *chart.JointLayers()->metaObject();
    EXPECT_GE(joints.indexOfProperty("L16yControlledBy"), 0);
    EXPECT_EQ(joints.propertyCount() - joints.propertyOffset(), 32);
}
