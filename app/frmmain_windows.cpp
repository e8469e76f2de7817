// The main window and the other windows: the start-up splash and texts, and the
// buttons that show the editor, the about box and the error surface.
#include "app/errorsurface.h"
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "app/frmplot3d.h"
#include "app/frmsetpoints.h"
#include "app/program.h"
#include "app/programfolders.h"
#include "controls/plot3d/plot3d.h"
#include "courseware/demon.h"
#include "translation/tolkar.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>

namespace {

// The about box's home page: the address the language file gives, else the guide that
// came with the program, in the language of the language file.
QString HomePageAddress(TTolkar2000& translator, const QString& language)
{
    const QString configured = translator.LookupText(QStringLiteral("HomePageURL"));
    if (!configured.isEmpty() && configured != QLatin1String("HomePageURL"))
        return configured;
    const QString code = language == QLatin1String("lggerman") ? QStringLiteral("de") : QStringLiteral("en");
    return TProgramFolders::OfRunningProgram().GuideUrl(code).toString();
}

} // namespace

void TFrmMain::FormShow()
{
    PrepareStartUp(*FrmAbout, *FrmPlot3D);
    FrmAbout->exec();
}

void TFrmMain::PrepareStartUp(TFrmAbout& about, TFrmPlot3D& surface)
{
    TTolkar2000& translator = clidemon->Translator();
    LoadIcon(about);

    about.LblName->setText(ProductName);
    about.LblVersion->setText(QStringLiteral("Version 2.0"));
    // The English lines are their own keys in the language file.
    about.LblCopyright->setText(
        translator.LookupText(QStringLiteral("Copyright \u00A9 2026 the SlopeLab developers")));
    about.LblAuthor->setText(translator.LookupText(QStringLiteral("Written by the SlopeLab team")));
    about.SimulationsPageURL = translator.LookupText(QStringLiteral("SimulationsPageURL"));
    about.LocalPagesFolder = clidemon->ServerParam(QStringLiteral("OrvindeWorkArea"));
    const QString language = translator.LookupText(QStringLiteral("$dlglanguage$")).toLower();
    about.HomePageURL = HomePageAddress(translator, language);
    translator.TranslateComponent(&about);
    translator.TranslateComponent(&surface);
    if (language == QLatin1String("lggerman")) {
        about.LblWebSite->setText(QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
        about.LblDescription->setText(QStringLiteral(
            "Dieses Programm zeigt die Berechnung der Regressionsgeraden als Optimierungsproblem. "
            "Es wurde im SlopeLab-Projekt f\u00FCr den Statistikunterricht entwickelt und wird "
            "in elektronischen Lehrb\u00FCchern eingesetzt."));
    } else {
        about.LblWebSite->setText(
            QStringLiteral("More information can be found at the following Web sites:"));
        about.LblDescription->setText(
            QStringLiteral("This program shows the calculation of the regression line as an optimization "
                           "problem. It was developed in the SlopeLab project for teaching statistics and is "
                           "used in electronic textbooks."));
    }
}

// The icon named in the language file, from the work area (fetched there from the
// courseware server first when the server is used); else the icon of that name
// installed with the program.
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
    const QIcon icon =
        QFileInfo::exists(path) ? QIcon(path) : TProgramFolders::OfRunningProgram().Icon(iconName);
    if (icon.isNull())
        return;
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
    PointsEdited();
}

void TFrmMain::SpeedButton4Click()
{
    clidemon->Translator().TranslateComponent(FrmAbout);
    FrmAbout->exec();
}

void TFrmMain::SB3dPlotClick()
{
    FillErrorSurface(*FrmPlot3D);
    FrmPlot3D->exec();
}

namespace {

using TPlotSetter = void (TPlot3D::*)(double);

// Sets a range of the plot, the high end first unless it would meet the old low end,
// which the plot refuses.
void SetPlotRange(TPlot3D& plot, TPlotSetter setLow, TPlotSetter setHigh, double oldLow, double low,
                  double high)
{
    if (high <= oldLow) {
        (plot.*setLow)(low);
        (plot.*setHigh)(high);
    } else {
        (plot.*setHigh)(high);
        (plot.*setLow)(low);
    }
}

} // namespace

void TFrmMain::FillErrorSurface(TFrmPlot3D& window)
{
    TPlot3D& plot = *window.P3D;
    const bool logarithmic = !RBNormal->isChecked();
    FillSurfaceMatrix(*plot.SurfaceMatrix(), ErrGrid, GridN(), logarithmic);
    // The heights and colors run from the bottom of the surface, 0 in the lesson (where
    // the smallest sums come close to it) and the smallest sum of a data set, to the
    // largest sum; the z axis reaches half the surface's height below its bottom.
    const double top = SurfaceTop(ErrMax, logarithmic);
    const double bottom = LoadedData ? SurfaceBottom(ErrMin, ErrGrid, GridN(), logarithmic) : 0.0;
    SetPlotRange(plot, &TPlot3D::SetRangeZLow, &TPlot3D::SetRangeZHigh, plot.RangeZLow(),
                 bottom - 0.5 * (top - bottom), top);
    SetPlotRange(plot, &TPlot3D::SetColorScaleLow, &TPlot3D::SetColorScaleHigh, plot.ColorScaleLow(), bottom,
                 top);
    // The map's window, with a twentieth of its height more above and below d.
    const TMapWindow& map = View.Map;
    SetPlotRange(plot, &TPlot3D::SetRangeXLow, &TPlot3D::SetRangeXHigh, plot.RangeXLow(), map.KLow,
                 map.KHigh);
    SetPlotRange(plot, &TPlot3D::SetRangeYLow, &TPlot3D::SetRangeYHigh, plot.RangeYLow(),
                 map.DLow - map.DSpan() / 20, map.DHigh + map.DSpan() / 20);
    plot.SetViewAngleX(0);
    plot.SetViewAngleZ(0);
    // The map's middle color, so that the surface shows the map's three colors.
    plot.SetColorMid(MapColorMid);
}
