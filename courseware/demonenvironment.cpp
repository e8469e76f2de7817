#include "courseware/demon.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>

TDemonEnvironment TDemonEnvironment::Standard()
{
    TDemonEnvironment environment;
    environment.arguments = QCoreApplication::arguments();
    environment.programPath = QCoreApplication::applicationFilePath();
    environment.applicationTitle = QGuiApplication::applicationDisplayName();
    environment.readServerSetting = [] {
        const QSettings settings(QSettings::SystemScope, QStringLiteral("Mervo"), QStringLiteral("Orvinde"));
        return settings.value(QStringLiteral("demon/ViewerHandle")).toString();
    };
    environment.terminateApplication = [] { QCoreApplication::quit(); };
    environment.shutDownOnTerminationSignals = true;
    environment.endProcess = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return environment;
}
