#pragma once

#include <QMainWindow>

class QTableWidget;
class QComboBox;
class TalvexBase;
class clsMain;

// The host's front window: pick a client and a financial year, then open a report.
class LauncherWindow : public QMainWindow
{
    Q_OBJECT
public:
    LauncherWindow(TalvexBase &host, clsMain &module, QWidget *parent = nullptr);

    // An e-filing file opened with the program: into the report of the year shown of the
    // client the user picks.
    void importFile(const QString &file);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadClients(const QString &select = {});
    void addClient();
    void openReport(int index);
    // The OpenForm index of the form the selected client's report of the chosen year is kept
    // in: Form 3CB or 3CA by its report page, else Form 3CEB when only that one has rows,
    // else Form 3CA.
    int formOfReport();

    TalvexBase &m_host;
    clsMain &m_module;
    QTableWidget *m_clients;
    QComboBox *m_year;
};
