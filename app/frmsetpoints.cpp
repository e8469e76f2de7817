#include "app/frmsetpoints.h"

#include "app/chartdesign.h"
#include "app/formkit.h"
#include "app/frmmain.h"
#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"
#include "controls/numlab/numlab.h"
#include "platform/messagebox.h"
#include "translation/tolkar.h"

TFrmSetPoints* FrmSetPoints = nullptr;

namespace {

constexpr std::uint8_t PointMark = 7;
constexpr std::uint8_t MarkKind = 1;
constexpr std::uint8_t AnyClass = 255;

// How close a click must come to the last point to remove it: 0.02 on the lesson's axes
// of length 3, the same share of any other axis.
double LastPointReach(const TScaleProps& axis) { return 0.02 * ((axis.RangeHigh() - axis.RangeLow()) / 3); }

} // namespace

TFrmSetPoints::TFrmSetPoints(TFrmMain& main, TTolkar2000& translator, QWidget* parent)
    : QDialog(parent)
    , m_main(main)
    , m_translator(translator)
{
    setObjectName(QStringLiteral("FrmSetPoints"));
    setWindowTitle(QStringLiteral("TK_Data points"));
    setFont(ArialPixels(13));
    setFixedSize(467, 299);
    move(323, 284);

    Plotta1 = new TPlotta(this);
    Plotta1->setObjectName(QStringLiteral("Plotta1"));
    Plotta1->setGeometry(-8, 32, 353, 249);
    Plotta1->SetMouseAction(TMouseActMode::maNone);
    ApplyLessonChartDesign(*Plotta1, 50);
    // The chart keeps the last position inside its data area; a press in the rims
    // around it has no position of its own and does nothing.
    Plotta1->OnMouseDown = [this](QObject*, TMouseButton, TShiftState, int X, int Y) {
        if (InDataArea(*Plotta1, X, Y))
            ChartMouseDown(Plotta1->MousePosX(), Plotta1->MousePosY());
    };

    NumLab1 = new TNumLab(this);
    NumLab1->setObjectName(QStringLiteral("NumLab1"));
    NumLab1->setGeometry(125, 8, 217, 22);
    NumLab1->SetLeftText(QStringLiteral("TK_Nr. of data points"));
    NumLab1->SetLeftSpace(153);
    NumLab1->SetLabelWidth(55);
    NumLab1->SetPrecision(0);
    NumLab1->SetDisplayType(TDisplay::dtFixP);

    auto button = [this](const char* name, const char* caption, int top) {
        auto* b = new TSpeedButton(this, QString::fromUtf8(caption), QRect(352, top, 105, 33));
        b->setObjectName(QString::fromUtf8(name));
        return b;
    };
    SBSet = button("SBSet", "TK_Set points", 48);
    SBRemove = button("SBRemove", "TK_Remove points", 88);
    SBClear = button("SBClear", "TK_Clear", 128);
    SBRandomize = button("SBRandomize", "TK_Randomize", 168);
    SBOK = button("SBOK", "TK_OK", 256);
    SBSet->SetGroupIndex(998);
    SBRemove->SetGroupIndex(998);
    SBSet->SetDown(true);

    connect(SBClear, &QToolButton::clicked, this, &TFrmSetPoints::SBClearClick);
    connect(SBRandomize, &QToolButton::clicked, this, &TFrmSetPoints::SBRandomizeClick);
    connect(SBOK, &QToolButton::clicked, this, &TFrmSetPoints::SBOKClick);
    connect(&m_main, &TFrmMain::DataSetChanged, this, &TFrmSetPoints::ShowNewDataSet);
}

void TFrmSetPoints::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFrmSetPoints::FormShow()
{
    m_translator.TranslateComponent(this);
    m_main.ApplyChartAxes(*Plotta1);
    // The list is rebuilt rather than added to, so it does not grow with every showing.
    ShowPoints();
}

void TFrmSetPoints::ShowNewDataSet()
{
    m_main.ApplyChartAxes(*Plotta1);
    UpdateButtonStates();
    ShowPoints();
}

void TFrmSetPoints::ShowPoints()
{
    Plotta1->ClearItems();
    for (int m = 1; m <= PointLoopCount(m_main.NumPoints); ++m)
        Plotta1->AddMark(PointMark, m_main.DataX[m], m_main.DataY[m]);
    Plotta1->ShowItems();
    NumLab1->SetValue(m_main.NumPoints);
}

void TFrmSetPoints::ChartMouseDown(double mx, double my)
{
    std::uint16_t& n = m_main.NumPoints;
    if (SBSet->Down()) {
        if (n < MaxDataPoints) {
            ++n;
            m_main.DataX[n] = mx;
            m_main.DataY[n] = my;
        }
    } else if (SBRemove->Down() && Plotta1->DisplayList().Count() > 0) {
        double distance = 0;
        const int nearest = Plotta1->FindNearestItem(MarkKind, AnyClass, mx, my, distance);
        if (nearest >= 0) {
            TPlottaItem item;
            Plotta1->GetItem(nearest, item);
            RemovePickedPoint(m_main.DataX, m_main.DataY, n, item.X, item.Y, mx, my,
                              LastPointReach(*Plotta1->Scale1X()), LastPointReach(*Plotta1->Scale1Y()));
        }
    }
    UpdateButtonStates();
    ShowPoints();
}

void TFrmSetPoints::UpdateButtonStates()
{
    const int n = m_main.NumPoints;
    if (n < MaxPoints) {
        SBSet->setEnabled(true);
    } else {
        SBRemove->SetDown(true);
        SBSet->setEnabled(false);
    }
    if (n >= MinPoints) {
        SBRemove->setEnabled(true);
    } else {
        SBSet->SetDown(true);
        SBRemove->setEnabled(false);
    }
}

void TFrmSetPoints::SBClearClick()
{
    m_main.NumPoints = 0;
    SBRemove->setEnabled(false);
    Plotta1->ClearItems();
    Plotta1->ShowItems();
    NumLab1->SetValue(0);
    SBSet->SetDown(true);
}

void TFrmSetPoints::SBRandomizeClick()
{
    m_main.NumPoints = 20;
    m_main.GenerateRandomPoints();
    ShowPoints();
    SBRemove->setEnabled(true);
}

bool TFrmSetPoints::AcceptsPoints()
{
    if (m_main.NumPoints >= MinPoints)
        return true;
    ShowInformation(m_translator.LookupText(QStringLiteral("At least 2 data points are required")));
    return false;
}

void TFrmSetPoints::SBOKClick()
{
    if (AcceptsPoints())
        accept();
}

// Leaving through the close box or Escape takes the same check as OK, so the main
// window never gets fewer than two points.
void TFrmSetPoints::reject()
{
    if (AcceptsPoints())
        QDialog::reject();
}
