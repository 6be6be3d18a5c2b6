#pragma once

#include "store/ClauseStore.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// Reads a Form 3CEB e-filing XML file into the clause rows the Form 3CEB pages keep, each
// element into the column the writer takes it from (the Form 3CEB catalogue). The file is
// taken in as every XML file is (XmlInput); one nested too deep stops the parser.
namespace Xml3cebReader
{

enum class Status { Ok, Unreadable, NoFormName };

struct Result {
    Status status = Status::Unreadable;
    QString failure;       // why the file could not be read (Unreadable)
    QString formName;      // the text of its FormName element
    QString formNamespace; // the namespace of its root element
    QStringList pans;      // the assessee's PAN wherever the file names it
    QList<ClauseStore::ClauseRow> rows;
};

// The rows of the file for a clause table of `valueColumns` columns, the last the grid rows'
// sequence; lists (methods, relationships, sectors) are looked up in the database.
Result read(const QString &file, Database &db, int valueColumns);

} // namespace Xml3cebReader
