#pragma once
// Widget states the controls share.
#include <QWidget>

// Hidden on purpose (hide() or setVisible(false)), as opposed to not shown yet because
// its window has not been shown. A control hidden on purpose skips its rendering.
inline bool IsExplicitlyHidden(const QWidget& widget)
{
    return widget.testAttribute(Qt::WA_WState_ExplicitShowHide) && widget.isHidden();
}
