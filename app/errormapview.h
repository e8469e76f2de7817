#pragma once
// The error map on the screen: a picture that also takes the keyboard. The arrow
// keys step the pick by one grid cell (with Shift by five), a frame shows when the
// keyboard has brought the focus here, and hovering shows what a pick there would give.
#include "platform/image.h"

#include <functional>

class TErrorMapView : public TImage {
    Q_OBJECT
public:
    explicit TErrorMapView(QWidget* parent = nullptr);

    // Cells a step with Shift goes.
    static constexpr int LongStep = 5;

    // An arrow key: cells to the right (k) and up (d).
    std::function<void(int stepsK, int stepsD)> OnStep;
    // The tooltip for the pointer at (X, Y); empty shows none.
    std::function<QString(int X, int Y)> ToolTipAt;

    // Whether the focus frame is drawn now.
    bool FocusFrameShown() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ShowToolTip(const QPoint& pos, const QPoint& globalPos);

    // The focus came from the keyboard, or the keyboard has been used since.
    bool m_keyboardFocus = false;
};
