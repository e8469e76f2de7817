#include "app/frmmain.h"

#include "app/chartdesign.h"
#include "app/columnchoice.h"
#include "app/datacommands.h"
#include "app/formkit.h"
#include "app/lessonextras.h"
#include "app/maplabels.h"
#include "app/picturecommands.h"
#include "controls/chart/plotta.h"
#include "controls/numlab/numlab.h"
#include "courseware/demon.h"
#include "platform/image.h"
#include "platform/random.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>

TFrmMain* FrmMain = nullptr;

namespace {

constexpr int ClientWidth = 629;
constexpr int ClientHeight = 475;

} // namespace

TFrmMain::TFrmMain(std::optional<std::uint64_t> fixedSeed, const TLinkSetup& setUpLink)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
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
    if (setUpLink)
        setUpLink(*clidemon);
    clidemon->Loaded();
    FitLabelsToText(this);
    BuildCommands();
    Extras = new TLessonExtras(*this, *Plotta1, *Commands, clidemon->Translator(), [this] { DrawChart(); });
    SetTabOrder();
    DescribeControls();
    ChooseColumns = [this](const QString& file, const QStringList& names) {
        return AskForColumns(this, clidemon->Translator(), file, names);
    };
    AskForFile = [this](const TFileQuestion& question) { return AskWithFileDialog(this, question); };
    DataCommands = new TDataCommands(*this, *Commands, clidemon->Translator());
    PictureCommands = new TPictureCommands(*this, *Commands, clidemon->Translator());
    FormCreate(fixedSeed);
}

TFrmMain::~TFrmMain()
{
    if (FrmMain == this)
        FrmMain = nullptr;
}

void TFrmMain::BuildButtonBar()
{
    Panel1 = MakePanel(this, QStringLiteral("Panel1"), QRect(0, 0, ClientWidth, 37), TPanelBevel::Raised);
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

    Panel3 = MakePanel(this, QStringLiteral("Panel3"), QRect(360, 113, 257, 249), TPanelBevel::None);
    auto place = [](auto* image, const char* name, const QRect& rect) {
        image->setObjectName(QString::fromUtf8(name));
        image->setGeometry(rect);
        return image;
    };
    Image1 = place(new TErrorMapView(Panel3), "Image1", QRect(33, 24, 200, 200));
    Scaling1 = place(new TImage(Panel3), "Scaling1", QRect(24, 24, 9, 209));
    Scaling2 = place(new TImage(Panel3), "Scaling2", QRect(32, 224, 201, 9));

    const QFont large = ArialPixels(16);
    const QFont small = ArialPixels(12);
    QLabel* dInscription = MakeLabel(Panel3, QStringLiteral("Label1"), QStringLiteral("d"), 24, 4, large);
    MakeLabel(Panel3, QStringLiteral("Label2"), QStringLiteral("k"), 241, 217, large);
    const QList<QLabel*> values{
        MakeLabel(Panel3, QStringLiteral("Label3"), QStringLiteral("2"), 8, 25, small),
        MakeLabel(Panel3, QStringLiteral("Label4"), QStringLiteral("0"), 8, 116, small),
        MakeLabel(Panel3, QStringLiteral("Label7"), QStringLiteral("--2"), 0, 217, small),
        MakeLabel(Panel3, QStringLiteral("Label8"), QStringLiteral("-1"), 92, 233, small),
        MakeLabel(Panel3, QStringLiteral("Label9"), QStringLiteral("0"), 128, 233, small),
        MakeLabel(Panel3, QStringLiteral("Label10"), QStringLiteral("1"), 164, 233, small)};
    m_mapLabels = std::make_unique<TMapLabels>(*dInscription, values, *Scaling1, *Scaling2);
}

void TFrmMain::BuildColorPanel()
{
    Panel2 = MakePanel(this, QStringLiteral("Panel2"), QRect(360, 368, 265, 97), TPanelBevel::None);
    Label11 = new QLabel(QStringLiteral("TK_Color Encoding"), Panel2);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setGeometry(32, 6, 201, 16);
    Label11->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Scaling3 = new TImage(Panel2);
    Scaling3->setObjectName(QStringLiteral("Scaling3"));
    Scaling3->setGeometry(32, 24, 201, 17);

    Label5 = MakeLabel(Panel2, QStringLiteral("Label5"), QStringLiteral("TK_small residual"), 20, 41, font());
    // Right-aligned at the end of the color bar.
    Label6 = MakeRightAlignedLabel(Panel2, QStringLiteral("Label6"), QStringLiteral("TK_large residual"), 233,
                                   41, font());

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
    auto field = [this](const char* name, const QRect& place, const char* leftText, int labelWidth,
                        int leftSpace, int precision) {
        auto* label = new TNumLab(this);
        label->setObjectName(QString::fromUtf8(name));
        label->setGeometry(place);
        label->SetLeftText(QString::fromUtf8(leftText));
        label->SetLabelWidth(labelWidth);
        label->SetLeftSpace(leftSpace);
        label->SetPrecision(precision);
        label->SetDisplayType(TDisplay::dtFixP);
        label->SetFrameStyle(TFrameStyle::fsLowered);
        label->SetColorScheme(TColorScheme::csBWG);
        return label;
    };
    NLk = field("NLk", QRect(27, 409, 86, 22), "k", 55, 15, 2);
    NLd = field("NLd", QRect(128, 409, 81, 22), "d", 55, 15, 2);
    NLSum_e2 = field("NLSum_e2", QRect(70, 440, 273, 21), "TK_Sum of squared residuals", 60, 204,
                     LessonView.SumDecimals);

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
    Image1->OnMouseUp = [this](QObject*, TMouseButton, TShiftState, int, int) { MouseIsDown = false; };
    Image1->OnStep = [this](int stepsK, int stepsD) { Image1Step(stepsK, stepsD); };
    Image1->ToolTipAt = [this](int X, int Y) { return Image1ToolTip(X, Y); };
}

void TFrmMain::BuildCoursewareLink()
{
    clidemon = new TkdbDemonClient(this);
    clidemon->setObjectName(QStringLiteral("clidemon"));
    clidemon->SetAutoTranslate(true);
    clidemon->SetAutoCreateItlFile(false);
    clidemon->SetMultiStart(false);
    clidemon->SetUseOrvindeServer(false);
    clidemon->OnParamsChange = [this](QObject*) { BringToFront(); };
}

// Another copy was started and handed over to this one: come to the front, so that the
// user sees why no new window opened.
void TFrmMain::BringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    // A dialog the window waits for stays in front of it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
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
    CenterOnScreen(*this);
    // The lesson's first step.
    SBNext->setFocus();
    // The splash follows once the window is on the screen.
    QMetaObject::invokeMethod(this, &TFrmMain::FormShow, Qt::QueuedConnection);
}
