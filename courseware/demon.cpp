#include "courseware/demon.h"

#include "translation/languagefile.h"
#include "translation/tolkar.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

const QString ServerSwitch = QStringLiteral("/serverhandle=");

// The program file followed by every argument that is not the server switch
// (compared with its letter case).
QStringList ProgramParameters()
{
    const QStringList arguments = QCoreApplication::arguments();
    QStringList params{QCoreApplication::applicationFilePath()};
    for (int i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(ServerSwitch))
            params << arguments[i];
    return params;
}

} // namespace

TkdbCustomDemon::TkdbCustomDemon(QObject* owner)
    : QObject(owner)
    , m_translator(std::make_unique<TTolkar2000>(QString()))
    , m_params(ProgramParameters())
{
}

TkdbCustomDemon::~TkdbCustomDemon() = default;

bool TkdbCustomDemon::AutoCreateItlFile() const { return m_translator->CollectMissing(); }

void TkdbCustomDemon::SetAutoCreateItlFile(bool value) { m_translator->SetCollectMissing(value); }

QString TkdbCustomDemon::ProgramPath() const { return m_params.value(0); }

QString TkdbCustomDemon::ParamStr(int index) const
{
    if (index < 0 || index > ParamCount())
        throw EQuillet(QStringLiteral("Illegal \"ParamStr\" parameter: %1").arg(index));
    return m_params[index];
}

QString TkdbCustomDemon::ServerParam(const QString& name)
{
    if (name != QLatin1String("OrvindeWorkArea") && name != QLatin1String("OrvindeHomeDir"))
        return QString();
    QString dir = QFileInfo(ParamStr(0)).absolutePath();
    if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QLatin1Char('\\')))
        dir += QLatin1Char('/');
    return dir;
}

void TkdbCustomDemon::LoadLanguageFile()
{
    QFile file(LanguageFileName(ProgramPath()));
    if (file.open(QIODevice::ReadOnly))
        m_translator->LoadFromStream(file);
}

void TkdbCustomDemon::Loaded()
{
    if (m_autoTranslate && parent())
        m_translator->TranslateComponent(parent());
}

TkdbDemonClient::TkdbDemonClient(QObject* owner)
    : TkdbCustomDemon(owner)
{
}

void TkdbDemonClient::Loaded()
{
    // No courseware server window has been found for this program.
    if (UseOrvindeServer())
        throw EQuillet(QStringLiteral("Quillet server application is not running"));
    LoadLanguageFile();
    TkdbCustomDemon::Loaded();
}
