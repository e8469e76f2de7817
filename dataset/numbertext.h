#pragma once
// Numbers as data files write them.
#include <QString>
#include <QStringView>

enum class CellKind {
    Number, // a finite number
    Empty, // nothing but spaces
    NotANumber, // text that is not a number
    NotFinite, // "nan", "inf", "infinity" or a number beyond the range of double
};

struct NumberCell {
    CellKind kind = CellKind::Empty;
    double value = 0;
};

// A cell read as a decimal number: an optional sign, digits with an optional decimal
// point (digits on at least one side of it) and an optional exponent "e"/"E" with an
// optional sign and digits; spaces around it are ignored. The point is ".", and also ","
// when decimalComma is set. A number too small for double reads as zero.
NumberCell ReadNumberCell(QStringView text, bool decimalComma);

// The shortest text, with "." as the point, that reads back as exactly this number.
QString NumberText(double value);
