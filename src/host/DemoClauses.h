#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace DemoData
{

// The rest of the first demo client's Form 3CD, so that the demo report is complete
// enough to file: every Yes/No question answered, tables, attachments, an address abroad.
// Writes through the clause store for the open form, client and year.
void insertFilledClauses(const QString &yearKey);

// The assessee of a demo report as its report page keeps it; a firm's name is its last name.
struct Assessee {
    QString firstName, middleName, lastName, addressLine1, addressLine2, pin, postOffice, area, district,
        state, pan, aadhaar;
};
// The assessee's row of the report page of Form 3CA or 3CB ("3CA", "3CB"), in India.
void insertAssessee(const QString &formCode, const Assessee &assessee);

// The clauses both demo reports answer alike: nothing to report, answered No or not
// applicable (clauses 15 to 17, 19, 21(d), 24 to 30C, 32(b) to 32(e), 34(c), 35(b), 36A to 39,
// 41 to 43).
void insertUsualAnswers(const QString &yearKey);

// A grid point of the demo report: one row per grid row, its number in the sequence column.
void insertGrid(int page, const QString &point, const QList<QStringList> &rows);

// A Yes/No answer of the demo report.
void answer(int page, const QString &option, const QString &value);
// A Yes/No clause answered No: the option and the grid's one "Nil" row.
void answeredNo(int page, const QString &option, const QString &point, int columns);
// Not applicable ticks of a page.
void notApplicable(int page, const QStringList &ticks);
// A clause 18 block row from the values named by their columns' keys in the catalogue; the
// amounts not named are "0.00" and the block-nil tick "False".
QStringList depreciationBlock(const QList<std::pair<const char *, QString>> &values);

} // namespace DemoData
