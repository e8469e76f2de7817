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
            m_items.push_back(std::make_unique<Item>());
    }
    QList<Item*> Items() const { return {m_items[0].get(), m_items[1].get()}; }
    QString Name;
    QStringList Lines;
    Item* Other = nullptr;

private:
    std::vector<std::unique_ptr<Item>> m_items;
};

class TranslateForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadText(m_tolkar,
                 "[Linear Regression]=Lineare Regression|$$[Exit]=Ende|$$"
                 "[Data Points]=Datenpunkte|$$[Color Encoding]=Farbe|$$"
                 "[memo1]=Erste\\nZeile|$$[memo2]=Zweite|$$[linear]=linear DE|$$"
                 "[logarithmic]=log DE|$$[Axis]=Achse|$$[one]=eins|$$[two]=zwei|$$");
        m_tolkar.SetCollectMissing(true);
        m_tolkar.OnTextFound = [this](QObject*, const QString& key, QString&) { m_found << key; };
        m_form.setObjectName("TK_Exit");
        m_form.setWindowTitle("TK_Linear Regression");
        m_button->setText("TK_Exit");
        m_button->setToolTip("TK_Data Points");
        m_label->setText("TK_Color Encoding");
        m_empty->setText("TK_");
        m_memo->setPlainText("TK_memo1\nplain\nTK_memo2");
        m_combo->addItems({"TK_linear", "fixed", "TK_logarithmic"});
        m_gadget->Name = "TK_Exit";
        m_gadget->Items()[0]->Caption = "TK_one";
        m_gadget->Items()[1]->Caption = "TK_two";
        m_gadget->Lines = {"TK_one", "TK_two"};
        m_other.Caption = "TK_one";
        m_gadget->Other = &m_other;
        for (TPlotta* chart : {m_chart, m_otherFormsChart}) {
            chart->SetCaption("TK_Exit");
            chart->Scale1X()->SetCaption("TK_Axis");
        }
        m_chart->SetUseDataOf(m_otherFormsChart);
    }
    // Misses are collected, but no language file is written on destruction.
    void TearDown() override { m_tolkar.SetCollectMissing(false); }

    TTolkar2000 m_tolkar{{}};
    QStringList m_found;
    QWidget m_form;
    QWidget* m_panel = new QWidget(&m_form);
    QToolButton* m_button = new QToolButton(m_panel);
    QLabel* m_label = new QLabel(&m_form);
    QLabel* m_empty = new QLabel(&m_form);
    QPlainTextEdit* m_memo = new QPlainTextEdit(&m_form);
    QComboBox* m_combo = new QComboBox(&m_form);
    Gadget* m_gadget = new Gadget(m_panel);
    Item m_other;
    TPlotta* m_chart = new TPlotta(&m_form);
    QWidget m_otherForm;
    TPlotta* m_otherFormsChart = new TPlotta(&m_otherForm);
};

TEST_F(TranslateForm, TranslatesTheMarkedTextsOfTheFormOnly)
{
    ASSERT_EQ(m_chart->UseDataOf(), m_otherFormsChart);
    m_tolkar.TranslateComponent(&m_form);

    const struct {
        const char* kind;
        QString text;
        QString expected;
    } cases[] = {
        {"text property", m_button->text(), "Ende"},
        {"text property of the form", m_form.windowTitle(), "Lineare Regression"},
        {"text property of a nested control", m_button->toolTip(), "Datenpunkte"},
        {"text property of a chart", m_chart->Caption(), "Ende"},
        {"prefix alone", m_empty->text(), ""},
        {"object name", m_form.objectName(), "TK_Exit"},
        {"published Name", m_gadget->Name, "TK_Exit"},
        {"axis settings", m_chart->Scale1X()->Caption(), "Achse"},
        {"collection item", m_gadget->Items()[1]->Caption, "zwei"},
        {"string list", m_gadget->Lines.join(','), "eins,zwei"},
        {"memo lines", m_memo->toPlainText(), "Erste\nZeile\nplain\nZweite"},
        {"combo items", m_combo->itemText(0) + ',' + m_combo->itemText(2), "linear DE,log DE"},
        {"other property object", m_other.Caption, "TK_one"},
        {"chart whose data is used", m_otherFormsChart->Caption(), "TK_Exit"},
        {"its axis settings", m_otherFormsChart->Scale1X()->Caption(), "TK_Axis"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text.toStdString(), c.expected.toStdString()) << c.kind;
    EXPECT_EQ(m_combo->currentText(), "linear DE");
    EXPECT_EQ(m_tolkar.Missing(), QStringList({"[]=|$$"}));

    // Lines are translated from the last to the first.
    EXPECT_LT(m_found.indexOf("memo2"), m_found.indexOf("memo1"));
    EXPECT_LT(m_found.indexOf("logarithmic"), m_found.indexOf("linear"));
    EXPECT_LT(m_found.lastIndexOf("two"), m_found.lastIndexOf("one"));
}

TEST_F(TranslateForm, OnBeforeTranslateSkipsAnObjectButNotItsChildren)
{
    QObjectList asked;
    m_tolkar.OnBeforeTranslate = [&](QObject* sender, QObject* object, bool& doTranslate) {
        EXPECT_EQ(sender, &m_tolkar);
        asked << object;
        doTranslate = object != m_panel && object != m_label;
    };
    m_tolkar.TranslateComponent(&m_form);
    EXPECT_EQ(m_label->text(), "TK_Color Encoding");
    EXPECT_EQ(m_button->text(), "Ende");
    EXPECT_EQ(asked.count(m_chart->Scale1X()), 1);
    EXPECT_EQ(asked.count(m_gadget->Items()[1]), 1);
}

TEST_F(TranslateForm, TranslateObjectLeavesChildrenAlone)
{
    m_tolkar.TranslateObject(&m_form);
    EXPECT_EQ(m_form.windowTitle(), "Lineare Regression");
    EXPECT_EQ(m_button->text(), "TK_Exit");
}

#include "test_translate.moc"
