#pragma once

#include "catalogue/Form3cebCatalogue.h"

#include <QHash>
#include <QString>
#include <QStringList>

class Database;

// How a stored cell becomes an element's text and back, for the conversions the Form 3CEB
// catalogue names on an element ("as"): the writer and the reader share them.
namespace Xml3cebValues
{

// "Y", "N" and "NA" for a stored answer ("True"/"Yes", "False"/"No", "NA"); "" otherwise.
QString answerCode(const QString &stored);
// The page's word for an answer code of the file: "Yes"/"No" or "True"/"False" (flags).
QString answerText(const QString &code, bool flag);

// The entries of the lists that a file's codes stand for (the methods of section 92C(1), the
// relationships of section 92A(2)), each list read from the database once for a whole file.
class ListEntries
{
public:
    explicit ListEntries(Database &db) : m_db(db) {}
    // The stored entry of the list that begins "(" + code + ")"; "" for none.
    QString entryOfCode(const QString &list, const QString &code);

private:
    Database &m_db;
    QHash<QString, QStringList> m_entries;
};

QString toXml(const Catalogue::XmlElement &element, const QString &stored);
// The stored text of an element's file text.
QString fromXml(const Catalogue::XmlElement &element, const QString &text, ListEntries &lists);

} // namespace Xml3cebValues
