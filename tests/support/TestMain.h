#pragma once

#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace Corvane::Test {

// A deterministic environment: offscreen platform, a private settings folder, test-mode
// standard paths and a fixed locale. Call before the application object exists.
inline void prepareEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    static QTemporaryDir runtimeDir; // made with mode 0700, as Qt wants it
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    // Test mode alone would put settings into ~/.qttest, shared by every run; the settings
    // file belongs in the private folder, where child processes find it too.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome.path());
    QLocale::setDefault(QLocale::c());
}

// Qt 6.4's crash handler re-enters itself without end on a fatal signal in any but the first
// qExec of a process, which turns a crash into a hang; it is switched off, so that a crash
// ends the run at once.
template<typename Test> int runTest(int argc, char **argv)
{
    static char noCrashHandler[] = "-nocrashhandler";
    std::vector<char *> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + 1, noCrashHandler);
    arguments.push_back(nullptr);
    Test test;
    return QTest::qExec(&test, int(arguments.size()) - 1, arguments.data());
}

// Runs every test object in turn; the exit status counts the failed ones.
template<typename... Tests> int runTests(int argc, char **argv)
{
    return (0 + ... + runTest<Tests>(argc, argv));
}

} // namespace Corvane::Test

// main() for a test executable running the listed QObject test classes under `App`.
#define TESSARY_TEST_MAIN(App, ...)                                                                \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        Corvane::Test::prepareEnvironment();                                                       \
        App application(argc, argv);                                                               \
        return Corvane::Test::runTests<__VA_ARGS__>(argc, argv);                                   \
    }
