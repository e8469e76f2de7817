#include "platform/color.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace {

// The palette entry that stands for a system color; false for an unknown index.
bool PaletteColorOf(TColor c, QColor& out)
{
    const QPalette palette = QApplication::palette();
    switch (c) {
    case clBtnFace:
        out = palette.color(QPalette::Button);
        return true;
    case clBtnShadow:
        out = palette.color(QPalette::Dark);
        return true;
    case clBtnHighlight:
        out = palette.color(QPalette::Light);
        return true;
    case clInfoBk:
        out = palette.color(QPalette::ToolTipBase);
        return true;
    case clInfoText:
        out = palette.color(QPalette::ToolTipText);
        return true;
    case clGrayText:
        out = palette.color(QPalette::Disabled, QPalette::Text);
        return true;
    case clWindow:
        out = palette.color(QPalette::Base);
        return true;
    case clWindowText:
        out = palette.color(QPalette::Text);
        return true;
    case clBtnText:
        out = palette.color(QPalette::ButtonText);
        return true;
    default:
        return false;
    }
}

} // namespace

QColor ToQColor(TColor c)
{
    if (IsSystemColor(c)) {
        QColor system;
        if (!PaletteColorOf(c, system))
            return QColor(0, 0, 0);
        return QColor(system.red(), system.green(), system.blue());
    }
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

TColor ResolveColor(TColor c) { return IsSystemColor(c) ? FromQColor(ToQColor(c)) : c; }
