#include "app/frmmain.h"

#include "app/chartdesign.h"
#include "app/errorsurface.h"
#include "app/formkit.h"
#include "app/frmabout.h"
#include "app/frmplot3d.h"
#include "app/frmsetpoints.h"
#include "controls/plot3d/plot3d.h"
#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"
#include "controls/numlab/numlab.h"
#include "courseware/demon.h"
#include "translation/tolkar.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/rounding.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QCheckBox>
#include <QFileInfo>
#include <QIcon>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>

TFrmMain* FrmMain = nullptr;

namespace {

constexpr int ClientWidth = 629;
constexpr int ClientHeight = 475;
constexpr int FirstPage = 1;
constexpr int LastPage = 5;

} // namespace

TFrmMain::TFrmMain(std::optional<std::uint64_t> fixedSeed)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("TK_Linear Regression"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(ArialPixels(13));

    BuildButtonBar();
    BuildMemo();
    BuildErrorMapPanel();
    BuildColorPanel();
    BuildValueFields();
    ConnectHandlers();
    // The link loads the language file and translates the window built so far.
    BuildCoursewareLink();
    clidemon->Loaded();
    FitLabelsToText(this);
    FormCreate(fixedSeed);
}

TFrmMain::~TFrmMain()
{
    if (FrmMain == this)
        FrmMain = nullptr;
}

void TFrmMain::BuildButtonBar()
{
    Panel1 = MakePanel(this, QStringLiteral("Panel1"), QRect(0, 0, ClientWidth, 37),
                       TPanelBevel::Raised);
    auto button = [this](const char* name, const char* caption, int left) {
        auto* b = new TSpeedButton(Panel1, QString::fromUtf8(caption), QRect(left, 4, 97, 29));
        b->setObjectName(QString::fromUtf8(name));
        return b;
    };
    SBExit = button("SBExit", "TK_Exit", 8);
    SBReset = button("SBReset", "TK_Reset", 110);
    SBNext = button("SBNext", "TK_Next", 212);
    SBNext->Tag = FirstPage;
    SBDataPts = button("SBDataPts", "TK_Data Points", 314);
    SpeedButton4 = button("SpeedButton4", "TK_About", 416);
    SB3dPlot = button("SB3dPlot", "3D Plot", 520);
    SB3dPlot->setEnabled(false);
}

void TFrmMain::BuildMemo()
{
    Memo = MakeInfoMemo(this, QStringLiteral("Memo"), QRect(0, 37, ClientWidth, 76));
}

void TFrmMain::BuildErrorMapPanel()
{
    Plotta1 = new TPlotta(this);
    Plotta1->setObjectName(QStringLiteral("Plotta1"));
    Plotta1->setGeometry(2, 120, 353, 257);
    ApplyLessonChartDesign(*Plotta1, 41);

    Panel3 = MakePanel(this, QStringLiteral("Panel3"), QRect(360, 113, 257, 249),
                       TPanelBevel::None);
    auto image = [this](const char* name, const QRect& place) {
        auto* img = new TImage(Panel3);
        img->setObjectName(QString::fromUtf8(name));
        img->setGeometry(place);
        return img;
    };
    Image1 = image("Image1", QRect(33, 24, 200, 200));
    Scaling1 = image("Scaling1", QRect(24, 24, 9, 209));
    Scaling2 = image("Scaling2", QRect(32, 224, 201, 9));

    const QFont large = ArialPixels(16);
    const QFont small = ArialPixels(12);
    MakeLabel(Panel3, QStringLiteral("Label1"), QStringLiteral("d"), 24, 4, large);
    MakeLabel(Panel3, QStringLiteral("Label2"), QStringLiteral("k"), 241, 217, large);
    MakeLabel(Panel3, QStringLiteral("Label3"), QStringLiteral("2"), 8, 25, small);
    MakeLabel(Panel3, QStringLiteral("Label4"), QStringLiteral("0"), 8, 116, small);
    MakeLabel(Panel3, QStringLiteral("Label7"), QStringLiteral("--2"), 0, 217, small);
    MakeLabel(Panel3, QStringLiteral("Label8"), QStringLiteral("-1"), 92, 233, small);
    MakeLabel(Panel3, QStringLiteral("Label9"), QStringLiteral("0"), 128, 233, small);
    MakeLabel(Panel3, QStringLiteral("Label10"), QStringLiteral("1"), 164, 233, small);
}

void TFrmMain::BuildColorPanel()
{
    Panel2 = MakePanel(this, QStringLiteral("Panel2"), QRect(360, 368, 265, 97),
                       TPanelBevel::None);
    Label11 = new QLabel(QStringLiteral("TK_Color Encoding"), Panel2);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setGeometry(32, 6, 201, 16);
    Label11->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Scaling3 = new TImage(Panel2);
    Scaling3->setObjectName(QStringLiteral("Scaling3"));
    Scaling3->setGeometry(32, 24, 201, 17);

    Label5 = MakeLabel(Panel2, QStringLiteral("Label5"), QStringLiteral("TK_small residual"), 20,
                       41, font());
    // Right-aligned at the end of the colour bar.
    Label6 = MakeRightAlignedLabel(Panel2, QStringLiteral("Label6"),
                                   QStringLiteral("TK_large residual"), 233, 41, font());

    RBLogarithmic = new QRadioButton(QStringLiteral("TK_logarithmic"), Panel2);
    RBLogarithmic->setObjectName(QStringLiteral("RBLogarithmic"));
    RBLogarithmic->setGeometry(24, 72, 113, 17);
    RBLogarithmic->setChecked(true);
    RBNormal = new QRadioButton(QStringLiteral("TK_linear"), Panel2);
    RBNormal->setObjectName(QStringLiteral("RBNormal"));
    RBNormal->setGeometry(144, 72, 113, 17);
}

void TFrmMain::BuildValueFields()
{
    auto field = [this](const char* name, const QRect& place, const char* leftText,
                        int labelWidth, int leftSpace, int precision) {
        auto* label = new TNumLab(this);
        label->setObjectName(QString::fromUtf8(name));
        label->setGeometry(place);
        label->SetLeftText(QString::fromUtf8(leftText));
        label->SetLabelWidth(labelWidth);
        label->SetLeftSpace(leftSpace);
        label->SetPrecision(precision);
        label->SetDisplayType(dtFixP);
        label->SetFrameStyle(fsLowered);
        label->SetColorScheme(csBWG);
        return label;
    };
    NLk = field("NLk", QRect(27, 409, 86, 22), "k", 55, 15, 2);
    NLd = field("NLd", QRect(128, 409, 81, 22), "d", 55, 15, 2);
    NLSum_e2 = field("NLSum_e2", QRect(70, 440, 273, 21), "TK_Sum of squared residuals", 60, 204, 4);

    CBSquares = new QCheckBox(QStringLiteral("TK_Show residuals"), this);
    CBSquares->setObjectName(QStringLiteral("CBSquares"));
    CBSquares->setGeometry(216, 412, 153, 17);
}

void TFrmMain::ConnectHandlers()
{
    connect(SBExit, &QToolButton::clicked, this, &QWidget::close);
    connect(SBReset, &QToolButton::clicked, this, [this] { ResetSimulation(true); });
    connect(SBNext, &QToolButton::clicked, this, &TFrmMain::SBNextClick);
    connect(SB3dPlot, &QToolButton::clicked, this, &TFrmMain::SB3dPlotClick);
    connect(SpeedButton4, &QToolButton::clicked, this, &TFrmMain::SpeedButton4Click);
    connect(SBDataPts, &QToolButton::clicked, this, &TFrmMain::SBDataPtsClick);
    // Checking or unchecking from code redraws as a click does.
    connect(CBSquares, &QCheckBox::toggled, this, &TFrmMain::DrawChart);
    connect(RBNormal, &QRadioButton::clicked, this, &TFrmMain::EncodingClick);
    connect(RBLogarithmic, &QRadioButton::clicked, this, &TFrmMain::EncodingClick);

    Image1->OnMouseDown = [this](QObject*, TMouseButton, TShiftState, int X, int Y) {
        Image1MouseDown(X, Y);
    };
    Image1->OnMouseMove = [this](QObject*, TShiftState, int X, int Y) { Image1MouseMove(X, Y); };
    Image1->OnMouseUp = [this](QObject*, TMouseButton, TShiftState, int, int) {
        MouseIsDown = false;
    };
}

void TFrmMain::BuildCoursewareLink()
{
    clidemon = new TkdbDemonClient(this);
    clidemon->setObjectName(QStringLiteral("clidemon"));
    clidemon->SetAutoTranslate(true);
    clidemon->SetAutoCreateItlFile(false);
    clidemon->SetMultiStart(false);
    clidemon->SetUseOrvindeServer(false);
    // Another copy handed over its parameters: come to the front.
    clidemon->OnParamsChange = [this](QObject*) {
        showNormal();
        raise();
        activateWindow();
    };
}

void TFrmMain::FormCreate(std::optional<std::uint64_t> fixedSeed)
{
    if (fixedSeed)
        Random::SetSeed(*fixedSeed);
    else
        Random::Randomize();
    ResetSimulation(false);
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The splash follows once the window is on the screen.
    QMetaObject::invokeMethod(this, &TFrmMain::FormShow, Qt::QueuedConnection);
}

void TFrmMain::FormShow()
{
    PrepareStartUp(*FrmAbout, *FrmPlot3D);
    FrmAbout->exec();
}

void TFrmMain::PrepareStartUp(TFrmAbout& about, TFrmPlot3D& surface)
{
    TTolkar2000& translator = clidemon->Translator();
    LoadIcon(about);

    about.LblName->setText(QStringLiteral("SlopeLab"));
    about.LblVersion->setText(QStringLiteral("Version 2.0"));
    about.LblCopyright->setText(QStringLiteral("Copyright \u00A9 2026 the SlopeLab developers"));
    about.LblAuthor->setText(QStringLiteral("Written by the SlopeLab team"));
    about.HomePageURL = translator.LookupText(QStringLiteral("HomePageURL"));
    const QString language = translator.LookupText(QStringLiteral("$dlglanguage$")).toLower();
    translator.TranslateComponent(&about);
    translator.TranslateComponent(&surface);
    if (language == QLatin1String("lggerman")) {
        about.LblWebSite->setText(
            QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
        about.LblDescription->setText(QStringLiteral(
            "Dieses Programm zeigt die Berechnung der Regressionsgeraden als Optimierungsproblem. "
            "Es wurde im SlopeLab-Projekt f\u00FCr den Statistikunterricht entwickelt und wird "
            "in elektronischen Lehrb\u00FCchern eingesetzt."));
    } else {
        about.LblWebSite->setText(
            QStringLiteral("More information can be found at the following Web sites:"));
        about.LblDescription->setText(QStringLiteral(
            "This program shows the calculation of the regression line as an optimization "
            "problem. It was developed in the SlopeLab project for teaching statistics and is "
            "used in electronic textbooks."));
    }
}

// The icon named in the language file, from the work area (fetched there from the
// courseware server first when the server is used).
void TFrmMain::LoadIcon(TFrmAbout& about)
{
    const QString iconName = clidemon->Translator().LookupText(QStringLiteral("AppIconName"));
    const QString path = clidemon->ServerParam(QStringLiteral("OrvindeWorkArea")) + iconName;
    if (iconName == QLatin1String("AppIconName"))
        return;
    if (clidemon->UseOrvindeServer()) {
        const std::unique_ptr<QBuffer> fetched = clidemon->FetchFile(iconName);
        if (fetched && fetched->size() > 0) {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(fetched->data());
        }
    }
    if (!QFileInfo::exists(path))
        return;
    const QIcon icon(path);
    QApplication::setWindowIcon(icon);
    setWindowIcon(icon);
    about.setWindowIcon(icon);
}

void TFrmMain::SBDataPtsClick()
{
    FrmSetPoints->exec();
    DrawChart();
    ComputeErrorMap();
    DrawErrorMapImage();
}

void TFrmMain::SpeedButton4Click()
{
    clidemon->Translator().TranslateComponent(FrmAbout);
    FrmAbout->exec();
}

int TFrmMain::GridN() const { return GridSize(Image1->width()); }

int TFrmMain::Page() const { return SBNext->Tag; }

void TFrmMain::ResetSimulation(bool KeepData)
{
    K = 1;
    D = 0;
    NLk->SetValue(K);
    NLd->SetValue(D);
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

QString TFrmMain::PageText(int page) const
{
    return clidemon->Translator().LookupText(QStringLiteral("memo%1").arg(page));
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
}

void TFrmMain::SBNextClick()
{
    SBNext->Tag += 1;
    ShowPage();
}

void TFrmMain::SB3dPlotClick()
{
    FillErrorSurface(*FrmPlot3D);
    FrmPlot3D->exec();
}

void TFrmMain::FillErrorSurface(TFrmPlot3D& window)
{
    TPlot3D& plot = *window.P3D;
    const bool logarithmic = !RBNormal->isChecked();
    FillSurfaceMatrix(*plot.SurfaceMatrix(), ErrGrid, GridN(), logarithmic);
    const double top = SurfaceTop(ErrMax, logarithmic);
    plot.SetRangeZHigh(top);
    plot.SetColorScaleHigh(top);
    plot.SetRangeZLow(-0.5 * plot.RangeZHigh());
    plot.SetRangeXHigh(3);
    plot.SetRangeXLow(-3);
    plot.SetRangeYHigh(2.2);
    plot.SetRangeYLow(-2.2);
    plot.SetViewAngleX(0);
    plot.SetViewAngleZ(0);
    // The map's middle colour, so that the surface shows the map's three colours.
    plot.SetColorMid(MapColorMid);
}

void TFrmMain::EncodingClick()
{
    ComputeErrorMap();
    DrawErrorMapImage();
}

void TFrmMain::DrawChart()
{
    Plotta1->ClearItems();
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
}

void TFrmMain::ShowSumOfSquares()
{
    NLSum_e2->SetValue(SumOfSquares(DataX, DataY, NumPoints, K, D));
}

void TFrmMain::GenerateRandomPoints() { ::GenerateRandomPoints(DataX, DataY, NumPoints); }

void TFrmMain::ComputeErrorMap()
{
    // Every pixel of the map is painted below, so the bitmap only needs the right size.
    ErrMapBitmap.SetSize(Image1->width(), Image1->height());
    const TErrExtremes extremes = FillErrorGrid(ErrGrid, GridN(), DataX, DataY, NumPoints);
    ErrMax = extremes.ErrMax;
    ErrMin = extremes.ErrMin;
    BestI = extremes.BestI;
    BestJ = extremes.BestJ;
    PaintErrorMap(ErrMapBitmap, ErrGrid, GridN(), extremes, !RBNormal->isChecked());
}

void TFrmMain::DrawErrorMapImage()
{
    TCanvas& canvas = Image1->Canvas();
    const int w = Image1->width();
    const int h = Image1->height();
    if (Page() < 4) {
        canvas.Rectangle(-1, -1, w + 1, h + 1);
    } else {
        canvas.Draw(0, 0, ErrMapBitmap);
        const int x0 = Round(double(BestI) * w / GridN()) + 1;
        const int y0 = h - Round(double(BestJ) * h / GridN()) + 1;
        DrawMarkerBlock(canvas, x0, y0, 0, 1);
    }
    DrawMarkerBlock(canvas, MapXOfK(K, w), MapYOfD(D, h), -1, 1);
    Image1->update();
}

void TFrmMain::DrawScaleImages()
{
    DrawVerticalTickStrip(Scaling1->Canvas(), Scaling1->width(), Scaling1->height());
    DrawHorizontalTickStrip(Scaling2->Canvas(), Scaling2->width(), Scaling2->height());
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
    const int w = Image1->width();
    const int h = Image1->height();
    if (!MouseIsDown || !IsPickable(X, Y, w, h))
        return;
    K = KOfMapX(X, w);
    D = DOfMapY(Y, h);
    DrawErrorMapImage();
    DrawChart();
    NLd->SetValue(D);
    NLk->SetValue(K);
}
