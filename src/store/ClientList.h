#pragma once

#include <QList>
#include <QString>

class Database;

// The host's clients as the accountant picks one to give a file to: in order of their names,
// each with the code the rows are kept under and the PAN a file names him by.
namespace ClientList
{

struct Client {
    QString code;
    QString name;
    QString pan;
};

QList<Client> byName(Database &db);
// True when the host keeps a client of that code.
bool has(Database &db, const QString &code);

} // namespace ClientList
