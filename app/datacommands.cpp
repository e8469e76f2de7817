#include "app/datacommands.h"

#include "app/dataview.h"
#include "app/frmmain.h"
#include "app/lessoncommands.h"
#include "app/programfolders.h"
#include "dataset/examples.h"
#include "translation/tolkar.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

TDataCommands::TDataCommands(TFrmMain& main, TLessonCommands& commands, TTolkar2000& translator)
    : QObject(&main)
{
    setObjectName(QStringLiteral("DataCommands"));
    Open = commands.Add(
        TCommandGroup::File,
        {QStringLiteral("Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), [&main] { main.OpenDataFile(); }});
    Save = commands.Add(
        TCommandGroup::File,
        {QStringLiteral("Save..."), QKeySequence(Qt::CTRL | Qt::Key_S), [&main] { main.SaveDataFile(); }});

    ExamplesTitle = translator.LookupText(QStringLiteral("Examples"));
    auto* examples = new QMenu(ExamplesTitle, &main);
    for (const QString& name : ExampleNames(TProgramFolders::OfRunningProgram().ExamplesDir())) {
        QAction* example = examples->addAction(name);
        connect(example, &QAction::triggered, &main, [&main, name] { main.OpenExample(name); });
        Examples << example;
    }
    commands.AddSubmenu(TCommandGroup::File, examples);
}

QString DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

namespace {

// Takes drops of one local file for the window it watches.
class TDataFileDropFilter : public QObject {
public:
    TDataFileDropFilter(QWidget& window, std::function<void(const QString&)> open)
        : QObject(&window)
        , m_open(std::move(open))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (DroppedFile(drag->mimeData()).isEmpty())
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = DroppedFile(drop->mimeData());
            if (path.isEmpty())
                return false;
            drop->acceptProposedAction();
            m_open(path);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    std::function<void(const QString&)> m_open;
};

} // namespace

void AcceptDataFileDrops(QWidget& window, std::function<void(const QString& path)> open)
{
    window.setAcceptDrops(true);
    window.installEventFilter(new TDataFileDropFilter(window, std::move(open)));
}

Result<TDataArgument> ReadDataArgument(const QString& fileOrExample, const QString& examplesDir)
{
    QString file = fileOrExample;
    if (!QFileInfo::exists(file) && !ExampleFile(file, examplesDir).isEmpty())
        file = ExampleFile(file, examplesDir);
    auto failure = [&file](const QString& reason) {
        return Result<TDataArgument>::Failure(file + QStringLiteral(": ") + reason);
    };
    if (!QFileInfo::exists(file))
        return failure(QStringLiteral("no such file, and no example of that name (%1)")
                           .arg(ExampleNames(examplesDir).join(QStringLiteral(", "))));
    Result<PointSet> points = ReadPointFile(file);
    if (!points)
        return failure(points.Message());
    if (!FitDataView(points.Value().x, points.Value().y))
        return failure(QStringLiteral("the numbers are too large to show"));
    return TDataArgument{std::move(points).Value(), file};
}
