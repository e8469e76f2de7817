#include "app/frmabout.h"

#include "app/formkit.h"

TFrmAbout* FrmAbout = nullptr;

TFrmAbout::TFrmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("TK_About"));
    setFont(ArialPixels(13));
    setFixedSize(543, 332);
}
