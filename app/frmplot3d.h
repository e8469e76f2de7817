#pragma once
// The error surface window: the main window's error grid as a turnable 3-D surface.
#include <QDialog>

class TFrmPlot3D : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPlot3D(QWidget* parent = nullptr);
};

extern TFrmPlot3D* FrmPlot3D;
