#include "CommandMain.h"

#include "CommandWords.h"
#include "base/Installation.h"
#include "base/ScriptedPrompt.h"
#include "host/HostContext.h"
#include "host/HostSetup.h"
#include "store/DbError.h"
#include "store/ReportChange.h"

#include <QTextStream>

namespace CommandMain
{

int run(int argc, char **argv, const Pages &pages)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(arguments, CommandWords::flags());
    QTextStream out(stdout);
    QTextStream err(stderr);

    const Command *command = nullptr;
    for (const Command &c : commands()) {
        if (c.name == line.command)
            command = &c;
    }
    if (line.command.isEmpty() && line.has(CommandWords::Version)) {
        out << "taxaudit " << Installation::version() << '\n';
        return 0;
    }
    if (line.has(CommandWords::Help) && (command || line.command.isEmpty())) {
        out << (command ? QStringLiteral("usage: taxaudit [--db ADDRESS] ") + command->usage + u'\n'
                        : helpText());
        return 0;
    }
    if (!command) {
        if (!line.command.isEmpty())
            err << "taxaudit: no command " << line.command << '\n';
        err << helpText();
        return 2;
    }

    std::unique_ptr<QCoreApplication> app;
    Command::Run work = command->run;
    if (laysOutPages(line)) {
        app = pages.application(argc, argv, line);
        if (!app)
            return 2;
        work = pages.work(line);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("taxaudit"));

    // Questions are answered by script: No unless --yes; what was shown goes to stderr. A
    // command that exists to replace a report's rows does so only with --yes once the report
    // holds data; the others (fill-default fills only what is empty) go on.
    static const QStringList replacing{QStringLiteral("import-json"), QStringLiteral("import-xml"),
                                       QStringLiteral("carry"),       QStringLiteral("import-annexure"),
                                       QStringLiteral("import-tds"),  QStringLiteral("restore"),
                                       QStringLiteral("bulk-import")};
    ScriptedPrompt answers;
    answers.setEcho(true);
    answers.setDefaultYes(line.has(CommandWords::Yes));
    answers.setReplaceAnswer(line.has(CommandWords::Yes) || !replacing.contains(line.command));
    setPrompts(&answers);
    try {
        auto host = HostSetup::openHost(line.value(QStringLiteral("--db")));
        setHost(host.get());
        const int status = work(*host, line, out, err);
        setHost(nullptr);
        return status;
    } catch (const ChangeDeclined &e) {
        out.flush();
        err << e.message() << " Give --yes to let the command replace what the report holds.\n";
        return 1;
    } catch (const DbError &e) {
        out.flush();
        err << e.message() << '\n';
        return 2;
    }
}

} // namespace CommandMain
