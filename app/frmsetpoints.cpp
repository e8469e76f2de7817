#include "app/frmsetpoints.h"

#include "app/formkit.h"

TFrmSetPoints* FrmSetPoints = nullptr;

TFrmSetPoints::TFrmSetPoints(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmSetPoints"));
    setWindowTitle(QStringLiteral("TK_Data points"));
    setFont(ArialPixels(13));
    setFixedSize(467, 299);
    move(323, 284);
}
