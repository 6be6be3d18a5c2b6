#include "TestHost.h"
#include "ToolRun.h"

#include "base/Installation.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace
{

// The command blocks of the help's command list: each a command's lines, its name first.
QList<QStringList> commandBlocks(const QString &help)
{
    QList<QStringList> blocks;
    bool inCommands = false;
    for (const QString &line : help.split(u'\n')) {
        if (line == QLatin1String("Commands:")) {
            inCommands = true;
        } else if (!line.startsWith(u' ')) {
            inCommands = false;
        } else if (inCommands && line.size() > 2 && line.at(2) != u' ') {
            blocks << QStringList{line};
        } else if (inCommands && !blocks.isEmpty()) {
            blocks.last() << line;
        }
    }
    return blocks;
}

QString nameOf(const QStringList &block)
{
    return block.first().mid(2).section(u' ', 0, 0);
}

// The value of SWVersionNo anywhere in a JSON document.
QString softwareVersion(const QJsonObject &object)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == QLatin1String("SWVersionNo"))
            return it.value().toString();
        if (it.value().isObject()) {
            const QString found = softwareVersion(it.value().toObject());
            if (!found.isEmpty())
                return found;
        }
    }
    return {};
}

QString run(const QString &program, const QStringList &arguments, int *status = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    p.waitForFinished(60000);
    if (status)
        *status = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TaxauditHelp : public testing::Test
{
protected:
    QTemporaryDir home;
};

TEST_F(TaxauditHelp, BothProgramsAnswerTheVersionTheEfilingFileCarries)
{
    const ToolRun version = runTaxaudit(home.path(), {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "taxaudit " + Installation::version() + "\n");
    EXPECT_EQ(run(QStringLiteral(TALVEX_PATH), {"--version"}), "talvex " + Installation::version() + "\n");

    const QString db = "sqlite:" + home.path() + "/help.db";
    ASSERT_EQ(runTaxaudit(home.path(), {"--db", db, "demo"}).status, 0);
    const QString file = home.path() + "/3CA.json";
    const ToolRun written = runTaxaudit(
        home.path(), {"--db", db, "generate-json", "--client", "C001", "--year", "2026", "--out", file});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    QFile json(file);
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    EXPECT_EQ(softwareVersion(QJsonDocument::fromJson(json.readAll()).object()), Installation::version());
}

TEST_F(TaxauditHelp, EveryCommandHasItsHelpAndItsPlaceInTheManualPage)
{
    const ToolRun help = runTaxaudit(home.path(), {"--help"});
    ASSERT_EQ(help.status, 0);
    const QList<QStringList> blocks = commandBlocks(help.out);
    ASSERT_GE(blocks.size(), 20) << help.out.toStdString();

    QFile manual(QStringLiteral(TAXAUDIT_MAN_PAGE));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(manual.readAll());
    EXPECT_TRUE(man.startsWith(".TH TAXAUDIT 1 \"\" \"taxaudit " + Installation::version() + "\""));

    // A description begins where the command list's descriptions do, after the synopsis.
    static const QRegularExpression description(QStringLiteral("\\A.{29}  [^ \\[-]"));
    for (const QStringList &block : blocks) {
        const QString name = nameOf(block);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(description.match(block.last()).hasMatch()) << block.join(u'\n').toStdString();

        const ToolRun one = runTaxaudit(home.path(), {name, "--help"});
        EXPECT_EQ(one.status, 0);
        EXPECT_EQ(one.out, "usage: taxaudit [--db ADDRESS] " + block.join(u'\n').mid(2) + "\n");

        QString escaped = name;
        escaped.replace(u'-', QLatin1String("\\-"));
        EXPECT_TRUE(man.contains("\n  " + escaped + " ") || man.contains("\n  " + escaped + "\n"));
    }
    for (const char *option : {"\\-\\-db ADDRESS", "\\-\\-version", "TALVEX_DOC_PATH"})
        EXPECT_TRUE(man.contains(QLatin1String(option))) << option;
}

TEST_F(TaxauditHelp, AnUnknownCommandIsRefusedWithTheHelp)
{
    const ToolRun wrong = runTaxaudit(home.path(), {"no-such-command"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.startsWith("taxaudit: no command no-such-command\n")) << wrong.err.toStdString();
    EXPECT_TRUE(wrong.err.contains("\nCommands:\n"));
}

TEST_F(TaxauditHelp, BashCompletesCommandsAndTheirOptions)
{
    const auto complete = [](const QString &words) {
        return run(QStringLiteral("bash"),
                   {"-c",
                    QStringLiteral("source %1; COMP_WORDS=(%2 %3); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                                   "_taxaudit; printf '%s\\n' \"${COMPREPLY[@]}\"")
                        .arg(QStringLiteral(TAXAUDIT_COMPLETION), QStringLiteral(TAXAUDIT_PATH), words)})
            .split(u'\n', Qt::SkipEmptyParts);
    };
    EXPECT_EQ(complete("gen"), (QStringList{"generate-json", "generate-xml"}));
    EXPECT_EQ(complete("generate-json --e"), QStringList{"--envelope"});
    EXPECT_EQ(complete("--v"), QStringList{"--version"});
}
