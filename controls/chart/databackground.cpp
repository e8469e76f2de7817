#include "controls/chart/databackground.h"

#include "controls/chart/bakgndimg.h"
#include "platform/canvas.h"

bool TDataBackground::LoadPicture(TBakGndImg& image)
{
    if (image.Name().isEmpty())
        return false;
    if (m_picture.LoadFromFile(image.Name()))
        return true;
    image.ForgetName();
    return false;
}

void TDataBackground::Paint(TCanvas& canvas, TColor chartColor, TColor frameColor, TBakGndImg& image)
{
    const int width = canvas.Width();
    const int height = canvas.Height();
    canvas.Pen = TPen{frameColor, 1, TPenStyle::psSolid, TPenMode::pmCopy};
    canvas.Brush = TBrush{chartColor, TBrushStyle::bsSolid};
    if (!LoadPicture(image)) {
        canvas.Rectangle(0, 0, width, height);
        return;
    }
    switch (image.FillMode()) {
    case TBkgFill::bfSimple:
        canvas.Rectangle(0, 0, width, height);
        canvas.Draw(0, 0, m_picture);
        break;
    case TBkgFill::bfStretch:
        canvas.StretchDraw(Rect(0, 0, width, height), m_picture);
        break;
    case TBkgFill::bfTile:
        PaintTiles(canvas);
        break;
    }
}

void TDataBackground::PaintTiles(TCanvas& canvas) const
{
    const int w = m_picture.Width();
    const int h = m_picture.Height();
    const int columns = (canvas.Width() - 1) / w + 1;
    const int rows = (canvas.Height() - 1) / h + 1;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            canvas.Draw(c * w, r * h, m_picture);
}
