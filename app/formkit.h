#pragma once
// Building blocks for the program's forms, which place their controls at fixed
// pixel positions as designed.
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

// A flat push button of a button bar. Tag is a free integer the form may use.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    TSpeedButton(QWidget* parent, const QString& caption, const QRect& place);
    int Tag = 0;
};

// Arial at a pixel height (the forms' design font).
QFont ArialPixels(int pixels);

// A panel at a fixed place: raised bevel, or none.
enum class TPanelBevel { None, Raised };
QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& place, TPanelBevel bevel);

// A label whose top-left corner sits at (x, y), sized to its text.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  const QFont& font);
