#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableWidget;

// "Digitally Sign PDF File": up to four PDF files (the audit report, the balance sheet,
// the profit and loss account, another), each signed on the pages chosen for it with a
// certificate of the NSS store; the unsigned file is kept as NAME_before_sign.pdf.
class frmSignPDF : public QDialog
{
    Q_OBJECT
public:
    static constexpr int FileCount = 4;
    enum PageChoice { Specify = 0, AllPages, LastPage, AllPagesOfAllFiles, LastPageOfAllFiles };

    explicit frmSignPDF(QWidget *parent = nullptr);

    // Lists the certificates of the store in the folder ("" for the user's own store), read
    // with the password typed in the window, and remembers the folder for the next time the
    // window opens; false, with the reason shown in the window, when none can be listed.
    bool loadCertificates(const QString &nssFolder);
    // The certificate store the window used last ("" when none was chosen).
    static QString rememberedStore();
    void cmdSign_Click();
    // The menu of the statements printed from the host's accounts ("From Software").
    QMenu *fromSoftwareMenu() const { return m_fromSoftware; }

private:
    struct FileRow {
        QLineEdit *path = nullptr;
        QComboBox *pages = nullptr;
        QLineEdit *pageNumbers = nullptr;
    };
    void cmdBrowse_Click(int row);
    void cmdClear_Click(int row);
    // A Word or Excel file turned into a PDF beside it, which then stands in the row.
    void cmdConvert_Click(int row);
    // Prints a statement of the host's accounts (an entry of FinancialStatements::captions())
    // of the current client and year into a PDF file, which then stands in its row.
    void cmdFromSoftware_Click(int statement);
    // The page choice that holds for a row: the first file's when it chose for all files.
    int choiceFor(int row) const;

    QList<FileRow> m_rows;
    QCheckBox *m_sameFile = nullptr;
    QLineEdit *m_store = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_storeState = nullptr;
    QTableWidget *m_certificates = nullptr;
    QMenu *m_fromSoftware = nullptr;
};
