#pragma once

#include "tds/TdsLists.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

// The TDS import window: the TDS lists of the open report from a filled TDS workbook, or
// from the TDS product's database, whose clients it lists for selection. The database
// import runs its four steps under a progress bar that Cancel stops; the lists it found can
// be previewed through the report engine.
class frmImpDetTDS : public QDialog
{
    Q_OBJECT
public:
    enum class Source { Workbook, Database };
    explicit frmImpDetTDS(Source source, QWidget *parent = nullptr);
    ~frmImpDetTDS() override;

    // The window's commands, as its buttons run them.
    void browseWorkbook();
    bool proceedWorkbook();
    // Connects to the database named in the window and lists its clients.
    bool connectDatabase();
    bool importSelected();
    void cancel();
    void preview();

    QLineEdit *workbookPath() const { return txtWorkbook; }
    QLineEdit *databasePath() const { return txtDatabase; }
    QTableWidget *clientList() const { return lstClients; }
    QCheckBox *correctDueDate() const { return chkDueDate; }
    QLineEdit *dueDate() const { return txtDueDate; }
    QProgressBar *progress() const { return prgSteps; }

protected:
    // Escape and the window's close box stop a running import the way Cancel does.
    void reject() override;

private:
    QList<TdsClient> selectedClients() const;
    bool showProgress(const QString &caption, int done, int total);
    void setRunning(bool running);

    std::unique_ptr<TdsSource> m_source;
    QList<TdsClient> m_clients;
    QList<TdsClient> m_imported;
    TdsLists::Lists m_lists;
    DbUrl m_settingsUrl;
    bool m_running = false;
    bool m_cancelled = false;

    QLineEdit *txtWorkbook;
    QLineEdit *txtDatabase;
    QTableWidget *lstClients;
    QCheckBox *chkDueDate;
    QLineEdit *txtDueDate;
    QLabel *lblStep;
    QProgressBar *prgSteps;
    QPushButton *cmdProceed;
    QPushButton *cmdConnect;
    QPushButton *cmdOK;
    QPushButton *cmdPreview;
    QPushButton *cmdCancel;
    QPushButton *cmdBack;
};
