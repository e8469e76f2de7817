// The lesson in the main window: tutorial pages, the chart, the error map and
// picking k and d in it.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/lessonextras.h"
#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"
#include "controls/numlab/numlab.h"
#include "courseware/demon.h"
#include "platform/image.h"
#include "platform/rounding.h"
#include "translation/tolkar.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

int TFrmMain::GridN() const { return GridSize(Image1->width()); }

int TFrmMain::Page() const { return SBNext->Tag; }

void TFrmMain::ResetSimulation(bool KeepData)
{
    K = View.StartK;
    D = View.StartD;
    ShowNumber(*NLk, K, View.KDecimals);
    ShowNumber(*NLd, D, View.DDecimals);
    SBNext->Tag = FirstPage;
    ShowPage();
    if (!KeepData) {
        NumPoints = 20;
        GenerateRandomPoints();
        ComputeErrorMap();
    }
    DrawChart();
    DrawErrorMapImage();
    DrawScaleImages();
    MouseIsDown = false;
}

// Pages 1 and 2 name the lesson's start line and ranges; a data set has texts of its own
// there.
QString TFrmMain::PageText(int page) const
{
    const bool ownText = LoadedData && page <= 2;
    const QString key = ownText ? QStringLiteral("memo%1data") : QStringLiteral("memo%1");
    return clidemon->Translator().LookupText(key.arg(page));
}

void TFrmMain::ShowPage()
{
    switch (Page()) {
    case 1:
        Memo->setPlainText(PageText(1));
        SBNext->setEnabled(true);
        CBSquares->setChecked(false);
        SBDataPts->setEnabled(false);
        Panel2->hide();
        Panel3->hide();
        CBSquares->setEnabled(false);
        NLSum_e2->hide();
        SB3dPlot->setEnabled(false);
        break;
    case 2:
        Memo->setPlainText(PageText(2));
        Panel3->show();
        break;
    case 3:
        Memo->setPlainText(PageText(3));
        CBSquares->setEnabled(true);
        CBSquares->setChecked(true);
        NLSum_e2->show();
        break;
    case 4:
        Memo->setPlainText(PageText(4));
        SB3dPlot->setEnabled(true);
        DrawErrorMapImage();
        Panel2->show();
        break;
    case LastPage:
        SB3dPlot->setEnabled(true);
        Memo->setPlainText(PageText(5));
        SBDataPts->setEnabled(true);
        Panel3->show();
        CBSquares->setEnabled(true);
        NLSum_e2->show();
        Panel2->show();
        SBNext->setEnabled(false);
        DrawErrorMapImage();
        break;
    default:
        break;
    }
    // The description follows what the page shows.
    DescribeLine();
}

void TFrmMain::SBNextClick()
{
    SBNext->Tag += 1;
    ShowPage();
}

void TFrmMain::EncodingClick()
{
    ComputeErrorMap();
    DrawErrorMapImage();
}

void TFrmMain::DrawChart()
{
    Plotta1->ClearItems();
    Extras->AddBeneathLesson({DataX, DataY, NumPoints, K, D});
    for (int m = 1; m <= PointLoopCount(NumPoints); ++m) {
        Plotta1->AddMark(7, DataX[m], DataY[m]);
        if (CBSquares->isChecked()) {
            // The residual: a red segment from the point to the line.
            Plotta1->AddMoveTo(DataX[m], DataY[m]);
            Plotta1->SetDataColor(clRed);
            Plotta1->AddLineTo(DataX[m], K * DataX[m] + D);
            Plotta1->SetDataColor(clBlack);
        }
    }
    // The line across the whole horizontal axis, twice as wide as the rest.
    Plotta1->SetLineWidth(2);
    const double x1 = Plotta1->Scale1X()->RangeLow();
    const double x2 = Plotta1->Scale1X()->RangeHigh();
    Plotta1->AddMoveTo(x1, K * x1 + D);
    Plotta1->AddLineTo(x2, K * x2 + D);
    Plotta1->ShowItems();
    Plotta1->SetLineWidth(1);
    ShowSumOfSquares();
    DescribeLine();
}

void TFrmMain::ShowSumOfSquares()
{
    ShowNumber(*NLSum_e2, SumOfSquares(DataX, DataY, NumPoints, K, D), View.SumDecimals);
}

void TFrmMain::ShowLine()
{
    ShowNumber(*NLd, D, View.DDecimals);
    ShowNumber(*NLk, K, View.KDecimals);
}

// A data set's numbers may be too long for the fields even without decimals: they turn
// scientific. The lesson's fields keep their design.
void TFrmMain::ShowNumber(TNumLab& label, double value, int decimals)
{
    ShowWithDecimalsThatFit(label, value, decimals, LoadedData.has_value());
}

// Random points belong to the lesson's units: a data set shown before gives way.
void TFrmMain::GenerateRandomPoints()
{
    ::GenerateRandomPoints(DataX, DataY, NumPoints);
    if (LoadedData) {
        LoadedData.reset();
        ShowInView(LessonView);
    }
}

void TFrmMain::ComputeErrorMap()
{
    // The map image shows the old map until it is drawn anew.
    m_learnerMarker.reset();
    // Every pixel of the map is painted below, so the bitmap only needs the right size.
    ErrMapBitmap.SetSize(Image1->width(), Image1->height());
    // A data set may have thousands of points: its grid comes from its sums at once.
    // The lesson's points are summed cell by cell.
    const TErrExtremes extremes = LoadedData
        ? FillErrorGrid(ErrGrid, GridN(), TSquareSums(PointsOf(DataX, NumPoints), PointsOf(DataY, NumPoints)),
                        View.Map)
        : FillErrorGrid(ErrGrid, GridN(), DataX, DataY, NumPoints, View.Map);
    ErrMax = extremes.ErrMax;
    ErrMin = extremes.ErrMin;
    BestI = extremes.BestI;
    BestJ = extremes.BestJ;
    PaintErrorMap(ErrMapBitmap, ErrGrid, GridN(), extremes, !RBNormal->isChecked());
}

bool TFrmMain::MapImageBlank() const { return Page() < 4; }

void TFrmMain::DrawErrorMapImage()
{
    TCanvas& canvas = Image1->Canvas();
    if (MapImageBlank()) {
        canvas.Rectangle(-1, -1, Image1->width() + 1, Image1->height() + 1);
    } else {
        canvas.Draw(0, 0, ErrMapBitmap);
        DrawOptimumMarker(canvas);
    }
    m_learnerMarker = TLearnerMarker{DrawLearnerMarker(canvas), MapImageBlank()};
    Image1->update();
}

void TFrmMain::DrawOptimumMarker(TCanvas& canvas)
{
    const int w = Image1->width();
    const int h = Image1->height();
    const int x0 = Round(double(BestI) * w / GridN()) + 1;
    const int y0 = h - Round(double(BestJ) * h / GridN()) + 1;
    DrawMarkerBlock(canvas, x0, y0, 0, 1);
}

QRect TFrmMain::DrawLearnerMarker(TCanvas& canvas)
{
    const int xc = MapXOfK(K, Image1->width(), View.Map);
    const int yc = MapYOfD(D, Image1->height(), View.Map);
    DrawMarkerBlock(canvas, xc, yc, -1, 1);
    return QRect(xc - 1, yc - 1, 3, 3);
}

void TFrmMain::MoveLearnerMarker()
{
    if (!m_learnerMarker || m_learnerMarker->OnBlank != MapImageBlank()) {
        DrawErrorMapImage();
        return;
    }
    TCanvas& canvas = Image1->Canvas();
    const QRect old = m_learnerMarker->Pixels.intersected(Image1->rect());
    if (MapImageBlank()) {
        // The inside of the rectangle that blanks the field.
        canvas.FillRect(Rect(old.left(), old.top(), old.right() + 1, old.bottom() + 1));
    } else {
        for (int y = old.top(); y <= old.bottom(); ++y)
            for (int x = old.left(); x <= old.right(); ++x)
                canvas.SetPixel(x, y, ErrMapBitmap.Canvas().Pixel(x, y));
        DrawOptimumMarker(canvas);
    }
    m_learnerMarker->Pixels = DrawLearnerMarker(canvas);
    Image1->update(old);
    Image1->update(m_learnerMarker->Pixels);
}

void TFrmMain::DrawScaleImages()
{
    DrawVerticalTickStrip(Scaling1->Canvas(), Scaling1->width(), Scaling1->height(), View.Map);
    DrawHorizontalTickStrip(Scaling2->Canvas(), Scaling2->width(), Scaling2->height(), View.Map);
    DrawColorBar(Scaling3->Canvas(), Scaling3->width(), Scaling3->height());
    Scaling1->update();
    Scaling2->update();
    Scaling3->update();
}

void TFrmMain::Image1MouseDown(int X, int Y)
{
    MouseIsDown = true;
    Image1MouseMove(X, Y);
}

void TFrmMain::Image1MouseMove(int X, int Y)
{
    if (MouseIsDown)
        PickAt(X, Y);
}

void TFrmMain::PickAt(int X, int Y)
{
    const int w = Image1->width();
    const int h = Image1->height();
    if (!IsPickable(X, Y, w, h))
        return;
    K = KOfMapX(X, w, View.Map);
    D = DOfMapY(Y, h, View.Map);
    MoveLearnerMarker();
    DrawChart();
    ShowLine();
}

// The arrow keys pick the cell next to the current line's, as a mouse would there.
void TFrmMain::Image1Step(int stepsK, int stepsD)
{
    const int w = Image1->width();
    const int h = Image1->height();
    const QPoint to = StepPick({MapXOfK(K, w), MapYOfD(D, h)}, stepsK, stepsD, w, h);
    PickAt(to.x(), to.y());
}
