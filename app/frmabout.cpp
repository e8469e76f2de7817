#include "app/frmabout.h"

#include "app/formkit.h"
#include "platform/color.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

TFrmAbout* FrmAbout = nullptr;

namespace {

// A lowered outer and a raised inner bevel: an engraved line.
QFrame* MakeBevelPanel(QWidget* parent, const QString& name, const QRect& place)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return panel;
}

QLabel* MakeTextLabel(QWidget* parent, const QString& name, const QRect& place, Qt::Alignment alignment,
                      const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QFont LinkFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setUnderline(true);
    return font;
}

} // namespace

TFrmAbout::TFrmAbout(QWidget* parent)
    : QDialog(parent)
    , OpenAddress([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("TK_About"));
    setFont(ArialPixels(13));
    setFixedSize(543, 332);

    Panel1 = MakeBevelPanel(this, QStringLiteral("Panel1"), QRect(8, 10, 529, 127));
    LblName = MakeTextLabel(Panel1, QStringLiteral("LblName"), QRect(8, 12, 513, 34), Qt::AlignHCenter);
    QFont nameFont = ArialPixels(30);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    LblName->setFont(nameFont);
    LblVersion = MakeTextLabel(Panel1, QStringLiteral("LblVersion"), QRect(8, 50, 513, 16), Qt::AlignHCenter);
    LblAuthor = MakeTextLabel(Panel1, QStringLiteral("LblAuthor"), QRect(8, 74, 513, 16), Qt::AlignHCenter);
    LblCopyright =
        MakeTextLabel(Panel1, QStringLiteral("LblCopyright"), QRect(8, 100, 513, 16), Qt::AlignHCenter);

    LblDescription =
        MakeTextLabel(this, QStringLiteral("LblDescription"), QRect(8, 152, 529, 65), Qt::AlignHCenter);
    LblDescription->setWordWrap(true);
    for (QLabel* maroon : {LblName, LblDescription}) {
        QPalette palette = maroon->palette();
        palette.setColor(QPalette::WindowText, ToQColor(clMaroon));
        maroon->setPalette(palette);
    }

    Panel2 = MakeBevelPanel(this, QStringLiteral("Panel2"), QRect(8, 224, 529, 65));
    Panel2->setMouseTracking(true);
    Panel2->installEventFilter(this);
    LblWebSite = MakeTextLabel(Panel2, QStringLiteral("LblWebSite"), QRect(8, 8, 137, 49), Qt::AlignRight);
    LblWebSite->setWordWrap(true);
    LblHomePage = MakeTextLabel(Panel2, QStringLiteral("LblHomePage"), QRect(152, 12, 369, 16), Qt::AlignLeft,
                                QStringLiteral("TK_HomePage"));
    LblHomePage->hide();
    LblSimus = MakeTextLabel(Panel2, QStringLiteral("LblSimus"), QRect(152, 36, 369, 16), Qt::AlignLeft);
    for (QLabel* link : {LblHomePage, LblSimus}) {
        link->setFont(LinkFont());
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
        SetLinkColor(link, Qt::blue);
    }

    BButOK = new TBitBtn(this, QStringLiteral("TK_OK"), QRect(424, 296, 113, 33));
    BButOK->setObjectName(QStringLiteral("BButOK"));
    connect(BButOK, &QPushButton::clicked, this, &QDialog::accept);
}

QUrl LinkTarget(const QString& address, const QString& folder)
{
    const QUrl url(address, QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty())
        return url;
    const QFileInfo file(QDir(folder), address);
    if (address.isEmpty() || !file.isFile())
        return {};
    return QUrl::fromLocalFile(file.absoluteFilePath());
}

void TFrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(*this);
    ShowLinks();
}

void TFrmAbout::ShowLinks()
{
    const bool homePage = !LinkTarget(HomePageURL, LocalPagesFolder).isEmpty();
    const bool simulationsPage = !LinkTarget(SimulationsPageURL, LocalPagesFolder).isEmpty();
    LblHomePage->setVisible(homePage);
    LblSimus->setText(SimulationsPageURL);
    LblSimus->setVisible(simulationsPage);
    Panel2->setVisible(homePage || simulationsPage);
}

void TFrmAbout::SetLinkColor(QLabel* link, const QColor& color)
{
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, color);
    link->setPalette(palette);
}

bool TFrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == Panel2) {
            SetLinkColor(LblHomePage, Qt::blue);
            SetLinkColor(LblSimus, Qt::blue);
        } else if (watched == LblHomePage || watched == LblSimus) {
            SetLinkColor(static_cast<QLabel*>(watched), Qt::red);
            // Handled here: the panel below must not see it and turn the link blue again.
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && watched == LblHomePage)
            OpenWithBusyCursor(LinkTarget(HomePageURL, LocalPagesFolder));
        else if (mouse->button() == Qt::LeftButton && watched == LblSimus)
            OpenWithBusyCursor(LinkTarget(SimulationsPageURL, LocalPagesFolder));
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmAbout::OpenWithBusyCursor(const QUrl& address)
{
    const QCursor remembered = cursor();
    setCursor(Qt::BusyCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    OpenAddress(address);
    setCursor(remembered);
}
