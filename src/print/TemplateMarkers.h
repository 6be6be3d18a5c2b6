#pragma once

#include <QString>
#include <QStringList>

class MasterFile;
class ReportModel;
struct Accountant;
struct PrintSetup;

// The markers the audit report's templates share: the UDIN line, the signing accountant
// and the clearing of markers a user's template carries but a print has no value for.
namespace TemplateMarkers
{

// "UDIN : " and the number, empty without a UDIN or on a blank form.
QString udinLine(const ReportModel &model, bool blank);

// The accountant's block: firm in capitals, name, designation, numbers (with the PAN when
// the setup asks for it), address, phone and e-mail; a blank form leaves lines to fill in.
void setAccountant(MasterFile &file, const Accountant &accountant, const PrintSetup &setup, bool blank,
                   const QString &date, const QString &place);

// Sets every occurrence the marker still has, in document order, to the text.
void setAll(MasterFile &file, const QString &marker, const QString &text);

// Sets one marker's occurrences to the values in turn (the last value serves any further one).
void setInOrder(MasterFile &file, const QString &marker, const QStringList &values);

// Empties whatever marker of the audit report templates is left in the file.
void clearLeftovers(MasterFile &file);

} // namespace TemplateMarkers
