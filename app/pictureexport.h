#pragma once
// Pictures of the main window's parts for worksheets, written as PNG (the pixels on
// the screen), SVG or PDF. The format follows the file's extension. In SVG and PDF a
// chart is drawn shape by shape, so its lines, marks and text stay vector elements;
// everything else (the error map, the surface, the whole window) goes in as its
// pixels.
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

class QWidget;
class TPlotta;

enum class TPictureFormat { Png, Svg, Pdf };

// The format a file name's extension asks for (case ignored); none for others.
std::optional<TPictureFormat> PictureFormatOf(const QString& path);

// What a picture shows: an area of a widget, in the widget's pixels; or a chart.
struct TPictureSource {
    QWidget* Widget = nullptr;
    QRect Area; // the whole widget when empty
    TPlotta* Chart = nullptr; // set: the widget is this chart, drawn as vectors
};
TPictureSource WidgetPicture(QWidget& widget);
TPictureSource AreaPicture(QWidget& widget, const QRect& area);
TPictureSource ChartPicture(TPlotta& chart);

// The source's pixels as on the screen, at device pixel ratio 1.
QImage PicturePixels(const TPictureSource& source);

// Writes the picture to path in the format of its extension; false with a reason in
// error when the extension is unknown or the file cannot be written. A failed write
// leaves any file at path as it was.
bool WritePicture(const TPictureSource& source, const QString& path, QString& error);
