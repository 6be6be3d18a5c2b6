#pragma once

#include "host/BusinessCodes.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

// The search for a nature-of-business code of the annexure window: a sector and one of its
// codes, or any code whose name or number holds the text typed; Clear takes the row's code
// away after asking.
class BusinessCodeSearch : public QDialog
{
    Q_OBJECT
public:
    // The row's sector and line of business as the clause grid keeps them (their names).
    BusinessCodeSearch(const QString &sectorName, const QString &lineName, QWidget *parent = nullptr);

    // After Select: the sector and the line of business chosen.
    const BusinessCode &chosenSector() const { return m_sector; }
    const BusinessCode &chosenLine() const { return m_line; }
    // After Clear: the row's code is to be taken away.
    bool cleared() const { return m_cleared; }

    void select();
    void clearCode();

private:
    void showCodes();

    QList<BusinessCode> m_sectors;
    BusinessCode m_current; // the row's code when it has one
    BusinessCode m_sector;
    BusinessCode m_line;
    bool m_cleared = false;
    QComboBox *cboSector;
    QLineEdit *txtFind;
    QListWidget *lstCodes;
};
