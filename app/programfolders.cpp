#include "app/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString LanguageFileName = QStringLiteral("slopelab.itl");
const QString English = QStringLiteral("en");

QString Below(const QString& programDir, const char* relativePath)
{
    return QDir::cleanPath(programDir + QLatin1Char('/') + QLatin1String(relativePath));
}

} // namespace

TProgramFolders::TProgramFolders(const QString& programDir)
    : m_dataDir(Below(programDir, SLOPELAB_DATA_FROM_PROGRAM))
    , m_guideDir(Below(programDir, SLOPELAB_GUIDE_FROM_PROGRAM))
    , m_iconDir(Below(programDir, SLOPELAB_ICONS_FROM_PROGRAM))
{
}

TProgramFolders TProgramFolders::OfRunningProgram()
{
    if (QCoreApplication::instance())
        return TProgramFolders(QCoreApplication::applicationDirPath());
    // Before the application object exists, the system names the running program.
    return TProgramFolders(QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path());
}

QStringList TProgramFolders::Languages() const
{
    const QDir languages(m_dataDir + QStringLiteral("/lang"));
    QStringList codes;
    for (const QString& code : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo::exists(LanguageFile(code)))
            codes << code;
    }
    return codes;
}

QString TProgramFolders::LanguageFile(const QString& code) const
{
    return QStringLiteral("%1/lang/%2/%3").arg(m_dataDir, code, LanguageFileName);
}

QString TProgramFolders::ExamplesDir() const { return m_dataDir + QStringLiteral("/examples"); }

QUrl TProgramFolders::GuideUrl(const QString& code) const
{
    for (const QString& language : {code, English}) {
        const QString page = QStringLiteral("%1/%2/index.html").arg(m_guideDir, language);
        if (QFileInfo::exists(page))
            return QUrl::fromLocalFile(page);
    }
    return {};
}

QIcon TProgramFolders::Icon(const QString& name) const
{
    QIcon icon;
    const QDir sizes(m_iconDir);
    for (const QString& size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = QStringLiteral("%1/%2/apps/%3.png").arg(m_iconDir, size, name);
        if (QFileInfo::exists(file))
            icon.addFile(file);
    }
    return icon;
}

QString ChooseLanguage(const std::optional<QString>& requested, const QLocale& system,
                       const QStringList& languages)
{
    if (requested)
        return *requested;
    const QString code = QLocale::languageToCode(system.language());
    return languages.contains(code) ? code : English;
}
