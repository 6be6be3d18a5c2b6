// Holds the database open as the desktop program does and answers lines on standard input:
// "browse FOLDER" lists the folder in the program's file dialog and closes it again,
// "save NAME" saves a new name of client C001. Each answer is one line on standard output.
#include "dialogs/GuiPrompt.h"
#include "host/HostSetup.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTextStream>
#include <cstdio>

namespace
{

// Waits until the dialog's model has listed the folder and worked out every file's type,
// as a dialog showing the folder's details does.
void browse(const GuiPrompt &gui, const QString &folder)
{
    const auto dialog = gui.fileDialog(QStringLiteral("Import JSON"), folder,
                                       QStringLiteral("JSON Files|*.json|All Files|*.*"));
    dialog->setViewMode(QFileDialog::Detail);
    dialog->selectNameFilter(QStringLiteral("All Files (*.*)"));
    dialog->show();
    auto *model = dialog->findChild<QFileSystemModel *>();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        const QModelIndex root = model->index(folder);
        for (int r = 0; r < model->rowCount(root); ++r)
            model->data(model->index(r, 2, root));
    }
    dialog->close();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    GuiPrompt gui;
    setPrompts(&gui);
    QTextStream in(stdin);
    QTextStream out(stdout);
    try {
        const auto host = HostSetup::openHost(QString::fromLocal8Bit(argv[1]));
        for (QString line; in.readLineInto(&line);) {
            if (line.startsWith(QLatin1String("browse "))) {
                browse(gui, line.mid(7));
                out << "browsed" << Qt::endl;
            } else if (line.startsWith(QLatin1String("save "))) {
                host->DBObj().Execute(QStringLiteral("UPDATE main_info1 SET Name=? WHERE Code_No=?"),
                                      {line.mid(5), QStringLiteral("C001")});
                out << "saved" << Qt::endl;
            }
        }
    } catch (const DbError &e) {
        QTextStream(stderr) << e.message() << Qt::endl;
        return 1;
    }
    return 0;
}
