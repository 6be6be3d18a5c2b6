#pragma once

#include <QStringList>

class ReportModel;
struct ClientMaster;

// The rows the Part A pages show and save when the report holds none of them: the report
// page of Form 3CA (page 1) or Form 3CB (page 101), clause 5 to 7 on page 2 and the signing
// page 21. Each point is filled on its own, as the pages let a stored row win over its default.
namespace PartARules
{

// The report page's points that the client master and the year fill when absent.
void reportPageDefaults(ReportModel &model, const ClientMaster &master);

// The report page's choices spelt as their drop-downs list them ("us" is kept "Us"), and
// every value of its rows trimmed.
void reportWords(ReportModel &model);

// "3CD_A": the status by its position in the list (the stored text, else the stored
// position, else the master's status), the previous year as the report page gives it (the
// year's dates when it gives none) and the assessment year.
void statusAndYear(ReportModel &model, const ClientMaster &master);
// The row "3CD_A" the page writes for a status position (0 or out of range for none).
QStringList statusRow(int position, const QString &from, const QString &to, const QString &assessmentYear);
// The position a stored "3CD_A" row names (its text first), 0 when it names none.
int storedStatusPosition(const QStringList &row);

// Page 21: the auditor type "Yes" (individual) or "No" (firm), the UDIN trimmed in upper
// case and the date of signing trimmed; each row written even when empty.
void signingRows(ReportModel &model);

// All of the above, with the client master of the model's client.
void apply(ReportModel &model);
// Whether the rules above read rows of the page (the report pages, page 2 and page 21).
bool reads(int page);

} // namespace PartARules
