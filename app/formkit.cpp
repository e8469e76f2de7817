#include "app/formkit.h"

#include "controls/numlab/numlab.h"
#include "platform/color.h"

#include <QScreen>

TSpeedButton::TSpeedButton(QWidget* parent, const QString& caption, const QRect& place)
    : QToolButton(parent)
{
    setText(caption);
    setGeometry(place);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

TBitBtn::TBitBtn(QWidget* parent, const QString& caption, const QRect& place)
    : QPushButton(caption, parent)
{
    setGeometry(place);
}

QPlainTextEdit* MakeInfoMemo(QWidget* parent, const QString& name, const QRect& place)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(place);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
    // Its own menu is empty: a right click on it shows nothing, not the window's menu.
    memo->setContextMenuPolicy(Qt::PreventContextMenu);
    // Whatever is dropped on it goes to its window.
    memo->setAcceptDrops(false);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, ToQColor(clInfoBk));
    palette.setColor(QPalette::Text, ToQColor(clInfoText));
    memo->setPalette(palette);
    return memo;
}

void TSpeedButton::SetGroupIndex(int group)
{
    setCheckable(group != 0);
    setAutoExclusive(group != 0);
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

void CenterOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

namespace {

const char* const SizedToTextProperty = "sizedToText";

QLabel* NewTextSizedLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                          Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setProperty(SizedToTextProperty, true);
    label->adjustSize();
    return label;
}

} // namespace

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, const QFont& font)
{
    QLabel* label = NewTextSizedLabel(parent, name, text, font, Qt::AlignLeft);
    label->move(x, y);
    return label;
}

QLabel* MakeRightAlignedLabel(QWidget* parent, const QString& name, const QString& text, int right, int y,
                              const QFont& font)
{
    QLabel* label = NewTextSizedLabel(parent, name, text, font, Qt::AlignRight);
    label->move(right - label->width(), y);
    return label;
}

void FitLabelsToText(QWidget* form)
{
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->property(SizedToTextProperty).toBool())
            continue;
        const QRect before = label->geometry();
        label->adjustSize();
        if (label->alignment() & Qt::AlignRight)
            label->move(before.right() + 1 - label->width(), before.top());
    }
}

void ShowWithDecimalsThatFit(TNumLab& label, double value, int maxDecimals, bool scientificWhenTooLong)
{
    auto overflows = [&label] { return label.DisplayText() == label.OverflowIndicator(); };
    label.SetDisplayType(TDisplay::dtFixP);
    label.SetPrecision(maxDecimals);
    label.SetValue(value);
    while (label.Precision() > 0 && overflows())
        label.SetPrecision(label.Precision() - 1);
    if (!scientificWhenTooLong || !overflows())
        return;
    constexpr int MostSignificantDigits = 4;
    label.SetDisplayType(TDisplay::dtExp);
    label.SetPrecision(MostSignificantDigits);
    while (label.Precision() > 1 && overflows())
        label.SetPrecision(label.Precision() - 1);
}
