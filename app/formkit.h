#pragma once
// Building blocks for the program's forms, which place their controls at fixed
// pixel positions as designed.
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

class TNumLab;

// A flat push button of a button bar. Tag is a free integer the form may use.
// Buttons of one parent given the same group index form a group of which exactly
// one is down.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    TSpeedButton(QWidget* parent, const QString& caption, const QRect& place);
    int Tag = 0;

    void SetGroupIndex(int group);
    bool Down() const { return isChecked(); }
    void SetDown(bool down) { setChecked(down); }
};

// A push button with a picture-less caption. Tag is a free integer the form may use.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    TBitBtn(QWidget* parent, const QString& caption, const QRect& place);
    int Tag = 0;
};

// A read-only text box on the information color that offers no selection, no context
// menu and takes no drops (the tutorial and explanation texts).
QPlainTextEdit* MakeInfoMemo(QWidget* parent, const QString& name, const QRect& place);

// Arial at a pixel height (the forms' design font).
QFont ArialPixels(int pixels);

// A panel at a fixed place: raised bevel, or none.
enum class TPanelBevel { None, Raised };
QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& place, TPanelBevel bevel);

// A label sized to its text whose top-left corner sits at (x, y).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, const QFont& font);
// A label sized to its text whose top-right corner sits at (right, y).
QLabel* MakeRightAlignedLabel(QWidget* parent, const QString& name, const QString& text, int right, int y,
                              const QFont& font);

// Places a window with its frame in the middle of the screen's work area.
void CenterOnScreen(QWidget& window);

// Sizes the form's text-sized labels to their current texts (after a translation);
// left-aligned ones keep their left edge, right-aligned ones their right edge.
void FitLabelsToText(QWidget* form);

// Shows value in a numeric label in fixed-point with as many decimals as the field has
// room for, at most maxDecimals: a growing number gives up decimals before it
// overflows. With scientificWhenTooLong, a number too long even without decimals is
// shown in scientific notation with as many significant digits as fit (up to four).
void ShowWithDecimalsThatFit(TNumLab& label, double value, int maxDecimals,
                             bool scientificWhenTooLong = false);
