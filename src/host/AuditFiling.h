#pragma once

#include <QList>
#include <QString>

class Database;

// The host's record of where each client's tax audit report stands on the portal: uploaded
// by the accountant and waiting for the assessee's approval, or filed (with its date). A
// client without a record is still to be filed.
namespace AuditFiling
{

inline const QString Pending = QStringLiteral("Pending");
inline const QString PendingForApproval = QStringLiteral("Pending for Approval");
inline const QString Filed = QStringLiteral("Filed");

// Which clients a status report lists: the report flag "P", "A" or "F", anything else all.
enum class Listed { All, Pending, PendingForApproval, Filed };
Listed listedOf(const QString &reportFlag);
// "3CD Pending Filing Status", ... "3CD Filing Status".
QString titleOf(Listed listed);

struct Entry {
    QString code;
    QString name;
    QString status;
    QString dueDate;    // dd/mm/yyyy
    QString filingDate; // dd/mm/yyyy, empty until filed
};

// Made with the host's other tables when the program opens a database.
void ensureTable(Database &db);

// The clients of the year, in order of their code, with the status each has.
QList<Entry> list(Database &db, const QString &yearKey, Listed listed = Listed::All);

// Records a client's status for the year ("Filed" with the date of filing).
void record(Database &db, const QString &code, const QString &yearKey, const QString &status,
            const QString &filingDate = {});

// The date by which the report is due: a month before the return's due date under section
// 139(1), 30 September of the assessment year, or 31 October when the assessee also
// furnishes a report under section 92E.
QString dueDate(const QString &yearKey, bool transferPricing);

} // namespace AuditFiling
