#pragma once
// The data point editor: the learner sets, removes, clears and randomizes the main
// window's points by clicking into a chart. It edits the main window's arrays
// directly; there is no copy and no cancel.
#include <QDialog>

class TFrmMain;
class TNumLab;
class TPlotta;
class TSpeedButton;
class TTolkar2000;

class TFrmSetPoints : public QDialog {
    Q_OBJECT
public:
    // main holds the points; translator translates the dialog at every showing.
    TFrmSetPoints(TFrmMain& main, TTolkar2000& translator, QWidget* parent = nullptr);

    TPlotta* Plotta1 = nullptr;
    TNumLab* NumLab1 = nullptr;
    TSpeedButton* SBSet = nullptr;
    TSpeedButton* SBRemove = nullptr;
    TSpeedButton* SBClear = nullptr;
    TSpeedButton* SBRandomize = nullptr;
    TSpeedButton* SBOK = nullptr;

    // Fewer than this many points cannot be taken back to the main window.
    static constexpr int MinPoints = 2;
    // More points than this cannot be set here.
    static constexpr int MaxPoints = 35;

    void FormShow();
    // A click into the chart at (mx, my) in data coordinates.
    void ChartMouseDown(double mx, double my);
    void SBClearClick();
    void SBRandomizeClick();
    void SBOKClick();
    // The main window's points were replaced: show them in their units.
    void ShowNewDataSet();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    // Whether the points may be taken back; says why not otherwise.
    bool AcceptsPoints();
    void UpdateButtonStates();
    void ShowPoints();

    TFrmMain& m_main;
    TTolkar2000& m_translator;
};

extern TFrmSetPoints* FrmSetPoints;
