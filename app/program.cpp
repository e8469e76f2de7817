#include "app/program.h"

#include "app/datacommands.h"
#include "app/formkit.h"
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "app/frmplot3d.h"
#include "app/frmsetpoints.h"
#include "app/pictureexport.h"
#include "courseware/demon.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QToolButton>
#include <cstdio>

void NameTheApplication() { QApplication::setApplicationName(ProductName); }

TProgramWindows::TProgramWindows(std::optional<std::uint64_t> seed, const TFrmMain::TLinkSetup& setUpLink)
{
    m_main = std::make_unique<TFrmMain>(seed, setUpLink);
    FrmMain = m_main.get();
    m_setPoints = std::make_unique<TFrmSetPoints>(*m_main, m_main->clidemon->Translator());
    FrmSetPoints = m_setPoints.get();
    m_about = std::make_unique<TFrmAbout>();
    FrmAbout = m_about.get();
    m_plot3D = std::make_unique<TFrmPlot3D>(m_main->clidemon->Translator());
    FrmPlot3D = m_plot3D.get();

    // A data file dropped on any window opens; the surface on the screen follows.
    TFrmMain* main = m_main.get();
    for (QWidget* window : std::initializer_list<QWidget*>{main, m_setPoints.get(), m_plot3D.get()})
        AcceptDataFileDrops(*window, [main](const QString& path) { main->OpenDataFile(path); });
    TFrmPlot3D* surface = m_plot3D.get();
    QObject::connect(main, &TFrmMain::DataSetChanged, surface, [main, surface] {
        if (surface->isVisible())
            main->FillErrorSurface(*surface);
    });
}

TProgramWindows::~TProgramWindows()
{
    FrmPlot3D = nullptr;
    m_plot3D.reset();
    FrmAbout = nullptr;
    m_about.reset();
    FrmSetPoints = nullptr;
    m_setPoints.reset();
    FrmMain = nullptr;
    m_main.reset();
}

bool WriteScreenshots(const QString& dir, int page, QString& error)
{
    if (!QDir().mkpath(dir)) {
        error = QStringLiteral("cannot create the folder %1").arg(dir);
        return false;
    }
    while (FrmMain->Page() < page && FrmMain->SBNext->isEnabled())
        FrmMain->SBNext->click();

    FrmMain->PrepareStartUp(*FrmAbout, *FrmPlot3D);
    FrmAbout->ShowLinks();
    FrmMain->FillErrorSurface(*FrmPlot3D);
    FrmSetPoints->FormShow();
    const std::pair<QWidget*, const char*> shots[] = {{FrmMain, "main.png"},
                                                      {FrmSetPoints, "points.png"},
                                                      {FrmAbout, "about.png"},
                                                      {FrmPlot3D, "surface.png"}};
    for (auto [window, name] : shots) {
        const QString file = QDir(dir).filePath(QString::fromUtf8(name));
        if (!PicturePixels(WidgetPicture(*window)).save(file)) {
            error = QStringLiteral("cannot write %1").arg(file);
            return false;
        }
    }
    for (const char* name : {"chart.svg", "chart.pdf"}) {
        const QString file = QDir(dir).filePath(QString::fromUtf8(name));
        QString reason;
        if (!WritePicture(ChartPicture(*FrmMain->Plotta1), file, reason)) {
            error = QStringLiteral("cannot write %1: %2").arg(file, reason);
            return false;
        }
    }
    return true;
}

int ReportFatalError(const QString& message)
{
    std::fprintf(stderr, "slopelab: %s\n", qPrintable(message));
    // Without a screen nobody could close the box, and the program would never end.
    const QString platform = QGuiApplication::platformName();
    const bool canShowBox = qobject_cast<QApplication*>(QCoreApplication::instance())
        && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (canShowBox)
        QMessageBox::critical(nullptr, QStringLiteral("SlopeLab"), message);
    return 1;
}
