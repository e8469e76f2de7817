#pragma once
// The main window: chart, error map with its scales, tutorial text and buttons.
// It owns the lesson's state; the other windows reach it through FrmMain.
#include "app/dataview.h"
#include "app/errormap.h"
#include "app/errormapview.h"
#include "app/regression.h"
#include "dataset/pointfile.h"
#include "platform/bitmap.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class TImage;
class TLessonCommands;
class TLessonExtras;
class TSpeedButton;
class TkdbDemonClient;
class TNumLab;
class TPlotta;
class TFrmPlot3D;
class TFrmAbout;
class TDataCommands;
class TPictureCommands;
class TMapLabels;

class TFrmMain : public QWidget {
    Q_OBJECT
public:
    // Settings for the courseware link that differ from its design, made before it
    // loads the language file (the installed language file, say).
    using TLinkSetup = std::function<void(TkdbDemonClient& link)>;

    // fixedSeed replaces the clock as the random seed (tests, screenshots).
    explicit TFrmMain(std::optional<std::uint64_t> fixedSeed = std::nullopt,
                      const TLinkSetup& setUpLink = {});
    ~TFrmMain() override;

    // Lesson state.
    double K = 1;
    double D = 0;
    std::uint16_t NumPoints = 0;
    TPointArray DataX{};
    TPointArray DataY{};
    TErrGrid ErrGrid{};
    double ErrMax = 0;
    double ErrMin = 100.0;
    int BestI = 0;
    int BestJ = 0;
    TBitmap ErrMapBitmap;
    bool MouseIsDown = false;

    // The loaded data set's column names and file; nothing while the points are the
    // lesson's own (random, or set by hand in the lesson's units).
    struct TLoadedData {
        QString XName;
        QString YName;
        QString File;
    };
    std::optional<TLoadedData> LoadedData;
    // How the points are shown: the design for the lesson's own points, the data's own
    // units for a loaded set.
    TDataView View = LessonView;

    // N of the error grid, from the width of the map image.
    int GridN() const;
    double ErrCell(int i, int j) const { return ErrGrid[GridIndex(i, j, GridN())]; }
    // The tutorial page, kept in the Next button's tag: FirstPage..LastPage.
    static constexpr int FirstPage = 1;
    static constexpr int LastPage = 5;
    int Page() const;

    void ResetSimulation(bool KeepData);
    void ShowPage();
    void DrawChart();
    void ShowSumOfSquares();
    void GenerateRandomPoints();
    void ComputeErrorMap();
    void DrawErrorMapImage();
    void DrawScaleImages();
    // The start-up texts: icon, about box texts, translation of the other windows.
    void PrepareStartUp(TFrmAbout& about, TFrmPlot3D& surface);
    // Puts the current error surface into the 3-D window (without showing it).
    void FillErrorSurface(TFrmPlot3D& window);
    // Sets a chart's axes to the ranges and column names of the current points.
    void ApplyChartAxes(TPlotta& chart) const;

    // Data files. A file that cannot be used is reported in an information box that
    // names it, the line and the reason, and changes nothing; each returns whether the
    // points were replaced (or the file written).
    // Asks for a data file and opens it.
    void OpenDataFile();
    // Opens a CSV or TSV file; with more than two numeric columns, asks which two.
    bool OpenDataFile(const QString& path);
    // Opens one of the examples that come with the program ("anscombe-1", "cars", …).
    bool OpenExample(const QString& name);
    // Asks for a file name and saves the current points there as CSV.
    void SaveDataFile();
    bool SaveDataFile(const QString& path);
    // The current points with their column names.
    PointSet CurrentPoints() const;
    // Shows a point set that passed CheckPoints in its own units, from the line at the
    // middle of its map; file is where it came from. False, reported and with nothing
    // changed, when its numbers are too large to show.
    bool LoadPoints(const PointSet& points, const QString& file);
    // After the points were edited by hand: a data set's map moves along when its line
    // no longer lies well inside the window.
    void PointsEdited();

    // Which two of a file's numeric columns to use as x and y; nothing when the user
    // cancels. A dialog by default; tests put their own answer here.
    using TColumnChooser =
        std::function<std::optional<std::pair<int, int>>(const QString& file, const QStringList& names)>;
    TColumnChooser ChooseColumns;
    // The name of a file to open or to save (empty: cancelled). A file dialog by
    // default; tests put their own answer here.
    struct TFileQuestion {
        bool Save = false;
        QString Title;
        QString Path; // where the dialog starts: a folder, or a file name to save to
        QString Filter;
        QString DefaultSuffix; // added to a name to save without an extension
    };
    std::function<QString(const TFileQuestion& question)> AskForFile;
    // The actions of the data commands with their shortcuts, for the window's menu.
    TDataCommands* DataCommands = nullptr;
    // The picture commands: save a picture of a part, copy the window's picture.
    TPictureCommands* PictureCommands = nullptr;

    // Controls, named as designed.
    QFrame* Panel1 = nullptr;
    TSpeedButton* SBExit = nullptr;
    TSpeedButton* SBReset = nullptr;
    TSpeedButton* SBNext = nullptr;
    TSpeedButton* SBDataPts = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TSpeedButton* SB3dPlot = nullptr;
    QPlainTextEdit* Memo = nullptr;
    TPlotta* Plotta1 = nullptr;
    QFrame* Panel3 = nullptr;
    TErrorMapView* Image1 = nullptr;
    TImage* Scaling1 = nullptr;
    TImage* Scaling2 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label11 = nullptr;
    TImage* Scaling3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QRadioButton* RBLogarithmic = nullptr;
    QRadioButton* RBNormal = nullptr;
    TNumLab* NLk = nullptr;
    TNumLab* NLd = nullptr;
    QCheckBox* CBSquares = nullptr;
    TNumLab* NLSum_e2 = nullptr;
    TkdbDemonClient* clidemon = nullptr;
    // Every command of the window, in its context menu and on its shortcuts.
    TLessonCommands* Commands = nullptr;
    // The squares of the residuals and the least-squares line, when the learner shows them.
    TLessonExtras* Extras = nullptr;

signals:
    // The points were replaced (a file, an example, or random points in the lesson's
    // units again): the windows that show them refresh.
    void DataSetChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildButtonBar();
    void BuildMemo();
    void BuildErrorMapPanel();
    void BuildColorPanel();
    void BuildValueFields();
    void ConnectHandlers();
    void BuildCoursewareLink();
    void BringToFront();
    void BuildCommands();
    void SetTabOrder();
    void DescribeControls();
    void DescribeLine();
    // What a pick of (k, d) shows in the value fields, as one line of text: k and d,
    // and the sum of squares once the lesson shows it.
    QString LineValuesText(double k, double d) const;
    void FormCreate(std::optional<std::uint64_t> fixedSeed);

    void Image1MouseDown(int X, int Y);
    void Image1MouseMove(int X, int Y);
    // Picks the point of the map at (X, Y) if it can be picked.
    void PickAt(int X, int Y);
    void Image1Step(int stepsK, int stepsD);
    QString Image1ToolTip(int X, int Y) const;
    void SBNextClick();
    void SB3dPlotClick();
    void SpeedButton4Click();
    void SBDataPtsClick();
    void FormShow();
    void LoadIcon(TFrmAbout& about);
    void EncodingClick();

    QString PageText(int page) const;

    // Shows the points in a view: charts, map window and labels, value fields, the line
    // at the view's start; then recomputes and redraws everything.
    void ShowInView(const TDataView& view);
    void ShowLine();
    void ShowNumber(TNumLab& label, double value, int decimals);
    void ReportDataFileProblem(const QString& key, const QString& file, const QString& reason);

    // The map image beneath the learner's marker: blank before page 4, then the map
    // with its optimum.
    bool MapImageBlank() const;
    void DrawOptimumMarker(TCanvas& canvas);
    // Draws the learner's 3 × 3 marker for K and D; returns the pixels it covers.
    QRect DrawLearnerMarker(TCanvas& canvas);
    // A pick moves the learner's marker: what it covered comes back as a full drawing
    // would leave it, and only the old and the new marker go to the screen.
    void MoveLearnerMarker();

    std::unique_ptr<TMapLabels> m_mapLabels;
    bool m_shown = false;
    // Where the map image shows the learner's marker, and on which background; nothing
    // while the image has to be drawn in full.
    struct TLearnerMarker {
        QRect Pixels;
        bool OnBlank = false;
    };
    std::optional<TLearnerMarker> m_learnerMarker;
};

extern TFrmMain* FrmMain;

// The file dialog that answers a question for a file.
QString AskWithFileDialog(QWidget* parent, const TFrmMain::TFileQuestion& question);
