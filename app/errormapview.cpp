#include "app/errormapview.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <optional>

namespace {

constexpr int FocusFrameWidth = 2;

bool IsKeyboardReason(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason;
}

// Cells to the right and up for an arrow key; none for any other key.
std::optional<QPoint> ArrowDirection(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return QPoint(-1, 0);
    case Qt::Key_Right:
        return QPoint(1, 0);
    case Qt::Key_Up:
        return QPoint(0, 1);
    case Qt::Key_Down:
        return QPoint(0, -1);
    default:
        return std::nullopt;
    }
}

} // namespace

TErrorMapView::TErrorMapView(QWidget* parent)
    : TImage(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // Every button picks here, the right one too.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

bool TErrorMapView::FocusFrameShown() const { return m_keyboardFocus && hasFocus(); }

bool TErrorMapView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return TImage::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowToolTip(help->pos(), help->globalPos());
    return true;
}

void TErrorMapView::ShowToolTip(const QPoint& pos, const QPoint& globalPos)
{
    const QString text = ToolTipAt ? ToolTipAt(pos.x(), pos.y()) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, text, this);
}

void TErrorMapView::paintEvent(QPaintEvent* event)
{
    TImage::paintEvent(event);
    if (!FocusFrameShown())
        return;
    // Drawn over the picture on the screen only; the picture itself stays as it is.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusFrameWidth));
    painter.setBrush(Qt::NoBrush);
    const int inset = FocusFrameWidth / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
}

void TErrorMapView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const std::optional<QPoint> direction = ArrowDirection(event->key());
    if (!direction || (modifiers & ~Qt::ShiftModifier)) {
        TImage::keyPressEvent(event);
        return;
    }
    const int steps = modifiers == Qt::ShiftModifier ? LongStep : 1;
    m_keyboardFocus = true;
    if (OnStep)
        OnStep(direction->x() * steps, direction->y() * steps);
    update();
}

void TErrorMapView::focusInEvent(QFocusEvent* event)
{
    if (IsKeyboardReason(event->reason()))
        m_keyboardFocus = true;
    else if (event->reason() == Qt::MouseFocusReason)
        m_keyboardFocus = false;
    update();
    TImage::focusInEvent(event);
}

void TErrorMapView::focusOutEvent(QFocusEvent* event)
{
    update();
    TImage::focusOutEvent(event);
}

void TErrorMapView::mousePressEvent(QMouseEvent* event)
{
    m_keyboardFocus = false;
    update();
    TImage::mousePressEvent(event);
}

void TErrorMapView::mouseMoveEvent(QMouseEvent* event)
{
    TImage::mouseMoveEvent(event);
    // An open tooltip follows the pointer while no button is held.
    if (event->buttons() == Qt::NoButton && QToolTip::isVisible())
        ShowToolTip(event->position().toPoint(), event->globalPosition().toPoint());
}
