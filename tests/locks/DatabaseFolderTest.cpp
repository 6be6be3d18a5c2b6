#include "TestHost.h"

#include "dialogs/GuiPrompt.h"
#include "host/HostSetup.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

namespace
{

TalvexBase::Paths pathsIn(const QTemporaryDir &dir)
{
    TalvexBase::Paths paths;
    paths.docPath = dir.path() + QStringLiteral("/Documents");
    paths.iniFile = dir.path() + QStringLiteral("/Talvex.ini");
    return paths;
}

std::unique_ptr<Database> openFile(const QString &path)
{
    return Database::open(DbUrl::parse(QStringLiteral("sqlite:") + path));
}

} // namespace

// A database left in the documents folder by an earlier version moves into the data folder
// whole; the old file stays beside as talvex.db.old.
TEST(DatabaseFolder, EarlierDatabaseMovesIntoTheDataFolder)
{
    QTemporaryDir dir;
    const TalvexBase::Paths paths = pathsIn(dir);
    const QString old = paths.docPath + QStringLiteral("/talvex.db");
    {
        const auto db = openFile(old);
        db->Execute(QStringLiteral("CREATE TABLE kept (v TEXT)"));
        db->Execute(QStringLiteral("INSERT INTO kept VALUES (?)"), {QStringLiteral("typed 22(a) = 333")});
    }
    HostSetup::moveEmbeddedDatabase(paths);
    const QString moved = HostSetup::embeddedDatabase(paths);
    EXPECT_EQ(moved, paths.docPath + QStringLiteral("/Data/talvex.db"));
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(QFile::exists(old + QStringLiteral(".old")));
    EXPECT_FALSE(QFile::exists(moved + QStringLiteral(".part")));
    EXPECT_EQ(openFile(moved)->Execute(QStringLiteral("SELECT v FROM kept")).Fields(0),
              QStringLiteral("typed 22(a) = 333"));
}

// While another connection still has the old file open, nothing moves and the message says why.
TEST(DatabaseFolder, DatabaseOpenElsewhereStaysWhereItIs)
{
    QTemporaryDir dir;
    const TalvexBase::Paths paths = pathsIn(dir);
    const QString old = paths.docPath + QStringLiteral("/talvex.db");
    const auto other = openFile(old);
    other->Execute(QStringLiteral("CREATE TABLE kept (v TEXT)"));
    try {
        HostSetup::moveEmbeddedDatabase(paths);
        ADD_FAILURE() << "moved a database that is open";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("is open in another program")))
            << e.message().toStdString();
    }
    EXPECT_TRUE(QFile::exists(old));
    EXPECT_FALSE(QFile::exists(HostSetup::embeddedDatabase(paths)));
    EXPECT_FALSE(QFile::exists(HostSetup::embeddedDatabase(paths) + QStringLiteral(".part")));
}

// A file dialog asked to start in the database's folder, or given no start, starts in the
// documents folder, keeping the suggested file name; other folders are kept as asked.
TEST(DatabaseFolder, FileDialogsNeverStartInTheDatabaseFolder)
{
    QTemporaryDir dir;
    const QString docs = dir.path() + QStringLiteral("/Documents");
    const QString data = docs + QStringLiteral("/Data");
    QDir().mkpath(data + QStringLiteral("/inner"));
    GuiPrompt gui;
    gui.keepOutOf(data, docs);
    EXPECT_EQ(gui.startPath(data), docs);
    EXPECT_EQ(gui.startPath(data + QStringLiteral("/inner")), docs);
    EXPECT_EQ(gui.startPath(data + QStringLiteral("/3CA_AAAAA1111A_2026.json")),
              docs + QStringLiteral("/3CA_AAAAA1111A_2026.json"));
    EXPECT_EQ(gui.startPath(QString()), docs);
    EXPECT_EQ(gui.startPath(docs + QStringLiteral("/Files/x.json")), docs + QStringLiteral("/Files/x.json"));
    EXPECT_EQ(gui.startPath(dir.path() + QStringLiteral("/Database")),
              dir.path() + QStringLiteral("/Database"));

    const auto dialog =
        gui.fileDialog(QStringLiteral("Import JSON"), data, QStringLiteral("JSON Files|*.json"));
    EXPECT_EQ(QDir(dialog->directory()).absolutePath(), QDir(docs).absolutePath());
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_TRUE(dynamic_cast<FileIconsByName *>(dialog->iconProvider()));
}
