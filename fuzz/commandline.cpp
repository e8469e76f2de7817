// The command line is whatever the program was started with. Input: the system-wide
// server setting, then after each NUL byte one argument (the first is the program).
#include "courseware/commandline.h"
#include "fuzz/check.h"
#include "fuzz/fuzzlink.h"
#include "translation/languagefile.h"

namespace {

const QString ServerSwitch = QStringLiteral("/serverhandle=");

void CheckParameterList(const QStringList& arguments)
{
    const QStringList parameters = ProgramParameters(FuzzProgramPath, arguments);
    FUZZ_CHECK(!parameters.isEmpty() && parameters[0] == FuzzProgramPath);
    FUZZ_CHECK(parameters.size() <= std::max<qsizetype>(arguments.size(), 1));
    for (qsizetype i = 1; i < parameters.size(); ++i)
        FUZZ_CHECK(!parameters[i].startsWith(ServerSwitch));
}

void CheckServerIdentifier(const QString& setting, const QStringList& arguments)
{
    const QString identifier = ServerIdentifier(setting, arguments);
    if (!setting.isEmpty() && setting != QStringLiteral("00000000")) {
        FUZZ_CHECK(identifier == setting);
        return;
    }
    // Otherwise it is the setting or comes, lower-cased, from an argument.
    FUZZ_CHECK(identifier == setting || AsciiLower(identifier) == identifier);
}

// The link offers the same list, one parameter at a time, and refuses other indices.
void CheckLinkParameters(const QString& setting, const QStringList& arguments)
{
    const TFuzzLink link(arguments, setting);
    const QStringList parameters = ProgramParameters(FuzzProgramPath, arguments);
    FUZZ_CHECK(link.ParamCount() == parameters.size() - 1);
    for (int i = 0; i <= link.ParamCount(); ++i)
        FUZZ_CHECK(link.ParamStr(i) == parameters[i]);
    for (const int outside : {-1, link.ParamCount() + 1}) {
        bool refused = false;
        try {
            link.ParamStr(outside);
        } catch (const EQuillet&) {
            refused = true;
        }
        FUZZ_CHECK(refused);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceQt();
    UsePrivateRuntimeDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = SplitAtNul(data, size);
    const QString setting = QString::fromUtf8(parts[0]);
    QStringList arguments;
    for (qsizetype i = 1; i < parts.size(); ++i)
        arguments << QString::fromUtf8(parts[i]);

    CheckParameterList(arguments);
    CheckServerIdentifier(setting, arguments);
    CheckLinkParameters(setting, arguments);
    return 0;
}
