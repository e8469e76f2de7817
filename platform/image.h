#pragma once
// TImage: a window-less picture control that shows a TBitmap and reports the mouse.
#include "platform/bitmap.h"
#include "platform/mouseevents.h"

#include <QWidget>

class TImage : public QWidget, public TMouseEventSource {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // The picture; its size follows the control's size, also while the control
    // is hidden and has not yet received its resize event.
    TBitmap& Picture();
    TCanvas& Canvas() { return Picture().Canvas(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    void FollowSize();

    TBitmap m_picture;
};
