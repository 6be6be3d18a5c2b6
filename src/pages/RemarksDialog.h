#pragma once

#include "catalogue/ClauseCatalogue.h"

class ReportModel;

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The remark of one clause (PageNo 301, PointNo "R" + clause), printed with the report and
// never filed. It is kept in the report's model, which the print reads, and saved at once. Remarks stored for
// the same clause this year or last year, for any client, can be imported and ticked into the text.
class RemarksDialog : public QDialog
{
    Q_OBJECT
public:
    RemarksDialog(const Catalogue::Clause &clause, ReportModel &report, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QListWidget *importList() const { return m_imports; }

    void save();
    void clearRemark();
    // Lists the remarks stored for this clause in the current and the previous year.
    void importRemarks();
    // Appends the ticked remarks to the text.
    void useTicked();

private:
    // Writes the model's remarks page back in one transaction.
    void storeRemarks();

    ReportModel &m_report;
    QString m_point;
    QPlainTextEdit *m_text;
    QListWidget *m_imports;
    QPushButton *m_use;
};
