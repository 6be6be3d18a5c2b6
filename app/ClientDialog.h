#pragma once

#include <QDialog>

class QLineEdit;
class QComboBox;
class Database;

// Adds a client to the host's client master.
class ClientDialog : public QDialog
{
    Q_OBJECT
public:
    ClientDialog(Database &db, QWidget *parent = nullptr);
    QString code() const;

    void accept() override;

private:
    Database &m_db;
    QLineEdit *m_code;
    QLineEdit *m_name;
    QLineEdit *m_pan;
    QComboBox *m_status;
    QLineEdit *m_flat;
    QLineEdit *m_street;
    QLineEdit *m_area;
    QLineEdit *m_city;
    QComboBox *m_state;
    QLineEdit *m_pin;
};
