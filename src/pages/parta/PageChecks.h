#pragma once

#include <QDate>
#include <QString>

class QWidget;

// Rules shared by the report pages, Part A and the signing page.
namespace PageChecks
{

// Brings the control's page to the front, puts the focus on the control and tells the
// user why the page cannot be saved. Always false, so that a rule can return it.
bool refuse(QWidget *control, const QString &message);

// 31 March of the year key: the last day of the financial year being reported on.
QDate yearEnd();

// The year key's balance-sheet date as stored: "31/03/2026".
QString yearEndText();

} // namespace PageChecks
