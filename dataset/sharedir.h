#pragma once
#include <QString>

// The folder of the program's shipped files: <folder of the program>/../share/slopelab.
// The build tree (build/bin beside build/share) and an installed prefix (P/bin beside
// P/share) both have this layout. Needs the QCoreApplication.
QString ProgramShareDir();
