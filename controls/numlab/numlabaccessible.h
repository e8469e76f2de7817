#pragma once
// What assistive technology learns of a numeric label: a static text named by its
// accessible name (else by its left text) whose value is the number as the field
// shows it.
#include <QAccessibleWidget>

class TNumLab;

class TNumLabAccessible : public QAccessibleWidget {
public:
    explicit TNumLabAccessible(TNumLab* label);

    QString text(QAccessible::Text t) const override;

private:
    const TNumLab& Label() const;
};

// Lets every numeric label of the program speak through TNumLabAccessible.
void InstallNumLabAccessibility();
