#include "app/columnchoice.h"

#include "translation/tolkar.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmColumns::TFrmColumns(QWidget* parent, TTolkar2000& translator, const QString& file,
                         const QStringList& names)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmColumns"));
    setWindowTitle(translator.LookupText(QStringLiteral("Columns")));
    auto* question = new QLabel(
        translator.LookupText(QStringLiteral("<%1%> has <%2%> columns of numbers. Which two are the points?"),
                              {QFileInfo(file).fileName(), QString::number(names.size())}));
    question->setWordWrap(true);

    auto combo = [&names](int chosen) {
        auto* box = new QComboBox;
        box->addItems(names);
        box->setCurrentIndex(chosen);
        return box;
    };
    CBX = combo(0);
    CBY = combo(1);
    auto* form = new QFormLayout;
    form->addRow(translator.LookupText(QStringLiteral("x (across):")), CBX);
    form->addRow(translator.LookupText(QStringLiteral("y (upwards):")), CBY);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(translator.LookupText(QStringLiteral("OK")));
    buttons->button(QDialogButtonBox::Cancel)->setText(translator.LookupText(QStringLiteral("Cancel")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::pair<int, int> TFrmColumns::Chosen() const { return {CBX->currentIndex(), CBY->currentIndex()}; }

std::optional<std::pair<int, int>> AskForColumns(QWidget* parent, TTolkar2000& translator,
                                                 const QString& file, const QStringList& names)
{
    TFrmColumns dialog(parent, translator, file, names);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}
