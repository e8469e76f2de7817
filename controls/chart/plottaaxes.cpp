// TPlotta: rims, shadow, layouts and size, and keeping the layers' axes in step.
#include "controls/chart/layouts.h"
#include "controls/chart/plotta.h"
#include "platform/bitmap.h"

#include <algorithm>

namespace {

// Smallest data area the control keeps room for.
constexpr int kMinDataWidth = 80;
constexpr int kMinDataHeight = 20;

} // namespace

double TPlotta::DisplayPixelAspect()
{
    TBitmap probe(1, 1);
    return double(probe.Canvas().PixelsPerInchX()) / probe.Canvas().PixelsPerInchY();
}

TChartGeometry TPlotta::Geometry() const
{
    return {width(), height(), m_lRim, m_rRim, m_tRim, m_bRim, m_shadowWidth};
}

QPoint TPlotta::DataToPixel(int Layer, double X, double Y) const
{
    const TLayerTransform& transform = m_layers.Transform(Layer, Geometry());
    return {transform.X.ToPixel(X), transform.Y.ToPixel(Y)};
}

QPointF TPlotta::PixelToData(int Layer, int X, int Y) const
{
    const TLayerTransform& transform = m_layers.Transform(Layer, Geometry());
    return {transform.X.ToValue(X), transform.Y.ToValue(Y)};
}

void TPlotta::AxesChanged()
{
    m_layers.FollowLeaders();
    HandOverAxes();
    PropertyChanged();
}

void TPlotta::SetJointLayers(TJointLayers* value)
{
    if (value && value != JointLayers())
        JointLayers()->Assign(*value);
}

QSize TPlotta::minimumSizeHint() const
{
    return {m_lRim + m_rRim + kMinDataWidth + m_shadowWidth,
            m_tRim + m_bRim + kMinDataHeight + m_shadowWidth};
}

// The rims take their room out of the data area; the control keeps its size.
void TPlotta::RimsChanged()
{
    updateGeometry();
    HandOverAxes();
    PropertyChanged();
}

void TPlotta::SetRim(int& rim, int value)
{
    rim = value;
    if (m_isometric)
        m_layers.MakeIsometric(Geometry(), m_pixelAspect);
    RimsChanged();
}

void TPlotta::SetLRim(int value) { SetRim(m_lRim, value); }
void TPlotta::SetRRim(int value) { SetRim(m_rRim, value); }
void TPlotta::SetTRim(int value) { SetRim(m_tRim, value); }
void TPlotta::SetBRim(int value) { SetRim(m_bRim, value); }

void TPlotta::SetShadowWidth(int value)
{
    m_shadowWidth = std::clamp(value, 0, 32);
    RimsChanged();
}

void TPlotta::SetIsometric(bool value)
{
    m_isometric = value;
    if (!value)
        return;
    m_layers.MakeIsometric(Geometry(), m_pixelAspect);
    RecordZoomHistory();
    PropertyChanged();
}

void TPlotta::resize(int w, int h)
{
    QWidget::resize(w, h);
    FollowSize();
}

void TPlotta::setGeometry(int x, int y, int w, int h)
{
    QWidget::setGeometry(x, y, w, h);
    FollowSize();
}

void TPlotta::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FollowSize();
}

void TPlotta::FollowSize()
{
    if (AdoptSize())
        PropertyChanged();
}

bool TPlotta::AdoptSize()
{
    if (size() == m_adoptedSize)
        return false;
    const QSize least = size().expandedTo(minimumSizeHint());
    if (size() != least) {
        QWidget::resize(least);
        // A visible chart has adopted it in the resize event this sent.
        if (size() == m_adoptedSize)
            return false;
    }
    m_adoptedSize = size();
    const bool wasSuspended = SuspendUpdates();
    if (m_isometric)
        m_layers.MakeIsometric(Geometry(), m_pixelAspect);
    HandOverAxes();
    m_updatesSuspended = wasSuspended;
    return true;
}

void TPlotta::SetStandardLayout(TrcLayout value)
{
    const bool wasSuspended = SuspendUpdates();
    const TChartLayout layout = StandardLayoutOf(value);
    SetLRim(layout.LRim);
    SetRRim(layout.RRim);
    SetTRim(layout.TRim);
    SetBRim(layout.BRim);
    SetCaptionPosX(layout.CaptionPosX);
    SetCaptionPosY(layout.CaptionPosY);
    SetCaptionAlignment(layout.CaptionAlignment);
    SetCaptionAnchorHoriz(layout.CaptionAnchorHoriz);
    SetCaptionAnchorVert(layout.CaptionAnchorVert);
    for (int n = 1; n <= int(layout.X.size()); ++n) {
        ApplyAxisLayout(*ScaleX(n), layout.X[n - 1]);
        ApplyAxisLayout(*ScaleY(n), layout.Y[n - 1]);
    }
    for (int n = int(layout.X.size()) + 1; n <= TPlottaLayers::kCount; ++n) {
        ScaleX(n)->SetVisible(false);
        ScaleY(n)->SetVisible(false);
    }
    m_standardLayout = value;
    HandOverAxes();
    ResumeUpdates(wasSuspended);
}

void TPlotta::Loaded()
{
    HandOverAxes();
    m_layers.Loaded();
    Repaint();
}
