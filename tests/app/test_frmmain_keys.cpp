// The main window without the mouse and for assistive technology: the command menu,
// the error map's arrow keys and tooltip, the tab order, the accessible texts.
#include "app/datacommands.h"
#include "app/errormap.h"
#include "app/errormapview.h"
#include "app/formkit.h"
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "app/lessoncommands.h"
#include "app/lessonextras.h"
#include "app/picturecommands.h"
#include "app/program.h"
#include "controls/chart/plotta.h"
#include "controls/numlab/numlab.h"
#include "translation/tolkar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// The menu as it reads: each entry with its shortcut, "-" for a line.
QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + u'\t' + action->shortcut().toString());
    return texts;
}

QList<QAction*> MenuEntries(const QMenu& menu)
{
    QList<QAction*> entries;
    for (QAction* action : menu.actions())
        if (!action->isSeparator())
            entries << action;
    return entries;
}

class MainWindowKeys : public ::testing::Test {
protected:
    TFrmMain form{42};

    QMenu& Menu() { return form.Commands->Menu(); }
    void Next(int times)
    {
        for (int i = 0; i < times; ++i)
            form.SBNext->click();
    }
    void Click(QPoint at) { QTest::mouseClick(form.Image1, Qt::LeftButton, {}, at); }
    QString ToolTipAt(QPoint at)
    {
        QHelpEvent hover(QEvent::ToolTip, at, form.Image1->mapToGlobal(at));
        QApplication::sendEvent(form.Image1, &hover);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    // The value fields' texts, as the map's description and tooltip should word them.
    QString FieldsText()
    {
        return QStringLiteral("k = %1, d = %2, sum of squared residuals = %3")
            .arg(form.NLk->DisplayText(), form.NLd->DisplayText(), form.NLSum_e2->DisplayText());
    }
};

} // namespace

TEST_F(MainWindowKeys, MenuEntriesAreEnabledExactlyWhenTheirButtonsAre)
{
    EXPECT_EQ(
        MenuTexts(Menu()),
        QStringList({"Next page\tCtrl+N", "Reset\tCtrl+R", "-", "Squares of the residuals\tCtrl+2",
                     "Least-squares line\tCtrl+L", "-", "Open...\tCtrl+O", "Save...\tCtrl+S", "Examples\t",
                     "Save picture...\tCtrl+E", "Copy\tCtrl+C", "-", "Data Points\u2026\tCtrl+D",
                     "3D Plot\u2026\tCtrl+3", "-", "About\u2026\tF1", "-", "Exit\tCtrl+Q"}));
    EXPECT_EQ(Menu().actions()[8]->menu()->actions().size(), 6); // the examples
    QList<QAction*> entries = MenuEntries(Menu());
    for (const QAction* entry : entries)
        EXPECT_TRUE(entry->isShortcutVisibleInContextMenu()) << entry->text().toStdString();
    // The chart's extras and the data commands have no button; they work on every page.
    for (QAction* extra : {form.Extras->SquaresCommand, form.Extras->FitCommand, form.DataCommands->Open,
                           form.DataCommands->Save, Menu().actions()[8], form.PictureCommands->SavePicture,
                           form.PictureCommands->Copy}) {
        EXPECT_TRUE(extra->isEnabled());
        entries.removeOne(extra);
    }

    const TSpeedButton* buttons[] = {form.SBNext,   form.SBReset,      form.SBDataPts,
                                     form.SB3dPlot, form.SpeedButton4, form.SBExit};
    // Next page, Reset, Data Points, 3D Plot, About, Exit on pages 1 to 5, then after Reset.
    const bool enabled[][6] = {{1, 1, 0, 0, 1, 1}, {1, 1, 0, 0, 1, 1}, {1, 1, 0, 0, 1, 1},
                               {1, 1, 0, 1, 1, 1}, {0, 1, 1, 1, 1, 1}, {1, 1, 0, 0, 1, 1}};
    for (int step = 0; step < 6; ++step) {
        if (step == 5)
            form.SBReset->click();
        else if (step > 0)
            Next(1);
        for (int e = 0; e < 6; ++e) {
            EXPECT_EQ(entries[e]->isEnabled(), enabled[step][e])
                << "step " << step << ": " << entries[e]->text().toStdString();
            EXPECT_EQ(entries[e]->isEnabled(), buttons[e]->isEnabled());
        }
    }
    // An entry does what its button does.
    entries[0]->trigger();
    EXPECT_EQ(form.Page(), 2);
}

TEST(LessonCommands, GroupsKeepTheirOrderAndACommandFollowsTheControlItShares)
{
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* box = new QCheckBox(panel);
    TTolkar2000 translator{QString()};
    TLessonCommands commands(window, translator);
    int runs = 0;
    commands.Add(TCommandGroup::Quit, {QStringLiteral("Exit"), {}, [] {}});
    QAction* squares = commands.Add(
        TCommandGroup::Lesson,
        {QStringLiteral("Squares"), QKeySequence(Qt::CTRL | Qt::Key_U), [&runs] { ++runs; }, box});
    commands.Add(TCommandGroup::File, {QStringLiteral("Open"), {}, [] {}});
    commands.Add(TCommandGroup::Lesson, {QStringLiteral("Fit line"), {}, [] {}});
    EXPECT_EQ(MenuTexts(commands.Menu()),
              QStringList({"Squares\tCtrl+U", "Fit line\t", "-", "Open\t", "-", "Exit\t"}));
    EXPECT_TRUE(window.actions().contains(squares));

    squares->trigger();
    EXPECT_EQ(runs, 1);
    panel->hide(); // the control disappears with its panel
    EXPECT_FALSE(squares->isEnabled());
    panel->show();
    EXPECT_TRUE(squares->isEnabled());
    box->setEnabled(false);
    EXPECT_FALSE(squares->isEnabled());
    squares->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainWindowKeys, TheMenuOpensOnARightClickOutsideTheMapAndFromTheKeyboard)
{
    Next(3); // page 4: the map and the color panel are shown, Data Points is disabled
    const struct {
        QWidget* target;
        int key; // 0: a right click, as the window system reports it
        Qt::KeyboardModifiers modifiers;
        bool opens;
    } cases[] = {
        {form.Plotta1, 0, {}, true},
        {form.NLk, 0, {}, true},
        {form.SBDataPts, 0, {}, true},
        {form.Panel2, 0, {}, true},
        {&form, 0, {}, true},
        {form.Image1, 0, {}, false}, // every button picks there
        {form.Memo->viewport(), 0, {}, false}, // the memo's own menu is empty
        {form.Image1, Qt::Key_F10, Qt::ShiftModifier, true},
        {form.CBSquares, Qt::Key_F10, Qt::ShiftModifier, true},
        {form.RBNormal, Qt::Key_Menu, {}, true},
        {form.Image1, Qt::Key_Menu, {}, true},
        {form.Image1, Qt::Key_F10, {}, false},
        {form.Image1, Qt::Key_F10, Qt::ControlModifier, false},
    };
    for (const auto& c : cases) {
        const QString where = c.target->objectName() + QStringLiteral(" key %1").arg(c.key);
        if (c.key == 0) {
            const QPoint at(3, 3);
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, c.target->mapToGlobal(at));
            QApplication::sendEvent(c.target, &rightClick);
        } else {
            QTest::keyClick(c.target, Qt::Key(c.key), c.modifiers);
        }
        EXPECT_EQ(Menu().isVisible(), c.opens) << where.toStdString();
        Menu().hide();
    }
}

TEST_F(MainWindowKeys, ArrowKeysPickAsTheMouseDoesOnTheNeighboringCell)
{
    Next(3); // page 4: color map, both markers, the sum
    const struct {
        QPoint start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint picked;
    } cases[] = {
        {{133, 100}, Qt::Key_Right, {}, {135, 100}},
        {{133, 100}, Qt::Key_Up, Qt::ShiftModifier, {133, 90}},
        {{20, 30}, Qt::Key_Left, Qt::ShiftModifier, {10, 30}},
        {{20, 30}, Qt::Key_Down, Qt::KeypadModifier, {20, 32}},
        // Held inside the positions a mouse can pick.
        {{1, 50}, Qt::Key_Left, {}, {0, 50}},
        {{196, 198}, Qt::Key_Down, Qt::ShiftModifier, {196, 199}},
        {{50, 2}, Qt::Key_Up, {}, {50, 1}},
        {{199, 50}, Qt::Key_Right, Qt::ShiftModifier, {199, 50}},
    };
    for (const auto& c : cases) {
        const std::string name =
            QStringLiteral("from %1,%2 key %3").arg(c.start.x()).arg(c.start.y()).arg(c.key).toStdString();
        Click(c.start);
        QTest::keyClick(form.Image1, c.key, c.modifiers);
        EXPECT_FALSE(form.MouseIsDown) << name;
        const double k = form.K, d = form.D;
        const QImage map = form.Image1->Picture().Image().copy();
        const QImage chart = form.Plotta1->DataAreaPicture().Image().copy();
        const QString fields = FieldsText();

        Click({100, 100});
        Click(c.picked);
        EXPECT_EQ(k, form.K) << name;
        EXPECT_EQ(d, form.D) << name;
        EXPECT_EQ(map, form.Image1->Picture().Image()) << name;
        EXPECT_EQ(chart, form.Plotta1->DataAreaPicture().Image()) << name;
        EXPECT_EQ(fields, FieldsText()) << name;
    }
    // Other keys, and arrows with Ctrl, are left to the window.
    const double k = form.K;
    QTest::keyClick(form.Image1, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(form.Image1, Qt::Key_PageUp);
    EXPECT_EQ(form.K, k);
}

TEST_F(MainWindowKeys, AssistiveTechnologyReadsTheControlsAndThePickedLine)
{
    const struct {
        QWidget* control;
        const char* name;
        bool described;
    } cases[] = {
        {form.Plotta1, "Chart of the points and the line", true},
        {form.Image1, "Error map", true},
        {form.NLk, "Slope k", true},
        {form.NLd, "Intercept d", true},
        {form.NLSum_e2, "Sum of squared residuals", true},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(c.control);
        ASSERT_TRUE(access) << c.name;
        EXPECT_EQ(access->text(QAccessible::Name), QString::fromUtf8(c.name));
        EXPECT_FALSE(access->text(QAccessible::Description).isEmpty()) << c.name;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.NLk)->text(QAccessible::Value),
              QStringLiteral("1.00"));

    // The map describes the picked line as the value fields show it, the sum once the
    // lesson shows it.
    Next(1);
    EXPECT_EQ(form.Image1->accessibleDescription(), QStringLiteral("k = 1.00, d = 0.00"));
    Next(1);
    EXPECT_EQ(form.Image1->accessibleDescription(), FieldsText());
    QTest::keyClick(form.Image1, Qt::Key_Right);
    ASSERT_EQ(form.NLk->DisplayText(), QStringLiteral("1.05"));
    EXPECT_EQ(form.Image1->accessibleDescription(), FieldsText());
    Click({20, 150});
    EXPECT_EQ(form.Image1->accessibleDescription(), FieldsText());
}

TEST_F(MainWindowKeys, HoveringOverTheMapShowsWhatAPickThereWouldShow)
{
    Next(1); // page 2: no sum of squares yet
    EXPECT_EQ(ToolTipAt({50, 50}), QStringLiteral("k = -1.50, d = 1.00"));
    EXPECT_EQ(form.Image1->ToolTipAt(50, 0), QString()); // no pick there
    Next(1);
    const QString tip = ToolTipAt({150, 170});
    Click({150, 170});
    EXPECT_EQ(tip, FieldsText());
    QToolTip::hideText();
}

namespace {

// The program as the learner starts it, with the splash closed and the main window active.
class ShownProgram {
public:
    ShownProgram()
    {
        bool splashClosed = false;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (FrmAbout->isVisible()) {
                FrmAbout->accept();
                splashClosed = true;
            }
        });
        closer.start();
        FrmMain->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return splashClosed && !FrmAbout->isVisible(); }));
        FrmMain->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(FrmMain));
    }
    ~ShownProgram() { FrmMain->hide(); }

private:
    TProgramWindows m_windows{std::uint64_t{42}};
};

QString FocusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

TEST(MainWindowKeyboard, TheLessonRunsOnShortcutsAndTabReachesEveryControlInOrder)
{
    ShownProgram program;
    // The lesson starts with the focus on Next.
    EXPECT_EQ(FocusName(), QStringLiteral("SBNext"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(FrmMain, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(FrmMain->Page(), 5);

    FrmMain->SBExit->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << FocusName();
        if (FocusName() == QStringLiteral("Image1")) {
            EXPECT_TRUE(FrmMain->Image1->FocusFrameShown());
        }
    }
    EXPECT_EQ(order,
              QStringList({"SBReset", "SBDataPts", "SpeedButton4", "SB3dPlot", "Image1", "CBSquares",
                           "RBLogarithmic", "SBExit", "SBReset"}));

    // A click into the map takes the focus without the frame.
    QTest::mouseClick(FrmMain->Image1, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(FocusName(), QStringLiteral("Image1"));
    EXPECT_FALSE(FrmMain->Image1->FocusFrameShown());

    QTest::keyClick(FrmMain, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(FrmMain->Page(), 1);
}
