#include "tests/courseware/coursewaretesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

QString ProgramBesideTests(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

} // namespace

TDemonEnvironment TestEnvironment(TProcessProbe& probe, const QStringList& arguments, const QString& setting,
                                  int replyTimeoutMs)
{
    TDemonEnvironment environment;
    environment.programPath = QCoreApplication::applicationFilePath();
    environment.arguments = QStringList{environment.programPath} + arguments;
    environment.applicationTitle = TestTitle;
    environment.readServerSetting = [setting] { return setting; };
    environment.terminateApplication = [&probe] { ++probe.terminations; };
    environment.endProcess = [&probe] { ++probe.endings; };
    environment.replyTimeoutMs = replyTimeoutMs;
    return environment;
}

QString UniqueServerId()
{
    return QStringLiteral("t%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
}

TInProcessServer::TInProcessServer(QHash<QString, QString> parameters)
    : server(std::make_unique<TCoursewareServer>(
        TCoursewareServerSettings{id, files.path(), std::move(parameters)}))
{
    EXPECT_TRUE(server->Open());
}

void TInProcessServer::AddFile(const QString& name, const QByteArray& content) const
{
    QFile file(files.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

TChildProgram::TChildProgram(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& environment)
{
    m_process.setProcessEnvironment(environment);
    m_process.start(program, arguments);
    EXPECT_TRUE(m_process.waitForStarted(5000)) << program.toStdString();
}

TChildProgram::~TChildProgram()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    if (::testing::Test::HasFailure() && !ErrorText().isEmpty())
        std::fprintf(stderr, "%s said:\n%s", qPrintable(m_process.program()), qPrintable(ErrorText()));
}

QStringList TChildProgram::Lines()
{
    m_output += m_process.readAllStandardOutput();
    return QString::fromUtf8(m_output).split(u'\n', Qt::SkipEmptyParts);
}

QString TChildProgram::ErrorText()
{
    m_errors += m_process.readAllStandardError();
    return QString::fromUtf8(m_errors);
}

bool TChildProgram::WaitForLine(const QString& line, int timeoutMs)
{
    return QTest::qWaitFor([&] { return Lines().contains(line); }, timeoutMs);
}

bool TChildProgram::WaitForEnd(int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_process.state() == QProcess::NotRunning; }, timeoutMs);
}

void TChildProgram::Send(const QString& line) { m_process.write((line + QLatin1Char('\n')).toUtf8()); }

QString ServerProgram() { return ProgramBesideTests(QStringLiteral("slopelab-courseware-server")); }

QString ClientProgram() { return ProgramBesideTests(QStringLiteral("courseware-testclient")); }

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EQuillet& e) {
        return e.what();
    }
    return "no error";
}
