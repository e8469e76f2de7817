#pragma once
// A rectangle outline drawn in XOR over a picture while the mouse spans it: drawing
// it a second time takes it away again. Repainting the picture also takes it away;
// Forget() tells the frame so.
#include <QPoint>

class TCanvas;

class TXorFrame {
public:
    // Takes the frame shown now away and draws the one between corners a and b (as
    // TCanvas::Rectangle draws it: nothing when a and b share a row or a column).
    void Show(TCanvas& canvas, QPoint a, QPoint b);
    // Takes the frame shown now away.
    void Hide(TCanvas& canvas);
    // The picture was drawn anew: no frame is shown any more.
    void Forget() { m_shown = false; }

private:
    static void Draw(TCanvas& canvas, QPoint a, QPoint b);

    bool m_shown = false;
    QPoint m_a;
    QPoint m_b;
};
