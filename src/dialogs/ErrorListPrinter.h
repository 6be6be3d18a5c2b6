#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The printable "List of Errors" of the error report: the chosen columns of every row.
namespace ErrorListPrinter
{

QString html(const QStringList &headings, const QList<QStringList> &rows);

// Shows the list in a print preview, from which the user prints it.
void preview(const QStringList &headings, const QList<QStringList> &rows, QWidget *parent);

} // namespace ErrorListPrinter
