#pragma once
// The example data sets shipped with the program, by name ("anscombe-1", "cars", …),
// in the folder the program keeps them in (TProgramFolders::ExamplesDir in app/).
#include <QString>
#include <QStringList>

// The names of the examples in a folder: its ".csv" files without the extension, sorted.
QStringList ExampleNames(const QString& dir);

// The file of an example, to be read with ReadDataTable; empty when the folder has no
// example of that name.
QString ExampleFile(const QString& name, const QString& dir);
