#pragma once

#include "commands/BulkImport.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QPushButton;

// The bulk import screen: first the source (a folder or a zip file), then the list of
// returns found, with a client to choose for each one whose PAN matched none.
class frmBulkXMLImport : public QDialog
{
    Q_OBJECT
public:
    enum Column { ColFile, ColForm, ColYear, ColPan, ColClient, ColName, ColSelect, ColStatus, ColumnCount };

    frmBulkXMLImport(BulkImport::FileImport importFile, QWidget *parent = nullptr);

    // The steps, as the buttons run them.
    bool showList(); // "Show Files"
    void proceed();  // "Proceed"
    void chooseClient(int row);

    QLineEdit *pathField() const { return m_path; }
    QRadioButton *zipOption() const { return m_zip; }
    QTableWidget *grid() const { return m_grid; }
    bool onListStep() const;

private:
    void browse();
    void fillGrid();
    void backToSource();

    BulkImport::FileImport m_importFile;
    BulkImport::Unpacked m_unpacked; // removed with the screen, or on going back
    QList<BulkImport::File> m_files;
    QStackedWidget *m_steps;
    QLineEdit *m_path;
    QRadioButton *m_folder;
    QRadioButton *m_zip;
    QTableWidget *m_grid;
};
