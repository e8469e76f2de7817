#pragma once
// The data point editor: sets, removes, clears and randomises the main window's points.
#include <QDialog>

class TFrmSetPoints : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSetPoints(QWidget* parent = nullptr);
};

extern TFrmSetPoints* FrmSetPoints;
