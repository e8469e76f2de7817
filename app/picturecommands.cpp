#include "app/picturecommands.h"

#include "app/frmmain.h"
#include "app/frmplot3d.h"
#include "app/lessoncommands.h"
#include "controls/plot3d/plot3d.h"
#include "platform/messagebox.h"
#include "translation/tolkar.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>

namespace {

struct TTargetText {
    TPictureTarget Target;
    const char* TextKey;
};
constexpr TTargetText TargetTexts[] = {
    {TPictureTarget::Chart, "The chart"},
    {TPictureTarget::ErrorMap, "The error map with its scales"},
    {TPictureTarget::ErrorSurface, "The error surface"},
    {TPictureTarget::WholeWindow, "The whole window"},
};

std::optional<TPictureTarget> AskWithList(QWidget* parent, TTolkar2000& translator)
{
    QStringList items;
    for (const TTargetText& t : TargetTexts)
        items << translator.LookupText(QString::fromUtf8(t.TextKey));
    bool chosen = false;
    const QString item = QInputDialog::getItem(parent, translator.LookupText(QStringLiteral("Save picture")),
                                               translator.LookupText(QStringLiteral("Which picture?")), items,
                                               0, false, &chosen);
    if (!chosen)
        return std::nullopt;
    return TargetTexts[std::max<qsizetype>(0, items.indexOf(item))].Target;
}

// The rectangle of a child in the window's pixels.
QRect AreaIn(const QWidget& window, const QWidget& child)
{
    return QRect(child.mapTo(&window, QPoint()), child.size());
}

} // namespace

TPictureCommands::TPictureCommands(TFrmMain& main, TLessonCommands& commands, TTolkar2000& translator)
    : QObject(&main)
    , m_main(main)
    , m_translator(translator)
{
    setObjectName(QStringLiteral("PictureCommands"));
    AskForTarget = [this] { return AskWithList(&m_main, m_translator); };
    SavePicture = commands.Add(
        TCommandGroup::File,
        {QStringLiteral("Save picture..."), QKeySequence(Qt::CTRL | Qt::Key_E), [this] { Save(); }});
    Copy =
        commands.Add(TCommandGroup::File,
                     {QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopyWindow(); }});
}

TPictureSource TPictureCommands::PictureOf(TPictureTarget target) const
{
    switch (target) {
    case TPictureTarget::Chart:
        return ChartPicture(*m_main.Plotta1);
    case TPictureTarget::ErrorMap:
        return AreaPicture(m_main, AreaIn(m_main, *m_main.Panel3).united(AreaIn(m_main, *m_main.Panel2)));
    case TPictureTarget::ErrorSurface:
        if (FrmPlot3D) {
            if (!FrmPlot3D->isVisible())
                m_main.FillErrorSurface(*FrmPlot3D);
            return WidgetPicture(*FrmPlot3D->P3D);
        }
        break;
    case TPictureTarget::WholeWindow:
        break;
    }
    return WidgetPicture(m_main);
}

void TPictureCommands::Save()
{
    const std::optional<TPictureTarget> target = AskForTarget();
    if (!target)
        return;
    const QString path = m_main.AskForFile(
        {true, m_translator.LookupText(QStringLiteral("Save picture")),
         QDir::home().filePath(QStringLiteral("picture.png")),
         m_translator.LookupText(QStringLiteral("Pictures (*.png *.svg *.pdf)")), QStringLiteral("png")});
    if (!path.isEmpty())
        Save(*target, path);
}

bool TPictureCommands::Save(TPictureTarget target, const QString& path)
{
    QString reason;
    if (WritePicture(PictureOf(target), path, reason))
        return true;
    ShowInformation(m_translator.LookupText(QStringLiteral("The picture <%1%> cannot be saved: <%2%>"),
                                            {QFileInfo(path).fileName(), reason}));
    return false;
}

void TPictureCommands::CopyWindow()
{
    QGuiApplication::clipboard()->setImage(PicturePixels(WidgetPicture(m_main)));
}
