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

    TalvexBase &m_host;
    clsMain &m_module;
    QTableWidget *m_clients;
    QComboBox *m_year;
};
