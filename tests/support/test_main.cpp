// Entry point of every test executable: one offscreen QApplication, then GoogleTest.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each test process gets a runtime directory of its own, so that the program's
    // single-copy lock and message windows of parallel runs never meet. Child
    // programs inherit it.
    const QTemporaryDir runtimeDir(QDir::tempPath() + QStringLiteral("/slopelab-test-XXXXXX"));
    if (runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
