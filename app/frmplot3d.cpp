#include "app/frmplot3d.h"

#include "app/formkit.h"

TFrmPlot3D* FrmPlot3D = nullptr;

TFrmPlot3D::TFrmPlot3D(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPlot3D"));
    setWindowTitle(QStringLiteral("TK_Error Surface"));
    setFont(ArialPixels(13));
    resize(615, 539);
}
