#include "app/pictureexport.h"

#include "controls/chart/plotta.h"
#include "platform/canvas.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

std::optional<TPictureFormat> PictureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return TPictureFormat::Png;
    if (suffix == QLatin1String("svg"))
        return TPictureFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return TPictureFormat::Pdf;
    return std::nullopt;
}

TPictureSource WidgetPicture(QWidget& widget) { return {&widget, {}, nullptr}; }

TPictureSource AreaPicture(QWidget& widget, const QRect& area) { return {&widget, area, nullptr}; }

TPictureSource ChartPicture(TPlotta& chart) { return {&chart, {}, &chart}; }

namespace {

QRect AreaOf(const TPictureSource& source)
{
    return source.Area.isEmpty() ? source.Widget->rect() : source.Area;
}

// Draws the source onto a vector device whose units are the source's pixels.
void PaintVector(const TPictureSource& source, QPaintDevice& device)
{
    if (source.Chart) {
        TCanvas canvas(&device);
        source.Chart->PaintOnto(canvas);
        return;
    }
    QPainter painter(&device);
    painter.drawImage(0, 0, PicturePixels(source));
}

QByteArray SvgBytes(const TPictureSource& source)
{
    const QSize size = AreaOf(source).size();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setResolution(96);
    PaintVector(source, svg);
    return buffer.data();
}

// One page the size of the picture, one point per pixel.
QByteArray PdfBytes(const TPictureSource& source)
{
    const QSize size = AreaOf(source).size();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        PaintVector(source, pdf);
    }
    return buffer.data();
}

QByteArray PngBytes(const TPictureSource& source)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PicturePixels(source).save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

QImage PicturePixels(const TPictureSource& source)
{
    const QRect area = AreaOf(source);
    QImage image(area.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(source.Widget->palette().color(QPalette::Window));
    source.Widget->render(&image, QPoint(), QRegion(area));
    return image;
}

bool WritePicture(const TPictureSource& source, const QString& path, QString& error)
{
    const std::optional<TPictureFormat> format = PictureFormatOf(path);
    if (!format) {
        error = QStringLiteral("unknown picture format");
        return false;
    }
    const QByteArray bytes = *format == TPictureFormat::Png ? PngBytes(source)
        : *format == TPictureFormat::Svg                    ? SvgBytes(source)
                                                            : PdfBytes(source);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
