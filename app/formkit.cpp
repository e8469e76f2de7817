#include "app/formkit.h"

TSpeedButton::TSpeedButton(QWidget* parent, const QString& caption, const QRect& place)
    : QToolButton(parent)
{
    setText(caption);
    setGeometry(place);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

QFont ArialPixels(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& place, TPanelBevel bevel)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    if (bevel == TPanelBevel::Raised)
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    else
        panel->setFrameStyle(QFrame::NoFrame);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}
