#pragma once
// What the courseware link takes from the command line.
#include <QString>
#include <QStringList>

// The identifier of the courseware server the program belongs to. The system-wide
// setting gives it unless that is empty or "00000000"; then the last argument that
// begins with "/serverhandle=" in any letter case does, lower-cased, without the switch.
// Without such an argument the setting stands.
QString ServerIdentifier(const QString& settingValue, const QStringList& arguments);

// The program's parameter list: the program path, then every argument after the
// program's own name except those beginning with "/serverhandle=" in exactly that case.
QStringList ProgramParameters(const QString& programPath, const QStringList& arguments);
