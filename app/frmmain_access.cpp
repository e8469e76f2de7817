// The main window without the mouse: its commands in the context menu and on
// shortcuts, the tab order, the error map's arrow keys and tooltip, and the texts
// that assistive technology reads for the chart, the map and the value fields.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "app/lessoncommands.h"
#include "controls/chart/plotta.h"
#include "controls/numlab/numlab.h"
#include "controls/numlab/numtext.h"
#include "courseware/demon.h"
#include "translation/tolkar.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

// A value as a numeric label of that display type shows it with these decimals.
QString FieldText(const TNumLab& label, double value, int decimals)
{
    return FormatDisplayValue(value, {label.DisplayType(), decimals, {}, {}})
        .value_or(label.OverflowIndicator());
}

} // namespace

void TFrmMain::BuildCommands()
{
    Commands = new TLessonCommands(*this, clidemon->Translator());
    const struct {
        TCommandGroup Group;
        const char* TextKey;
        QKeySequence Shortcut;
        TSpeedButton* Button;
    } buttons[] = {
        {TCommandGroup::Lesson, "Next page", QKeySequence(Qt::CTRL | Qt::Key_N), SBNext},
        {TCommandGroup::Lesson, "Reset", QKeySequence(Qt::CTRL | Qt::Key_R), SBReset},
        {TCommandGroup::Windows, "Data Points\u2026", QKeySequence(Qt::CTRL | Qt::Key_D), SBDataPts},
        {TCommandGroup::Windows, "3D Plot\u2026", QKeySequence(Qt::CTRL | Qt::Key_3), SB3dPlot},
        {TCommandGroup::Help, "About\u2026", QKeySequence(Qt::Key_F1), SpeedButton4},
        {TCommandGroup::Quit, "Exit", QKeySequence(Qt::CTRL | Qt::Key_Q), SBExit},
    };
    for (const auto& b : buttons)
        Commands->AddButton(b.Group, QString::fromUtf8(b.TextKey), b.Shortcut, b.Button);
}

// The buttons left to right, the map, then the controls below the chart and the map.
void TFrmMain::SetTabOrder()
{
    for (TSpeedButton* button : {SBExit, SBReset, SBNext, SBDataPts, SpeedButton4, SB3dPlot})
        button->setFocusPolicy(Qt::TabFocus);
    QWidget* const order[] = {SBExit,   SBReset, SBNext,    SBDataPts,     SpeedButton4,
                              SB3dPlot, Image1,  CBSquares, RBLogarithmic, RBNormal};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFrmMain::DescribeControls()
{
    TTolkar2000& translator = clidemon->Translator();
    auto describe = [&translator](QWidget* control, const char* name, const char* description) {
        control->setAccessibleName(translator.LookupText(QString::fromUtf8(name)));
        if (description)
            control->setAccessibleDescription(translator.LookupText(QString::fromUtf8(description)));
    };
    describe(Plotta1, "Chart of the points and the line",
             "The data points, the line y = k\u00B7x + d and, when shown, the residuals in red");
    describe(Image1, "Error map", nullptr);
    describe(NLk, "Slope k", "The slope of the line y = k\u00B7x + d");
    describe(NLd, "Intercept d", "Where the line y = k\u00B7x + d crosses the y axis");
    describe(NLSum_e2, "Sum of squared residuals",
             "The sum of the squared vertical distances of the points from the line");
}

// The map tells assistive technology which line is picked, in the words of the value fields.
void TFrmMain::DescribeLine() { Image1->setAccessibleDescription(LineValuesText(K, D)); }

QString TFrmMain::LineValuesText(double k, double d) const
{
    TTolkar2000& translator = clidemon->Translator();
    const QString kText = FieldText(*NLk, k, NLk->Precision());
    const QString dText = FieldText(*NLd, d, NLd->Precision());
    if (!NLSum_e2->isVisibleTo(this))
        return translator.LookupText(QStringLiteral("k = <%1%>, d = <%2%>"), {kText, dText});
    const double sum = SumOfSquares(DataX, DataY, NumPoints, k, d);
    return translator.LookupText(QStringLiteral("k = <%1%>, d = <%2%>, sum of squared residuals = <%3%>"),
                                 {kText, dText, FieldText(*NLSum_e2, sum, View.SumDecimals)});
}

QString TFrmMain::Image1ToolTip(int X, int Y) const
{
    const int w = Image1->width();
    const int h = Image1->height();
    if (!IsPickable(X, Y, w, h))
        return {};
    return LineValuesText(KOfMapX(X, w), DOfMapY(Y, h));
}
