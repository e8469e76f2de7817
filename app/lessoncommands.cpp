#include "app/lessoncommands.h"

#include "translation/tolkar.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

bool OpensContextMenu(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

} // namespace

TLessonCommands::TLessonCommands(QWidget& window, TTolkar2000& translator)
    : QObject(&window)
    , m_window(window)
    , m_translator(translator)
{
    setObjectName(QStringLiteral("Commands"));
    // A disabled control swallows its right clicks; its filter sees them first.
    window.installEventFilter(this);
    for (QWidget* control : window.findChildren<QWidget*>())
        control->installEventFilter(this);
    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("CommandMenu"));
}

QAction* TLessonCommands::Add(TCommandGroup group, const TLessonCommand& command)
{
    auto* action = new QAction(m_translator.LookupText(command.TextKey), this);
    action->setShortcut(command.Shortcut);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, [run = command.Run] { run(); });
    // Shortcuts work in the whole window, also while the menu is closed.
    m_window.addAction(action);
    m_groups[group].push_back(action);
    if (command.SharesStateOf)
        ShareState(action, command.SharesStateOf);
    RebuildMenu();
    return action;
}

QAction* TLessonCommands::AddSubmenu(TCommandGroup group, QMenu* submenu)
{
    submenu->menuAction()->setShortcutVisibleInContextMenu(true);
    m_groups[group].push_back(submenu->menuAction());
    RebuildMenu();
    return submenu->menuAction();
}

QAction* TLessonCommands::AddButton(TCommandGroup group, const QString& textKey, const QKeySequence& shortcut,
                                    QAbstractButton* button)
{
    return Add(group, {textKey, shortcut, [button] { button->click(); }, button});
}

void TLessonCommands::Popup(const QPoint& globalPos)
{
    if (!m_menu->isVisible())
        m_menu->popup(globalPos);
}

void TLessonCommands::PopupAtFocus()
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* anchor = focus && m_window.isAncestorOf(focus) ? focus : &m_window;
    Popup(anchor->mapToGlobal(anchor->rect().center()));
}

void TLessonCommands::ShareState(QAction* action, QWidget* control)
{
    m_shared.push_back({action, control});
    // A control also disappears with a panel that holds it.
    for (QWidget* w = control; w && w != &m_window; w = w->parentWidget())
        w->installEventFilter(this);
    UpdateSharedStates();
}

// Right clicks that reach the window, and those on disabled controls.
bool TLessonCommands::OpensMenuOnRightClick(QObject* watched) const
{
    if (watched == &m_window)
        return true;
    const auto* control = qobject_cast<const QWidget*>(watched);
    return control && !control->isEnabled() && control->contextMenuPolicy() != Qt::PreventContextMenu;
}

bool TLessonCommands::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        UpdateSharedStates();
        break;
    case QEvent::ContextMenu:
        if (OpensMenuOnRightClick(watched)) {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            if (request->reason() == QContextMenuEvent::Mouse)
                Popup(request->globalPos());
            else
                PopupAtFocus();
            return true;
        }
        break;
    case QEvent::KeyPress:
        // Keys the focused control leaves alone come to the window.
        if (watched == &m_window && OpensContextMenu(*static_cast<QKeyEvent*>(event))) {
            PopupAtFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TLessonCommands::UpdateSharedStates()
{
    for (const TSharedState& shared : m_shared)
        shared.Action->setEnabled(shared.Control && shared.Control->isEnabled()
                                  && shared.Control->isVisibleTo(&m_window));
}

void TLessonCommands::RebuildMenu()
{
    m_menu->clear();
    for (const auto& [group, actions] : m_groups) {
        if (!m_menu->isEmpty())
            m_menu->addSeparator();
        for (QAction* action : actions)
            m_menu->addAction(action);
    }
}
