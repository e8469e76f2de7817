#pragma once
// The about box: name, version, authors, description and web links; also the start-up splash.
#include <QDialog>

class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);
};

extern TFrmAbout* FrmAbout;
