#pragma once
// Helpers for looking at what a numeric label drew, in the forms' font.
#include "controls/numlab/numlab.h"

#include <QColor>
#include <QFont>
#include <QRect>

// Arial, 13 pixels, as a widget font and as the canvas uses it.
inline QFont FormFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

inline TBitmap& FormCanvasBitmap(TBitmap& bitmap)
{
    bitmap.Canvas().Font.Name = QStringLiteral("Arial");
    bitmap.Canvas().Font.Height = 13;
    return bitmap;
}

inline int FormTextWidth(const QString& text)
{
    TBitmap probe(1, 1);
    return FormCanvasBitmap(probe).Canvas().TextWidth(text);
}

inline TColor PixelAt(const TNumLab& label, int x, int y)
{
    return FromQColor(QColor(label.CurrentPicture().Image().pixel(x, y)));
}

// The smallest rectangle holding every pixel of the given color (null when none).
inline QRect InkBox(const QImage& image, TColor ink)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (FromQColor(QColor(image.pixel(x, y))) == ink)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Where the ink of text lies when its top-left corner is at (x, y).
inline QRect ExpectedInk(const QString& text, int x, int y)
{
    TBitmap bitmap(300, 60);
    TCanvas& canvas = FormCanvasBitmap(bitmap).Canvas();
    canvas.Font.Color = clBlack;
    canvas.TextOut(0, 0, text);
    return InkBox(bitmap.Image(), clBlack).translated(x, y);
}
