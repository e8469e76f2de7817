#include "controls/numlab/numlab.h"

#include "numlabtesting.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using TArt = std::vector<std::string>;

// A 20 x 8 label, resized last, with an empty field from x = 3 to 14, read back as letters.
TArt Field(TFrameStyle style)
{
    TNumLab label;
    label.SetLeftSpace(3);
    label.SetLabelWidth(10);
    label.SetEmpty(true);
    label.SetColorOutBakG(clYellow);
    label.SetColorLabBakG(clAqua);
    label.SetFrameStyle(style);
    label.resize(20, 8); // the picture follows the new size
    const std::map<TColor, char> legend = {
        {clYellow, '.'}, {clAqua, 'a'}, {clBlack, 'k'}, {clGray, 'g'}, {clWhite, 'w'}};
    TArt rows(8, std::string(20, '?'));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 20; ++x)
            if (legend.count(PixelAt(label, x, y)))
                rows[y][x] = legend.at(PixelAt(label, x, y));
    return rows;
}

// The field with r = rectangle outline, u = upper-left line, l = lower-right line;
// a flat field is a full-height rectangle.
TArt Frame(char r, char u, char l, bool flat = false)
{
    TArt art = {"...rrrrrrrrrrrr.....", "...ruuuuuuuuuurl....", "...ruaaaaaaaaarl....",
                "...ruaaaaaaaaarl....", "...ruaaaaaaaaarl....", "...ruaaaaaaaaarl....",
                "...rrrrrrrrrrrrl....", "....llllllllllll...."};
    if (flat) {
        art.assign(8, "...raaaaaaaaaar.....");
        art.front() = art.back() = "...rrrrrrrrrrrr.....";
    }
    for (std::string& row : art)
        for (char& ch : row)
            ch = ch == 'r' ? r : ch == 'u' ? u : ch == 'l' ? l : ch;
    return art;
}

// A form label with red numbers and blue side texts on white.
struct InkLabel : TNumLab {
    InkLabel(int width, int leftSpace, int labelWidth)
    {
        setFont(FormFont());
        resize(width, 22);
        SetLeftSpace(leftSpace);
        SetLabelWidth(labelWidth);
        SetColorLabBakG(clWhite);
        SetColorOutBakG(clWhite);
        SetColorLabText(clRed);
        SetColorOutText(clBlue);
    }
    QRect NumberInk() const { return InkBox(CurrentPicture().Image(), clRed); }
    QRect SideInk() const { return InkBox(CurrentPicture().Image(), clBlue); }
    static int TextTop()
    {
        TBitmap probe(1, 1);
        return (22 - FormCanvasBitmap(probe).Canvas().TextHeight(QStringLiteral("(8g]}"))) / 2;
    }
};

} // namespace

TEST(NumLabPaint, FramesOfEveryStyleAndScheme)
{
    EXPECT_EQ(Field(TFrameStyle::fsLowered), Frame('g', 'k', 'w'));
    EXPECT_EQ(Field(TFrameStyle::fsRaised), Frame('g', 'w', 'k'));
    EXPECT_EQ(Field(TFrameStyle::fsEmbossed), Frame('w', 'g', 'g'));
    EXPECT_EQ(Field(TFrameStyle::fsEngraved), Frame('g', 'w', 'w'));
    EXPECT_EQ(Field(TFrameStyle::fsSimple), Frame('g', 0, 0, true));
    EXPECT_EQ(Field(TFrameStyle::fsNone), Frame('a', 0, 0, true));

    TNumLab label;
    label.resize(20, 8);
    label.SetLeftSpace(3);
    label.SetColorScheme(TColorScheme::csSystem);
    EXPECT_EQ(PixelAt(label, 3, 0), ResolveColor(clBtnShadow));
    EXPECT_EQ(PixelAt(label, 4, 1), clBlack);
    EXPECT_EQ(PixelAt(label, 4, 7), ResolveColor(clBtnHighlight));
}

TEST(NumLabPaint, NumberAlignmentsInTheField)
{
    InkLabel label(86, 15, 55);
    label.SetValue(-1.25);
    const QString text = QStringLiteral("-1.25");
    const int width = FormTextWidth(text);
    EXPECT_EQ(label.NumberInk(), ExpectedInk(text, 15 + (55 - width) / 2 + 2, label.TextTop()));
    label.SetAlignment(TAlignment::taLeftJustify);
    EXPECT_EQ(label.NumberInk(), ExpectedInk(text, 19, label.TextTop()));
    label.SetAlignment(TAlignment::taRightJustify);
    EXPECT_EQ(label.NumberInk(), ExpectedInk(text, 15 + 55 - width - 2, label.TextTop()));

    // Text wider than the field is clipped to its inside.
    label.SetLabelWidth(20);
    label.SetOverflowIndicator(QStringLiteral("WWWWWWWW"));
    EXPECT_TRUE(QRect(18, 2, 16, 17).contains(label.NumberInk()));
}

TEST(NumLabPaint, LeftAndRightTextAlignmentsAndEmpty)
{
    InkLabel label(160, 40, 50);
    const QString text = QStringLiteral("k");
    const int width = FormTextWidth(text);
    const int top = label.TextTop();
    label.SetLeftText(text);
    EXPECT_EQ(label.SideInk(), ExpectedInk(text, 40 - width - 5, top));
    label.SetLeftTextAlignment(TAlignment::taLeftJustify);
    EXPECT_EQ(label.SideInk(), ExpectedInk(text, 7, top));
    label.SetLeftTextAlignment(TAlignment::taCenter);
    EXPECT_EQ(label.SideInk(), ExpectedInk(text, (40 - width) / 2, top));

    label.SetLeftText(QString());
    label.SetRightText(text);
    EXPECT_EQ(label.SideInk(), ExpectedInk(text, 97, top));
    label.SetRightTextAlignment(TAlignment::taRightJustify);
    EXPECT_EQ(label.SideInk(), ExpectedInk(text, 160 - width - 6, top));
    label.SetRightTextAlignment(TAlignment::taCenter);
    EXPECT_EQ(label.SideInk(), ExpectedInk(text, (160 - (90 + width)) / 2 + 91, top));

    // An empty label still shows its texts and frame, but no number.
    EXPECT_FALSE(label.NumberInk().isNull());
    label.SetEmpty(true);
    EXPECT_TRUE(label.NumberInk().isNull());
    EXPECT_EQ(label.SideInk(), ExpectedInk(text, (160 - (90 + width)) / 2 + 91, top));
    EXPECT_EQ(PixelAt(label, 40, 0), clGray);
}
