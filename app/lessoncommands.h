#pragma once
// The main window's commands, registered in one place. Each command is an entry of
// the window's context menu, with its shortcut shown beside its text and working in
// the whole window. A command may share the state of a control (a button of the
// button bar, a check box): it is enabled exactly while that control is enabled and
// shown, whatever changes it.
//
// The menu opens on a right click anywhere in the window, disabled controls included,
// except on controls that keep the right button for themselves (their context menu
// policy is Qt::PreventContextMenu); and on the context-menu key or Shift+F10 wherever
// the focus is, then over the focused control.
//
// A new command needs one call:
//     commands.Add(TCommandGroup::File, {"Open…", QKeySequence("Ctrl+O"), [this] { Open(); }});
//     commands.AddButton(TCommandGroup::Windows, "Data Points…", QKeySequence("Ctrl+D"), SBDataPts);
// The text is a key of the language file; the menu keeps the groups in their order
// below, with lines between them, and the commands of a group in the order added.
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAbstractButton;
class QAction;
class QMenu;
class QWidget;
class TTolkar2000;

// The sections of the menu, top to bottom.
enum class TCommandGroup {
    Lesson, // the tutorial and the line: next page, reset
    View, // what the chart shows besides the lesson's own: squares, best line
    File, // data and pictures: open, save, examples, save picture, copy
    Windows, // the other windows: data points, 3-D plot
    Help, // about
    Quit, // exit
};

struct TLessonCommand {
    QString TextKey; // the menu text's key in the language file
    QKeySequence Shortcut; // none when empty
    std::function<void()> Run;
    QWidget* SharesStateOf = nullptr; // the control whose state it shares, or none
};

class TLessonCommands : public QObject {
    Q_OBJECT
public:
    TLessonCommands(QWidget& window, TTolkar2000& translator);

    // Registers a command; the action returned may be refined further (checkable, ...).
    QAction* Add(TCommandGroup group, const TLessonCommand& command);
    // A submenu of commands, shown as one entry of the group.
    QAction* AddSubmenu(TCommandGroup group, QMenu* submenu);
    // A command that clicks the button and shares its state.
    QAction* AddButton(TCommandGroup group, const QString& textKey, const QKeySequence& shortcut,
                       QAbstractButton* button);

    QMenu& Menu() const { return *m_menu; }
    // Opens the menu at a point on the screen, unless it is open already.
    void Popup(const QPoint& globalPos);
    // Opens the menu over the control that has the focus, or over the window.
    void PopupAtFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TSharedState {
        QAction* Action;
        QPointer<QWidget> Control;
    };
    bool OpensMenuOnRightClick(QObject* watched) const;
    void ShareState(QAction* action, QWidget* control);
    void UpdateSharedStates();
    void RebuildMenu();

    QWidget& m_window;
    TTolkar2000& m_translator;
    QMenu* m_menu;
    std::map<TCommandGroup, std::vector<QAction*>> m_groups;
    std::vector<TSharedState> m_shared;
};
