#include "controls/common/crosshair.h"
#include "controls/common/dtlabel.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <gtest/gtest.h>

namespace {

// Counts OnChange calls and checks that the object passes itself as sender.
template <typename T>
struct TChangeCounter {
    explicit TChangeCounter(T& object)
    {
        object.OnChange = [this, &object](QObject* sender) {
            EXPECT_EQ(sender, &object);
            ++Count;
        };
    }
    int Count = 0;
};

template <typename E>
QStringList KeysOf()
{
    const QMetaEnum meta = QMetaEnum::fromType<E>();
    QStringList keys;
    for (int i = 0; i < meta.keyCount(); ++i) {
        EXPECT_EQ(meta.value(i), i) << meta.key(i);
        keys << QString::fromLatin1(meta.key(i));
    }
    return keys;
}

} // namespace

TEST(SharedEnums, PublishedNamesAndOrdinals)
{
    EXPECT_EQ(KeysOf<TTxtLblMode>(), (QStringList{"tlOff", "tlsimple", "tlBox", "tlUnderline", "tlShadow"}));
    EXPECT_EQ(KeysOf<TFrameStyle>(),
              (QStringList{"fsNone", "fsSimple", "fsLowered", "fsRaised", "fsEmbossed", "fsEngraved"}));
    EXPECT_EQ(KeysOf<TMouseActMode>().size(), 15);
    EXPECT_EQ(KeysOf<TMouseActMode>().last(), "maRotZOnly");
}

TEST(CrossHair, EverySetNotifiesEvenWithTheSameValue)
{
    TCrossHair cross;
    TChangeCounter counter(cross);
    for (int round = 0; round < 2; ++round) {
        cross.SetPosX(2.5);
        cross.SetPosY(-7);
        cross.SetColor(clRed);
        cross.SetLayer(99);
        cross.SetMode(TCrossHMode::chBoth);
        cross.SetLineType(TPenStyle::psDot);
        cross.SetLineWid(3);
    }
    EXPECT_EQ(counter.Count, 14);
    EXPECT_EQ(cross.Layer(), 99); // not range-checked
    EXPECT_EQ(cross.LineType(), TPenStyle::psDot);
}

TEST(CrossHair, PropertiesAreReachableByName)
{
    TCrossHair cross;
    const QMetaObject* meta = cross.metaObject();
    QStringList names;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        names << QString::fromLatin1(meta->property(i).name());
    EXPECT_EQ(names, (QStringList{"PosX", "PosY", "Color", "Layer", "Mode", "LineType", "LineWid"}));

    TChangeCounter counter(cross);
    EXPECT_TRUE(cross.setProperty("Mode", QStringLiteral("chVert")));
    EXPECT_EQ(cross.Mode(), TCrossHMode::chVert);
    EXPECT_TRUE(cross.setProperty("LineType", int(TPenStyle::psDash)));
    EXPECT_EQ(cross.LineType(), TPenStyle::psDash);
    EXPECT_EQ(counter.Count, 2);
}

TEST(DTLabel, OnlyTimeFormatAndDateOrderNotifyOnAnUnchangedValue)
{
    TDTLabel label;
    TChangeCounter counter(label);
    label.SetDateSeparator(u'-');
    label.SetTimeSeparator(u':');
    label.SetYearLength(TYearLength::ylYYYY);
    label.SetMonthName(true);
    label.SetDateForTime(TDateForTime::dtOnePerDay);
    EXPECT_EQ(counter.Count, 0);

    label.SetTimeFormat(TTimeFormat::tfHHMMSS);
    label.SetDateOrder(TDateOrder::doDDMMYY);
    EXPECT_EQ(counter.Count, 2);

    label.SetDateSeparator(u'/');
    label.SetTimeSeparator(u'.');
    label.SetYearLength(TYearLength::ylYY);
    label.SetMonthName(false);
    label.SetDateForTime(TDateForTime::dtAllTicks);
    EXPECT_EQ(counter.Count, 7);
    EXPECT_EQ(label.DateSeparator(), u'/');
}

TEST(DTLabel, AssignCopiesEverythingWithOneNotification)
{
    TDTLabel source;
    source.SetTimeFormat(TTimeFormat::tfAMPM);
    source.SetDateSeparator(u'.');
    source.SetTimeSeparator(u'h');
    source.SetYearLength(TYearLength::ylNone);
    source.SetMonthName(false);
    source.SetDateOrder(TDateOrder::doYYMMDD);
    source.SetDateForTime(TDateForTime::dtOnePerChart);

    TDTLabel target;
    TChangeCounter counter(target);
    target.Assign(source);
    EXPECT_EQ(counter.Count, 1);
    for (const char* name : {"TimeFormat", "DateSeparator", "TimeSeparator", "YearLength", "MonthName",
                             "DateOrder", "DateForTime"})
        EXPECT_EQ(target.property(name), source.property(name)) << name;
    EXPECT_EQ(target.DateOrder(), TDateOrder::doYYMMDD);
}
