#include "loadtext.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A property object that points back to its owner, as axis properties may.
class AxisProps : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(QObject* Owner MEMBER Owner)
public:
    using QObject::QObject;
    QString Caption;
    QObject* Owner = nullptr;
};

class Item : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER Caption)
public:
    QString Caption;
};

// A control with an axis property object (also its child), a collection and string lists.
class Gadget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(AxisProps* Axis READ Axis)
    Q_PROPERTY(QList<Item*> Items READ Items)
    Q_PROPERTY(QStringList Lines MEMBER Lines)
public:
    explicit Gadget(QWidget* parent)
        : QWidget(parent)
    {
        axis_->Owner = this;
        for (int i = 0; i < 2; ++i)
            items_.push_back(std::make_unique<Item>());
    }
    AxisProps* Axis() const { return axis_; }
    QList<Item*> Items() const { return {items_[0].get(), items_[1].get()}; }
    QStringList Lines;

private:
    AxisProps* axis_ = new AxisProps(this);
    std::vector<std::unique_ptr<Item>> items_;
};

class TranslateForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadText(tolkar_, "[Linear Regression]=Lineare Regression|$$[Exit]=Ende|$$"
                          "[Data Points]=Datenpunkte|$$[Color Encoding]=Farbe|$$"
                          "[memo1]=Erste\\nZeile|$$[memo2]=Zweite|$$[linear]=linear DE|$$"
                          "[logarithmic]=log DE|$$[Axis]=TK_Again|$$[one]=eins|$$[two]=zwei|$$");
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
        gadget_->Axis()->Caption = "TK_Axis";
        gadget_->Items()[0]->Caption = "TK_one";
        gadget_->Items()[1]->Caption = "TK_two";
        gadget_->Lines = {"TK_one", "TK_two"};
    }

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
};

TEST_F(TranslateForm, TranslatesEveryMarkedTextOfTheTree)
{
    tolkar_.TranslateComponent(&form_);
    EXPECT_EQ(form_.objectName(), "TK_Exit");
    EXPECT_EQ(form_.windowTitle(), "Lineare Regression");
    EXPECT_EQ(button_->text(), "Ende");
    EXPECT_EQ(button_->toolTip(), "Datenpunkte");
    EXPECT_EQ(label_->text(), "Farbe");
    EXPECT_EQ(empty_->text(), "");
    EXPECT_EQ(memo_->toPlainText(), "Erste\nZeile\nplain\nZweite");
    EXPECT_EQ(combo_->itemText(0), "linear DE");
    EXPECT_EQ(combo_->itemText(2), "log DE");
    EXPECT_EQ(combo_->currentText(), "linear DE");
    EXPECT_EQ(gadget_->Axis()->Caption, "TK_Again");
    EXPECT_EQ(gadget_->Items()[0]->Caption, "eins");
    EXPECT_EQ(gadget_->Items()[1]->Caption, "zwei");
    EXPECT_EQ(gadget_->Lines, QStringList({"eins", "zwei"}));
    EXPECT_EQ(tolkar_.Missing(), QStringList({"[]=|$$"}));
    EXPECT_EQ(found_.count("Axis"), 1);

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
    EXPECT_EQ(asked.count(gadget_->Axis()), 1);
    EXPECT_EQ(asked.count(gadget_->Items()[1]), 1);
}

TEST_F(TranslateForm, TranslateObjectLeavesChildrenAlone)
{
    tolkar_.TranslateObject(&form_);
    EXPECT_EQ(form_.windowTitle(), "Lineare Regression");
    EXPECT_EQ(button_->text(), "TK_Exit");
}

#include "test_translate.moc"
