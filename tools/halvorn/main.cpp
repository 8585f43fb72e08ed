#include "CommandLine.h"
#include "Commands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

using namespace Corvane::Cli;

// Which Qt application a subcommand needs: drawing needs a GUI application, windows a
// widgets application.
enum class Application { Core, Gui, Widgets };

struct Command
{
    const char *name;
    Application application;
    int (*run)(CommandLine &);
    const char *usage;
};

const Command kCommands[] = {
    {"collections", Application::Core, runCollections, "collections [--data-dir DIR]"},
    {"search", Application::Core, runSearch,
     "search PHRASE [--collection UUID|SYSTEMID] [--data-dir DIR]"},
    {"complete", Application::Core, runComplete,
     "complete PREFIX [--collection UUID|SYSTEMID] [--data-dir DIR]"},
    {"pick", Application::Widgets, runPick,
     "pick [--initial-color 0x00BBGGRR] [--screenshot FILE.png] [--data-dir DIR]"},
    {"nearest", Application::Core, runNearest,
     "nearest (--rgb '#RRGGBB' | --lab L,a,b) [--collection UUID|SYSTEMID] [-n N] "
     "[--data-dir DIR]"},
    {"build-collection", Application::Gui, runBuildCollection,
     "build-collection (--demo DIR | --csv DECK.csv --json COLLECTION.json --out FILE.db | "
     "--synthetic N --out FILE.db)"},
    {"palette", Application::Core, runPalette,
     "palette (show FILE | convert IN OUT.palette|OUT.txt) [--data-dir DIR]"},
    {"capture", Application::Core, runCapture,
     "capture FILE [--collection UUID|SYSTEMID] [--data-dir DIR]"},
};

void printUsage(QTextStream &stream)
{
    stream << "usage: halvorn COMMAND [OPTIONS]\n";
    for (const Command &command : kCommands)
        stream << "  halvorn " << command.usage << '\n';
    stream.flush();
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

std::unique_ptr<QCoreApplication> makeApplication(Application kind, int &argc, char **argv)
{
    if (kind == Application::Core)
        return std::make_unique<QCoreApplication>(argc, argv);
    // Drawing needs no display: without one, use the offscreen platform.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (kind == Application::Gui)
        return std::make_unique<QGuiApplication>(argc, argv);
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")) {
        printUsage(arguments.isEmpty() ? err() : out());
        return arguments.isEmpty() ? 2 : 0;
    }
    const Command *command = findCommand(arguments.takeFirst());
    if (!command) {
        err() << "halvorn: unknown command " << argv[1] << '\n';
        printUsage(err());
        return 2;
    }
    const std::unique_ptr<QCoreApplication> application
        = makeApplication(command->application, argc, argv);
    try {
        CommandLine commandLine(arguments);
        return command->run(commandLine);
    } catch (const UsageError &error) {
        err() << "halvorn " << command->name << ": " << error.message() << '\n';
        err() << "usage: halvorn " << command->usage << '\n';
        err().flush();
        return 2;
    }
}
