#include "controls/common/gryph_error.h"
#include "controls/numlab/numlab.h"

#include "numlabtesting.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using TSettings = std::vector<std::pair<const char*, QVariant>>;

// A label as the forms use it: Arial 13 pixels, 86 x 22, field from 15 to 70.
struct FormLabel : TNumLab {
    FormLabel()
    {
        setFont(FormFont());
        resize(86, 22);
        SetLeftSpace(15);
        SetLabelWidth(55);
    }
};

} // namespace

TEST(NumLab, StartsWithItsDefaultsAndPublishesThem)
{
    const TSettings defaults = {{"Value", 0.0},
                                {"DisplayType", QVariant::fromValue(TDisplay::dtFixP)},
                                {"Precision", 2},
                                {"DTFormat", "mmm-dd, yyyy"},
                                {"StateText", "undefined"},
                                {"OverflowIndicator", "*********"},
                                {"Empty", false},
                                {"Comma", false},
                                {"ForcePlusSign", false},
                                {"LeftText", ""},
                                {"RightText", ""},
                                {"LeftSpace", 35},
                                {"LabelWidth", 80},
                                {"Alignment", QVariant::fromValue(TAlignment::taCenter)},
                                {"LeftTextAlignment", QVariant::fromValue(TAlignment::taRightJustify)},
                                {"RightTextAlignment", QVariant::fromValue(TAlignment::taLeftJustify)},
                                {"FrameStyle", QVariant::fromValue(TFrameStyle::fsLowered)},
                                {"ColorScheme", QVariant::fromValue(TColorScheme::csBWG)},
                                {"ColorLabBakG", clBtnFace},
                                {"ColorLabText", clBlack},
                                {"ColorOutBakG", clBtnFace},
                                {"ColorOutText", clBlack}};
    TNumLab label;
    for (const auto& [name, value] : defaults)
        EXPECT_EQ(label.property(name), value) << name;
    EXPECT_EQ(label.size(), QSize(160, 28));
    EXPECT_EQ(label.DisplayText(), "0.00");
    EXPECT_TRUE(label.setProperty("LeftText", QStringLiteral("k")));
    EXPECT_EQ(label.LeftText(), "k");
}

TEST(NumLab, SettersClampIgnoreAndRepaintOnlyOnChange)
{
    FormLabel label;
    label.SetPrecision(20);
    EXPECT_EQ(label.Precision(), 15);
    label.SetLeftSpace(500);
    EXPECT_EQ(label.LeftSpace(), 86);
    label.SetLeftSpace(-3);
    EXPECT_EQ(label.LeftSpace(), 86);

    int renders = 0;
    label.OnBeforeDisplay = [&](QObject*, QString&) { ++renders; };
    label.SetValue(3);
    EXPECT_EQ(renders, 1);
    label.SetValue(3);
    label.SetColorScheme(TColorScheme::csBWG);
    EXPECT_EQ(renders, 1);
}

TEST(NumLab, CommaRuleAndPlusSign)
{
    FormLabel label;
    label.SetValue(0.5);
    label.SetComma(true);
    EXPECT_EQ(label.DisplayText(), "0,50");
    label.SetForcePlusSign(true);
    EXPECT_EQ(label.DisplayText(), "+0,50");
    label.SetValue(0);
    EXPECT_EQ(label.DisplayText(), "0,00");

    // Octal takes the sign; hex, binary and date/time texts stay as written.
    label.SetValue(9);
    label.SetDisplayType(TDisplay::dtOct);
    EXPECT_EQ(label.DisplayText(), "+11");
    label.SetDisplayType(TDisplay::dtHex);
    EXPECT_EQ(label.DisplayText(), "09");
    label.SetDTFormat(QStringLiteral("d.m."));
    label.SetDisplayType(TDisplay::dtDateTime);
    EXPECT_EQ(label.DisplayText(), "8.1.");

    // The overflow indicator of an out-of-range value is shown as it stands.
    label.SetOverflowIndicator(QStringLiteral("o.o"));
    label.SetDisplayType(TDisplay::dtZeroInt);
    label.SetValue(1e12);
    EXPECT_EQ(label.DisplayText(), "o.o");
}

TEST(NumLab, BeforeDisplayHandlerMayChangeTheText)
{
    FormLabel label;
    QObject* sender = nullptr;
    label.OnBeforeDisplay = [&](QObject* s, QString& text) {
        sender = s;
        text = QStringLiteral("k=") + text;
    };
    label.SetForcePlusSign(true);
    label.SetValue(1.5);
    EXPECT_EQ(sender, &label);
    EXPECT_EQ(label.DisplayText(), "k=+1.50");
    label.OnBeforeDisplay = [](QObject*, QString& text) { text = QString(40, u'8'); };
    EXPECT_EQ(label.DisplayText(), "*********");
}

TEST(NumLab, OverflowIndicatorWhenTheTextIsWiderThanTheField)
{
    FormLabel label;
    label.SetPrecision(0);
    label.SetValue(123456);
    const int width = FormTextWidth(QStringLiteral("123456"));
    label.SetLabelWidth(width + 6);
    EXPECT_EQ(label.DisplayText(), "123456");
    label.SetLabelWidth(width + 5);
    EXPECT_EQ(label.DisplayText(), "*********");

    label.SetStateText(QStringLiteral("a state text far wider than the field"));
    label.SetDisplayType(TDisplay::dtState);
    EXPECT_EQ(label.DisplayText(), "a state text far wider than the field");
    label.SetEmpty(true);
    EXPECT_EQ(label.DisplayText(), "");
}

TEST(NumLab, MouseAreaIsSetBeforeTheMoveHandlerRuns)
{
    FormLabel label;
    std::vector<int> areas;
    label.OnMouseMove = [&](QObject*, TShiftState, int, int) { areas.push_back(label.MouseArea()); };
    for (int x : {15, 16, 70, 71}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), label.mapToGlobal(QPointF(x, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &move);
    }
    EXPECT_EQ(areas, (std::vector<int>{0, 1, 1, 2}));
}

TEST(NumLab, AssignCopiesTheLookAndValueButNotFormatDetails)
{
    const TSettings copied = {{"LeftSpace", 120},
                              {"Empty", true},
                              {"LabelWidth", 70},
                              {"Precision", 5},
                              {"LeftText", "left"},
                              {"RightText", "right"},
                              {"FrameStyle", QVariant::fromValue(TFrameStyle::fsRaised)},
                              {"Alignment", QVariant::fromValue(TAlignment::taLeftJustify)},
                              {"RightTextAlignment", QVariant::fromValue(TAlignment::taCenter)},
                              {"LeftTextAlignment", QVariant::fromValue(TAlignment::taLeftJustify)},
                              {"OverflowIndicator", "##"},
                              {"Value", 2.25},
                              {"StateText", "off"},
                              {"ColorLabBakG", clYellow},
                              {"ColorLabText", clRed},
                              {"ColorOutBakG", clAqua},
                              {"ColorOutText", clBlue},
                              {"ColorScheme", QVariant::fromValue(TColorScheme::csSystem)},
                              {"DisplayType", QVariant::fromValue(TDisplay::dtFloat)}};
    const TSettings kept = {{"Comma", true}, {"ForcePlusSign", true}, {"DTFormat", "yyyy"}};
    TNumLab source;
    source.resize(300, 30);
    source.setFont(FormFont());
    for (const auto& [name, value] : copied)
        source.setProperty(name, value);
    for (const auto& [name, value] : kept)
        source.setProperty(name, value);

    TNumLab dest;
    const TNumLab fresh;
    dest.Assign(&source);
    for (const auto& [name, value] : copied)
        EXPECT_EQ(dest.property(name), value) << name;
    for (const auto& [name, value] : kept)
        EXPECT_EQ(dest.property(name), fresh.property(name)) << name;
    EXPECT_EQ(dest.font(), fresh.font());
    EXPECT_EQ(PixelAt(dest, 0, 0), clAqua); // drawn at once

    TNumLab other;
    source.AssignTo(&other);
    EXPECT_EQ(other.LeftText(), "left");

    QObject stranger;
    EXPECT_THROW(other.Assign(&stranger), EGryphError);
    EXPECT_THROW(other.Assign(nullptr), EGryphError);
    EXPECT_THROW(source.AssignTo(&stranger), EGryphError);
}

TEST(NumLab, HiddenLabelDrawsNothingUntilShownAgain)
{
    FormLabel label;
    label.hide();
    label.SetColorOutBakG(clRed);
    EXPECT_NE(PixelAt(label, 0, 0), clRed);
    label.show();
    EXPECT_EQ(PixelAt(label, 0, 0), clRed);
}

TEST(NumLab, TellsAssistiveTechnologyItsNameAndTheNumberItShows)
{
    FormLabel label;
    label.SetLeftText(QStringLiteral("k"));
    label.SetValue(1.5);
    label.SetPrecision(1);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&label);
    ASSERT_TRUE(access);
    EXPECT_EQ(access->role(), QAccessible::StaticText);
    EXPECT_EQ(access->text(QAccessible::Name), "k");
    EXPECT_EQ(access->text(QAccessible::Value), "1.5");
    label.setAccessibleName(QStringLiteral("Slope k"));
    label.setAccessibleDescription(QStringLiteral("The slope"));
    EXPECT_EQ(access->text(QAccessible::Name), "Slope k");
    EXPECT_EQ(access->text(QAccessible::Description), "The slope");
}
