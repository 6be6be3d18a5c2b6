#pragma once

#include <QByteArray>
#include <QDate>

class ReportModel;

// The Form 3CEB e-filing XML of a report, line by line as the portal takes it: the frame,
// the declarations, the annexure, the accountant, the associated enterprises, the
// transactions of every type whose answer is Yes, and the seventeen flags. The layout of
// every part comes from the Form 3CEB catalogue, which the reader walks the other way.
namespace Xml3cebWriter
{

QByteArray document(const ReportModel &report, const QDate &today);

} // namespace Xml3cebWriter
