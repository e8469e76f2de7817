#pragma once
// The small dialog that asks which two numeric columns of a data file form the points.
#include <QDialog>
#include <optional>
#include <utility>

class QComboBox;
class TTolkar2000;

class TFrmColumns : public QDialog {
    Q_OBJECT
public:
    // names are the file's numeric columns; the first two are chosen at first.
    TFrmColumns(QWidget* parent, TTolkar2000& translator, const QString& file, const QStringList& names);

    QComboBox* CBX = nullptr;
    QComboBox* CBY = nullptr;

    // The chosen columns (x, y) as indexes into the names.
    std::pair<int, int> Chosen() const;
};

// Shows the dialog; the chosen columns, or nothing when the user cancels.
std::optional<std::pair<int, int>> AskForColumns(QWidget* parent, TTolkar2000& translator,
                                                 const QString& file, const QStringList& names);
