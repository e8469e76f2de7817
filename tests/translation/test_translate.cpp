#include "loadtext.h"

#include "controls/chart/plotta.h"
#include "controls/chart/scaleprops.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class Item : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER Caption)
public:
    QString Caption;
};

// A control with a collection, string lists, a published Name and a property object
// that is neither axis settings nor a collection.
class Gadget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(QList<Item*> Items READ Items)
    Q_PROPERTY(QStringList Lines MEMBER Lines)
    Q_PROPERTY(Item* Other MEMBER Other)
public:
    explicit Gadget(QWidget* parent)
        : QWidget(parent)
    {
        for (int i = 0; i < 2; ++i)
            items_.push_back(std::make_unique<Item>());
    }
    QList<Item*> Items() const { return {items_[0].get(), items_[1].get()}; }
    QString Name;
    QStringList Lines;
    Item* Other = nullptr;

private:
    std::vector<std::unique_ptr<Item>> items_;
};

class TranslateForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadText(tolkar_, "[Linear Regression]=Lineare Regression|$$[Exit]=Ende|$$"
                          "[Data Points]=Datenpunkte|$$[Color Encoding]=Farbe|$$"
                          "[memo1]=Erste\\nZeile|$$[memo2]=Zweite|$$[linear]=linear DE|$$"
                          "[logarithmic]=log DE|$$[Axis]=Achse|$$[one]=eins|$$[two]=zwei|$$");
        tolkar_.SetCollectMissing(true);
        tolkar_.OnTextFound = [this](QObject*, const QString& key, QString&) { found_ << key; };
        form_.setObjectName("TK_Exit");
        form_.setWindowTitle("TK_Linear Regression");
        button_->setText("TK_Exit");
        button_->setToolTip("TK_Data Points");
        label_->setText("TK_Color Encoding");
        empty_->setText("TK_");
        memo_->setPlainText("TK_memo1\nplain\nTK_memo2");
        combo_->addItems({"TK_linear", "fixed", "TK_logarithmic"});
        gadget_->Name = "TK_Exit";
        gadget_->Items()[0]->Caption = "TK_one";
        gadget_->Items()[1]->Caption = "TK_two";
        gadget_->Lines = {"TK_one", "TK_two"};
        other_.Caption = "TK_one";
        gadget_->Other = &other_;
        for (TPlotta* chart : {chart_, otherFormsChart_}) {
            chart->SetCaption("TK_Exit");
            chart->Scale1X()->SetCaption("TK_Axis");
        }
        chart_->SetUseDataOf(otherFormsChart_);
    }
    // Misses are collected, but no language file is written on destruction.
    void TearDown() override { tolkar_.SetCollectMissing(false); }

    TTolkar2000 tolkar_{{}};
    QStringList found_;
    QWidget form_;
    QWidget* panel_ = new QWidget(&form_);
    QToolButton* button_ = new QToolButton(panel_);
    QLabel* label_ = new QLabel(&form_);
    QLabel* empty_ = new QLabel(&form_);
    QPlainTextEdit* memo_ = new QPlainTextEdit(&form_);
    QComboBox* combo_ = new QComboBox(&form_);
    Gadget* gadget_ = new Gadget(panel_);
    Item other_;
    TPlotta* chart_ = new TPlotta(&form_);
    QWidget otherForm_;
    TPlotta* otherFormsChart_ = new TPlotta(&otherForm_);
};

TEST_F(TranslateForm, TranslatesTheMarkedTextsOfTheFormOnly)
{
    ASSERT_EQ(chart_->UseDataOf(), otherFormsChart_);
    tolkar_.TranslateComponent(&form_);

    const struct {
        const char* kind;
        QString text;
        QString expected;
    } cases[] = {
        {"text property", button_->text(), "Ende"},
        {"text property of the form", form_.windowTitle(), "Lineare Regression"},
        {"text property of a nested control", button_->toolTip(), "Datenpunkte"},
        {"text property of a chart", chart_->Caption(), "Ende"},
        {"prefix alone", empty_->text(), ""},
        {"object name", form_.objectName(), "TK_Exit"},
        {"published Name", gadget_->Name, "TK_Exit"},
        {"axis settings", chart_->Scale1X()->Caption(), "Achse"},
        {"collection item", gadget_->Items()[1]->Caption, "zwei"},
        {"string list", gadget_->Lines.join(','), "eins,zwei"},
        {"memo lines", memo_->toPlainText(), "Erste\nZeile\nplain\nZweite"},
        {"combo items", combo_->itemText(0) + ',' + combo_->itemText(2), "linear DE,log DE"},
        {"other property object", other_.Caption, "TK_one"},
        {"chart whose data is used", otherFormsChart_->Caption(), "TK_Exit"},
        {"its axis settings", otherFormsChart_->Scale1X()->Caption(), "TK_Axis"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text.toStdString(), c.expected.toStdString()) << c.kind;
    EXPECT_EQ(combo_->currentText(), "linear DE");
    EXPECT_EQ(tolkar_.Missing(), QStringList({"[]=|$$"}));

    // Lines are translated from the last to the first.
    EXPECT_LT(found_.indexOf("memo2"), found_.indexOf("memo1"));
    EXPECT_LT(found_.indexOf("logarithmic"), found_.indexOf("linear"));
    EXPECT_LT(found_.lastIndexOf("two"), found_.lastIndexOf("one"));
}

TEST_F(TranslateForm, OnBeforeTranslateSkipsAnObjectButNotItsChildren)
{
    QObjectList asked;
    tolkar_.OnBeforeTranslate = [&](QObject* sender, QObject* object, bool& doTranslate) {
        EXPECT_EQ(sender, &tolkar_);
        asked << object;
        doTranslate = object != panel_ && object != label_;
    };
    tolkar_.TranslateComponent(&form_);
    EXPECT_EQ(label_->text(), "TK_Color Encoding");
    EXPECT_EQ(button_->text(), "Ende");
    EXPECT_EQ(asked.count(chart_->Scale1X()), 1);
    EXPECT_EQ(asked.count(gadget_->Items()[1]), 1);
}

TEST_F(TranslateForm, TranslateObjectLeavesChildrenAlone)
{
    tolkar_.TranslateObject(&form_);
    EXPECT_EQ(form_.windowTitle(), "Lineare Regression");
    EXPECT_EQ(button_->text(), "TK_Exit");
}

#include "test_translate.moc"
