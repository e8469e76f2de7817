#pragma once
// The main window's picture commands in the File group of its context menu:
// Save picture… (Ctrl+E) asks which part to save, the chart, the error map with its
// scales and color bar, the error surface or the whole window, then for a file whose
// extension (.png, .svg, .pdf) picks the format; Copy (Ctrl+C) puts the whole
// window's picture on the clipboard.
#include "app/pictureexport.h"

#include <QObject>
#include <functional>
#include <optional>

class QAction;
class TFrmMain;
class TLessonCommands;
class TTolkar2000;

enum class TPictureTarget { Chart, ErrorMap, ErrorSurface, WholeWindow };

class TPictureCommands : public QObject {
    Q_OBJECT
public:
    TPictureCommands(TFrmMain& main, TLessonCommands& commands, TTolkar2000& translator);

    QAction* SavePicture = nullptr;
    QAction* Copy = nullptr;
    // Which part to save; nothing when the user cancels. A dialog by default; tests
    // put their own answer here.
    std::function<std::optional<TPictureTarget>()> AskForTarget;

    // Asks for the part and the file, and saves.
    void Save();
    // Writes the part's picture to path; a failure is reported in an information box
    // and changes nothing.
    bool Save(TPictureTarget target, const QString& path);
    // What the part's picture shows.
    TPictureSource PictureOf(TPictureTarget target) const;
    void CopyWindow();

private:
    TFrmMain& m_main;
    TTolkar2000& m_translator;
};
