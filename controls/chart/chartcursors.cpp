#include "controls/chart/chartcursors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>

namespace {

constexpr int kSize = 32;
// Center and radius of a magnifier's lens; the lens center is the hot spot.
constexpr QPoint kLensCenter(12, 12);
constexpr int kLensRadius = 9;

// A transparent picture drawn in black outlines on white by draw.
QPixmap Picture(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    draw(painter);
    return pixmap;
}

QCursor HandCursor()
{
    const QPixmap pixmap = Picture([](QPainter& p) {
        // Four fingers (left edge, top) over the palm, and the thumb.
        constexpr std::array<std::pair<int, int>, 4> fingers{{{8, 6}, {12, 3}, {16, 4}, {20, 7}}};
        constexpr int palmTop = 13;
        QPainterPath hand;
        hand.addRoundedRect(8, palmTop, 16, 14, 4, 4);
        for (const auto& [x, top] : fingers)
            hand.addRoundedRect(x, top, 4, 16 - top, 2, 2);
        hand.addRoundedRect(3, 14, 8, 4, 2, 2);
        p.drawPath(hand.simplified());
        for (int i = 1; i < int(fingers.size()); ++i) {
            const int x = fingers[i].first;
            p.drawLine(x, std::max(fingers[i - 1].second, fingers[i].second) + 2, x, palmTop);
        }
    });
    return QCursor(pixmap, 14, 4);
}

// A magnifier whose lens shows what inLens draws.
QCursor Magnifier(const std::function<void(QPainter&)>& inLens)
{
    const QPixmap pixmap = Picture([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 4));
        p.drawLine(kLensCenter + QPoint(7, 7), kLensCenter + QPoint(17, 17)); // handle
        p.setPen(QPen(Qt::black, 2));
        p.drawEllipse(kLensCenter, kLensRadius, kLensRadius);
        p.setPen(QPen(Qt::black, 1));
        inLens(p);
    });
    return QCursor(pixmap, kLensCenter.x(), kLensCenter.y());
}

// The frame of a zoom window in the lens.
void WindowInLens(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(kLensCenter - QPoint(4, 4), QSize(8, 8)));
}

QCursor CreateCursor(TChartCursor cursor)
{
    switch (cursor) {
    case TChartCursor::crHand:
        return HandCursor();
    case TChartCursor::crZoomWindow:
        return Magnifier(WindowInLens);
    case TChartCursor::crZoomDrag:
        return Magnifier([](QPainter& p) {
            p.drawLine(kLensCenter - QPoint(4, 0), kLensCenter + QPoint(4, 0));
            p.drawLine(kLensCenter - QPoint(0, 4), kLensCenter + QPoint(0, 4));
        });
    case TChartCursor::crZoomWindowPos:
        // The window with an arrow up and to the right: the axes keep their direction.
        return Magnifier([](QPainter& p) {
            WindowInLens(p);
            p.setPen(QPen(Qt::black, 1));
            const QPoint tip = kLensCenter + QPoint(3, -3);
            p.drawLine(kLensCenter + QPoint(-3, 3), tip);
            p.drawLine(tip, tip + QPoint(-3, 0));
            p.drawLine(tip, tip + QPoint(0, 3));
        });
    }
    return QCursor();
}

} // namespace

// The cursors live as long as the application: their pictures go with it.
const QCursor& ChartCursor(TChartCursor cursor)
{
    using TCursors = std::array<QCursor, 4>;
    static std::unique_ptr<TCursors> cursors;
    if (!cursors) {
        cursors = std::make_unique<TCursors>(
            TCursors{CreateCursor(TChartCursor::crHand), CreateCursor(TChartCursor::crZoomWindow),
                     CreateCursor(TChartCursor::crZoomDrag), CreateCursor(TChartCursor::crZoomWindowPos)});
        qAddPostRoutine([] { cursors.reset(); });
    }
    return (*cursors)[cursor - TChartCursor::crHand];
}

void TScreenCursor::Show(const QCursor& cursor)
{
    if (m_overriding) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        m_overriding = true;
    }
}

void TScreenCursor::ShowDefault()
{
    if (m_overriding) {
        QGuiApplication::restoreOverrideCursor();
        m_overriding = false;
    }
}
