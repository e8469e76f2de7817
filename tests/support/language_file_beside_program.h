#pragma once
// Writes a language file beside the running test program, as a language file
// beside the real program, and removes it again.
#include "translation/languagefile.h"

#include <QCoreApplication>
#include <QFile>

class LanguageFileBesideProgram {
public:
    explicit LanguageFileBesideProgram(const QByteArray& content)
        : m_file(LanguageFileName(QCoreApplication::applicationFilePath()))
    {
        m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        m_file.write(content);
        m_file.close();
    }
    ~LanguageFileBesideProgram() { m_file.remove(); }

private:
    QFile m_file;
};
