// The main window and data files: opening, saving, the examples, and showing a data
// set in its own units.
#include "app/frmmain.h"
#include "app/maplabels.h"
#include "app/programfolders.h"
#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"
#include "courseware/demon.h"
#include "dataset/examples.h"
#include "platform/messagebox.h"
#include "translation/tolkar.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <algorithm>

namespace {

// The chart's design keeps its axes at least this far apart; a data set's tiny
// numbers may need less.
constexpr double LessonMinRange = 1e-10;

void SetAxis(TScaleProps& axis, const TChartRange& range, const QString& caption)
{
    axis.SetMinRange(std::min(LessonMinRange, (range.High - range.Low) * 1e-6));
    axis.SetRangeLow(range.Low);
    axis.SetRangeHigh(range.High);
    axis.SetCaption(caption);
}

} // namespace

void TFrmMain::ApplyChartAxes(TPlotta& chart) const
{
    TScaleProps& x = *chart.Scale1X();
    TScaleProps& y = *chart.Scale1Y();
    SetAxis(x, View.ChartX, LoadedData ? LoadedData->XName : QString());
    SetAxis(y, View.ChartY, LoadedData ? LoadedData->YName : QString());
    // The x column's name ends under the axis's right end, below the values; the y
    // column's name stands over the axis, from the chart's left edge.
    x.SetCaptionAnchor(TScaleUnitAnchor::uaSclBotRgt);
    x.SetCaptionAlignment(TAlignment::taRightJustify);
    x.SetCaptionPosX(0);
    x.SetCaptionPosY(20);
    y.SetCaptionAnchor(TScaleUnitAnchor::uaSclTopLft);
    y.SetCaptionAlignment(TAlignment::taLeftJustify);
    y.SetCaptionPosX(12 - chart.LRim());
    y.SetCaptionPosY(-17);
}

void TFrmMain::ShowInView(const TDataView& view)
{
    View = view;
    ApplyChartAxes(*Plotta1);
    if (LoadedData)
        m_mapLabels->ShowWindow(View.Map);
    else
        m_mapLabels->ShowDesign();
    if (Page() >= FirstPage && Page() <= LastPage)
        Memo->setPlainText(PageText(Page()));
    K = View.StartK;
    D = View.StartD;
    ComputeErrorMap();
    DrawChart();
    DrawErrorMapImage();
    DrawScaleImages();
    ShowLine();
    emit DataSetChanged();
}

bool TFrmMain::LoadPoints(const PointSet& points, const QString& file)
{
    const std::optional<TDataView> view = FitDataView(points.x, points.y);
    if (!view) {
        ReportDataFileProblem(QStringLiteral("The numbers in <%1%> are too large to show"), file, QString());
        return false;
    }
    NumPoints = static_cast<std::uint16_t>(points.x.size());
    std::copy(points.x.begin(), points.x.end(), DataX.begin() + 1);
    std::copy(points.y.begin(), points.y.end(), DataY.begin() + 1);
    LoadedData = TLoadedData{points.xName, points.yName, file};
    ShowInView(*view);
    return true;
}

void TFrmMain::PointsEdited()
{
    const auto x = PointsOf(DataX, NumPoints);
    const auto y = PointsOf(DataY, NumPoints);
    if (!LoadedData || ViewFitsPoints(View, x, y))
        return;
    if (const std::optional<TDataView> view = FitDataView(x, y))
        ShowInView(*view);
}

PointSet TFrmMain::CurrentPoints() const
{
    PointSet points;
    if (LoadedData) {
        points.xName = LoadedData->XName;
        points.yName = LoadedData->YName;
    }
    const auto x = PointsOf(DataX, NumPoints);
    const auto y = PointsOf(DataY, NumPoints);
    points.x.assign(x.begin(), x.end());
    points.y.assign(y.begin(), y.end());
    return points;
}

void TFrmMain::ReportDataFileProblem(const QString& key, const QString& file, const QString& reason)
{
    ShowInformation(clidemon->Translator().LookupText(key, {QFileInfo(file).fileName(), reason}));
}

bool TFrmMain::OpenDataFile(const QString& path)
{
    const QString cannotOpen = QStringLiteral("The data file <%1%> cannot be opened: <%2%>");
    const Result<DataTable> table = ReadDataTable(path);
    if (!table) {
        ReportDataFileProblem(cannotOpen, path, table.Message());
        return false;
    }
    int xColumn = 0, yColumn = 1;
    if (table.Value().names.size() > 2) {
        const std::optional<std::pair<int, int>> chosen = ChooseColumns(path, table.Value().names);
        if (!chosen)
            return false;
        std::tie(xColumn, yColumn) = *chosen;
    }
    const Result<PointSet> points = PickPoints(table.Value(), xColumn, yColumn);
    if (!points) {
        ReportDataFileProblem(cannotOpen, path, points.Message());
        return false;
    }
    return LoadPoints(points.Value(), path);
}

bool TFrmMain::OpenExample(const QString& name)
{
    const QString file = ExampleFile(name, TProgramFolders::OfRunningProgram().ExamplesDir());
    if (file.isEmpty()) {
        ShowInformation(
            clidemon->Translator().LookupText(QStringLiteral("There is no example named <%1%>"), {name}));
        return false;
    }
    return OpenDataFile(file);
}

bool TFrmMain::SaveDataFile(const QString& path)
{
    const Outcome written = WritePointFile(path, CurrentPoints());
    if (!written) {
        ReportDataFileProblem(QStringLiteral("The data file <%1%> cannot be saved: <%2%>"), path,
                              written.Message());
        return false;
    }
    if (LoadedData)
        LoadedData->File = path;
    return true;
}

namespace {

// Where a file dialog starts: beside the data set's file, else in the home folder.
QString DialogFolder(const std::optional<TFrmMain::TLoadedData>& data)
{
    return data ? QFileInfo(data->File).absolutePath() : QDir::homePath();
}

} // namespace

QString AskWithFileDialog(QWidget* parent, const TFrmMain::TFileQuestion& question)
{
    QFileDialog dialog(parent, question.Title, question.Path, question.Filter);
    if (question.Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(question.DefaultSuffix);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TFrmMain::OpenDataFile()
{
    TTolkar2000& translator = clidemon->Translator();
    const QString path =
        AskForFile({false, translator.LookupText(QStringLiteral("Open data file")), DialogFolder(LoadedData),
                    translator.LookupText(QStringLiteral("Data files (*.csv *.tsv *.txt)"))
                        + QStringLiteral(";;") + translator.LookupText(QStringLiteral("All files (*)")),
                    QString()});
    if (!path.isEmpty())
        OpenDataFile(path);
}

void TFrmMain::SaveDataFile()
{
    TTolkar2000& translator = clidemon->Translator();
    const QString name =
        LoadedData ? QFileInfo(LoadedData->File).completeBaseName() : QStringLiteral("points");
    const QString path =
        AskForFile({true, translator.LookupText(QStringLiteral("Save data file")),
                    QDir(DialogFolder(LoadedData)).filePath(name + QStringLiteral(".csv")),
                    translator.LookupText(QStringLiteral("CSV files (*.csv)")), QStringLiteral("csv")});
    if (!path.isEmpty())
        SaveDataFile(path);
}
