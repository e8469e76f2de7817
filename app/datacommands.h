#pragma once
// The main window's data commands in the File group of its context menu: Open… (Ctrl+O),
// Save… (Ctrl+S) and a submenu with one entry per example that comes with the program.
// They act through the main window's OpenDataFile(), SaveDataFile() and
// OpenExample(name); the shortcuts work in the main window from the start.
//
// Beside them: any of the program's windows takes a data file dropped on it.
#include "dataset/pointfile.h"
#include "dataset/result.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMimeData;
class QWidget;
class TFrmMain;
class TLessonCommands;
class TTolkar2000;

class TDataCommands : public QObject {
    Q_OBJECT
public:
    TDataCommands(TFrmMain& main, TLessonCommands& commands, TTolkar2000& translator);

    QAction* Open = nullptr;
    QAction* Save = nullptr;
    // The title of the list of examples, and one action per example, named as the
    // example ("anscombe-1", "cars", …).
    QString ExamplesTitle;
    QList<QAction*> Examples;
};

// Lets window take one local file dropped on it and hands its path to open.
void AcceptDataFileDrops(QWidget& window, std::function<void(const QString& path)> open);

// The local file a drag brings, if it brings exactly one.
QString DroppedFile(const QMimeData* data);

// The data that "--data" names: a file, else an example of that name in examplesDir,
// from its first two numeric columns, ready for TFrmMain::LoadPoints. The message of a
// failure names the file (or the argument) and says why, with the line where there is
// one: `/tmp/a.csv: line 3: "abc" is not a number`.
struct TDataArgument {
    PointSet points;
    QString file;
};
Result<TDataArgument> ReadDataArgument(const QString& fileOrExample, const QString& examplesDir);
