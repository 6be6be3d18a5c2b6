#pragma once

#include <QString>
#include <QStringList>

// The entries of the drop-downs that compose the wording of the accountant's report and
// of Part A. The text chosen is stored and written to the e-filing file as it is.
namespace ReportWords
{

QStringList iWe();          // "I", "We"
QStringList meUs();         // "Me", "Us"
QStringList meUsFirm();     // by me, by us, or by a firm: "Me", "Us", "M/s"
QStringList myOur();        // "My", "Our"
QStringList myOurTheir();   // "My", "Our", "Their"
QStringList accountTypes(); // the statement of income: of profit and loss, or income and expenditure
QStringList results();      // what the accounts show: "Profit", "Loss", "Surplus", "Deficit"
// The years whose balance sheet may be reported on: the year key and the nine before it.
QStringList years(const QString &yearKey);
// The balance-sheet dates of those years: "31/03/2026" ...
QStringList yearEnds(const QString &yearKey);
// The sections of clause 8a.
QStringList taxRegimeSections();
// The Act entry that asks for the Act's name in a text of its own.
QString otherAct();

// A stored choice as the drop-down shows it: the entry it names in any letter case, else
// the text trimmed.
QString asListed(const QStringList &entries, const QString &stored);

} // namespace ReportWords
