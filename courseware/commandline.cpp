#include "courseware/commandline.h"

#include "translation/languagefile.h"

namespace {

const QString ServerSwitch = QStringLiteral("/serverhandle=");
const QString AbsentIdentifier = QStringLiteral("00000000");

} // namespace

QString ServerIdentifier(const QString& settingValue, const QStringList& arguments)
{
    if (!settingValue.isEmpty() && settingValue != AbsentIdentifier)
        return settingValue;
    QString identifier = settingValue;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString argument = AsciiLower(arguments[i]);
        if (argument.startsWith(ServerSwitch))
            identifier = argument.mid(ServerSwitch.size());
    }
    return identifier;
}

QStringList ProgramParameters(const QString& programPath, const QStringList& arguments)
{
    QStringList parameters{programPath};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(ServerSwitch))
            parameters << arguments[i];
    }
    return parameters;
}
