#pragma once
// Where the program finds the files installed with it. They lie in folders relative to
// the program's own folder, in the same layout in the build tree as under the install
// prefix:
//   <prefix>/bin/slopelab
//   <prefix>/share/slopelab/lang/<code>/slopelab.itl       language files
//   <prefix>/share/slopelab/examples/<name>.csv            example data sets
//   <prefix>/share/doc/slopelab/guide/<code>/index.html     the guide
//   <prefix>/share/icons/hicolor/<size>/apps/<name>.png     the icon
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class TProgramFolders {
public:
    explicit TProgramFolders(const QString& programDir);
    // The folders of the running program (also before the application object exists).
    static TProgramFolders OfRunningProgram();

    // The codes of the languages there is a language file for, in alphabetical order.
    QStringList Languages() const;
    QString LanguageFile(const QString& code) const;
    QString ExamplesDir() const;
    // The guide's first page in the language (in English when there is none in it),
    // as a file address; empty when no guide is there.
    QUrl GuideUrl(const QString& code) const;
    // The installed icon of that name in every size there is; a null icon when none.
    QIcon Icon(const QString& name) const;

private:
    QString m_dataDir;
    QString m_guideDir;
    QString m_iconDir;
};

// The language the program speaks: the requested one; else the system's language when
// there is a file for it (any German locale gives German); else English.
QString ChooseLanguage(const std::optional<QString>& requested, const QLocale& system,
                       const QStringList& languages);
