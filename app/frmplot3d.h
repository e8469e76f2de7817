#pragma once
// The error surface window: the main window's error grid as a turnable 3-D surface,
// with Reset, Auto Rotate / Stop and Close.
#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QTimer;
class TBitBtn;
class TPlot3D;
class TTolkar2000;

class TFrmPlot3D : public QDialog {
    Q_OBJECT
public:
    // translator looks up the captions the window sets itself ("Auto Rotate", "Stop").
    explicit TFrmPlot3D(TTolkar2000& translator, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    TBitBtn* BButReset = nullptr;
    TBitBtn* BButAutoRot = nullptr; // Tag: 1 while rotating
    TBitBtn* BButClose = nullptr;
    QPlainTextEdit* MMExplain3D = nullptr;
    TPlot3D* P3D = nullptr;
    QTimer* Timer1 = nullptr;

    void BButResetClick();
    void BButAutoRotClick();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildPlot();
    void ShowRotationStopped();

    TTolkar2000& m_translator;
};

extern TFrmPlot3D* FrmPlot3D;
