#include "TestHost.h"
#include "ToolRun.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace
{

// The desktop program's process, told what to do line by line.
class Holder
{
public:
    Holder(const QString &home, const QString &address)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TALVEX_DOC_PATH"), home + QStringLiteral("/docs"));
        env.insert(QStringLiteral("TALVEX_INI"), home + QStringLiteral("/Talvex.ini"));
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(LOCK_HOLDER_PATH), {address});
    }
    ~Holder()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    QString tell(const QString &line)
    {
        m_process.write(line.toUtf8() + '\n');
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(30000))
                return QString::fromUtf8(m_process.readAllStandardError());
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }

    void killHard()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

QString nameOfC001(const QString &home, const QString &address)
{
    const ToolRun listed = runTaxaudit(home, {QStringLiteral("--db"), address, QStringLiteral("clients")});
    for (const QString &line : listed.out.split(u'\n'))
        if (line.startsWith(QLatin1String("C001\t")))
            return line.section(u'\t', 1, 1);
    return listed.err;
}

} // namespace

// The program lists the database's own folder in a file dialog, another program opens and
// closes the database, then the program saves: a third program sees the saved value, and it
// survives the program being killed. A dialog that opened and closed the database file would
// have dropped the program's locks, and the second program would have removed the log the
// program goes on writing into.
TEST(DatabaseLocks, SaveAfterBrowsingTheDatabaseFolderReachesOtherProgramsAndSurvivesAKill)
{
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/docs/Data");
    const QString address = QStringLiteral("sqlite:") + folder + QStringLiteral("/talvex.db");
    ASSERT_EQ(runTaxaudit(home.path(), {QStringLiteral("--db"), address, QStringLiteral("demo")}).status, 0);

    Holder program(home.path(), address);
    ASSERT_EQ(program.tell(QStringLiteral("save Name 333")), QStringLiteral("saved"));
    ASSERT_EQ(program.tell(QStringLiteral("browse ") + folder), QStringLiteral("browsed"));
    EXPECT_EQ(nameOfC001(home.path(), address), QStringLiteral("Name 333"));
    ASSERT_EQ(program.tell(QStringLiteral("save Name 444")), QStringLiteral("saved"));
    EXPECT_EQ(nameOfC001(home.path(), address), QStringLiteral("Name 444"));
    program.killHard();
    EXPECT_EQ(nameOfC001(home.path(), address), QStringLiteral("Name 444"));
}
