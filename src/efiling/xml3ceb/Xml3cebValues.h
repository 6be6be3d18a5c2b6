#pragma once

#include "catalogue/Form3cebCatalogue.h"

#include <QString>

class Database;

// How a stored cell becomes an element's text and back, for the conversions the Form 3CEB
// catalogue names on an element ("as"): the writer and the reader share them.
namespace Xml3cebValues
{

// "Y", "N" and "NA" for a stored answer ("True"/"Yes", "False"/"No", "NA"); "" otherwise.
QString answerCode(const QString &stored);
// The page's word for an answer code of the file: "Yes"/"No" or "True"/"False" (flags).
QString answerText(const QString &code, bool flag);

QString toXml(const Catalogue::XmlElement &element, const QString &stored);
// The stored text of an element's file text; lists are looked up through the database.
QString fromXml(const Catalogue::XmlElement &element, const QString &text, Database &db);

// "&" and "<" as XML writes them in element text.
QString escaped(const QString &text);

} // namespace Xml3cebValues
