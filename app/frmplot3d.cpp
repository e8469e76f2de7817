#include "app/frmplot3d.h"

#include "app/formkit.h"
#include "controls/plot3d/plot3d.h"
#include "translation/tolkar.h"

#include <QTimer>

TFrmPlot3D* FrmPlot3D = nullptr;

namespace {

// The window's design size: 615 × 539 outside, which leaves this client area
// inside a frame of 4 pixels and a caption of 23.
constexpr int DesignFrameWidth = 4;
constexpr int DesignClientWidth = 607;
constexpr int DesignClientHeight = 512;
constexpr int ButtonBarHeight = 37;
constexpr int MemoHeight = 68;
constexpr int PlotTop = ButtonBarHeight + MemoHeight;
// The Close button keeps its distance from the right edge.
constexpr int CloseRightMargin = DesignClientWidth - (444 + 157);

} // namespace

TFrmPlot3D::TFrmPlot3D(TTolkar2000& translator, QWidget* parent)
    : QDialog(parent)
    , m_translator(translator)
{
    setObjectName(QStringLiteral("FrmPlot3D"));
    setWindowTitle(QStringLiteral("TK_Error Surface"));
    setFont(ArialPixels(13));
    resize(DesignClientWidth, DesignClientHeight);

    Panel1 =
        MakePanel(this, QStringLiteral("Panel1"), QRect(0, 0, width(), ButtonBarHeight), TPanelBevel::Raised);
    BButReset = new TBitBtn(Panel1, QStringLiteral("TK_Reset"), QRect(6, 4, 157, 29));
    BButReset->setObjectName(QStringLiteral("BButReset"));
    BButAutoRot = new TBitBtn(Panel1, QStringLiteral("TK_Auto Rotate"), QRect(164, 4, 157, 29));
    BButAutoRot->setObjectName(QStringLiteral("BButAutoRot"));
    BButClose = new TBitBtn(Panel1, QStringLiteral("TK_Close"), QRect(444, 4, 157, 29));
    BButClose->setObjectName(QStringLiteral("BButClose"));

    MMExplain3D =
        MakeInfoMemo(this, QStringLiteral("MMExplain3D"), QRect(0, ButtonBarHeight, width(), MemoHeight));
    MMExplain3D->setPlainText(QStringLiteral("TK_Explain3D"));

    BuildPlot();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);

    connect(BButReset, &QPushButton::clicked, this, &TFrmPlot3D::BButResetClick);
    connect(BButAutoRot, &QPushButton::clicked, this, &TFrmPlot3D::BButAutoRotClick);
    connect(BButClose, &QPushButton::clicked, this, &QDialog::close);
    connect(Timer1, &QTimer::timeout, this, &TFrmPlot3D::Timer1Timer);
}

void TFrmPlot3D::BuildPlot()
{
    P3D = new TPlot3D(this);
    P3D->setObjectName(QStringLiteral("P3D"));
    P3D->setGeometry(0, PlotTop, width(), height() - PlotTop);
    P3D->SetBoundBoxStyle(TBoundingBox::bbFaces);
    P3D->SetCentX(325);
    P3D->SetCentY(250);
    P3D->SetColorBakGnd(0x804000);
    P3D->SetColorCodeAvg(false);
    P3D->SetColorCubeFrame(0x404040);
    P3D->SetColorCubeHidLin(0xB0B0B0);
    P3D->SetColorCubeFaceLow(clSilver);
    P3D->SetColorCubeFaceHigh(0xFEEEEE);
    P3D->SetColorXCoords(clSkyBlue);
    P3D->SetColorYCoords(0xCBDFF5);
    P3D->SetColorZCoords(clBlack);
    P3D->SetVisibleXCoords(false);
    P3D->SetVisibleYCoords(false);
    P3D->SetVisibleZCoords(false);
    P3D->SetColorMesh(0x0C4A74);
    P3D->SetMeshVisible(false);
    P3D->SetColorHigh(clWhite);
    P3D->SetColorMid(0x386FAB);
    P3D->SetColorLow(clGreen);
    P3D->SetColorScaleHigh(100);
    P3D->SetColorCodingMode(TColorCodingMode::ccmThreeColors);
    P3D->SetColorScheme(TColorScheme::csSystem);
    P3D->SetDecPlaceX(1);
    P3D->SetDecPlaceY(1);
    P3D->SetDecPlaceZ(2);
    P3D->SetFrameStyle(TFrameStyle::fsLowered);
    P3D->SetMagnification(0.7);
    P3D->SetMouseAction(TMouseActMode::maRotAndZoom);
    P3D->SetMinTickX(3);
    P3D->SetMinTickY(3);
    P3D->SetMinTickZ(3);
    P3D->SetRangeXLow(-1);
    P3D->SetRangeXHigh(1);
    P3D->SetRangeYLow(-1);
    P3D->SetRangeYHigh(1);
    P3D->SetRangeZLow(-1);
    P3D->SetRangeZHigh(1);
    P3D->SetScaleFactX(1);
    P3D->SetScaleFactY(1);
    P3D->SetScaleFactZ(1);
    P3D->SetViewAngles(60, 15);
}

void TFrmPlot3D::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(*this);
}

void TFrmPlot3D::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Panel1->setGeometry(0, 0, width(), ButtonBarHeight);
    BButClose->move(width() - CloseRightMargin - BButClose->width(), BButClose->y());
    MMExplain3D->setGeometry(0, ButtonBarHeight, width(), MemoHeight);
    P3D->setGeometry(0, PlotTop, width(), std::max(0, height() - PlotTop));
    // Half the outer width of the window in its designed frame, whatever frame the
    // desktop gives it: the plot sits the same on every screen and in screenshots.
    P3D->SetCentX((width() + 2 * DesignFrameWidth) / 2);
    P3D->SetCentY(P3D->height() / 2);
}

void TFrmPlot3D::ShowRotationStopped()
{
    Timer1->stop();
    BButAutoRot->Tag = 0;
    BButAutoRot->setText(m_translator.LookupText(QStringLiteral("Auto Rotate")));
}

void TFrmPlot3D::BButResetClick()
{
    P3D->SetViewAngleX(0);
    P3D->SetViewAngleZ(0);
    ShowRotationStopped();
}

void TFrmPlot3D::BButAutoRotClick()
{
    if (BButAutoRot->Tag != 0) {
        ShowRotationStopped();
        return;
    }
    Timer1->start();
    BButAutoRot->Tag = 1;
    BButAutoRot->setText(m_translator.LookupText(QStringLiteral("Stop")));
}

void TFrmPlot3D::Timer1Timer() { P3D->SetViewAngles(P3D->ViewAngleX(), P3D->ViewAngleZ() + 2); }
