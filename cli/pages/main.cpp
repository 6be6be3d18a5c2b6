// taxaudit-pages: taxaudit with the commands that lay out pages, which taxaudit hands over to
// it. It runs every other command too.

#include "CommandMain.h"
#include "PageCommands.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    const CommandMain::Pages pages{
        [](int &argc, char **argv, const CommandLine &line) -> std::unique_ptr<QCoreApplication> {
            // Pages are laid out with fonts, which needs a GUI application (on no screen); a
            // file turned into PDF by another program does not.
            if (line.command == QLatin1String("to-pdf"))
                return std::make_unique<QCoreApplication>(argc, argv);
            if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        },
        PageCommands::workOf};
    return CommandMain::run(argc, argv, pages);
}
