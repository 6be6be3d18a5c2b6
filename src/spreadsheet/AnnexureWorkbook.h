#pragma once

#include "AnnexureLayout.h"

// Writes an annexure workbook (.xlsx, through libxlsxwriter): the instruction line merged
// across the columns and underlined; bold, centred, wrapped headings; the columns' widths,
// hidden columns, amounts as numbers shown "0.00", whole numbers "0"; drop-down lists from
// a hidden "Lists" sheet (inline lists are limited to 255 characters); panes frozen below
// the headings; thin borders round the headings and the rows.
namespace AnnexureWorkbook
{

// One worksheet: its name, the line above the headings, the layout and the rows.
struct Page {
    QString name;
    QString title;
    AnnexureLayout layout;
    QList<QStringList> rows;
};

// A workbook of several worksheets in order.
bool writePages(const QString &path, const QList<Page> &pages, QString *error = nullptr);

// The annexure workbook: "Sheet1" with the instruction line. False with the reason in
// error when the file cannot be written.
bool write(const QString &path, const AnnexureLayout &layout, const QList<QStringList> &rows,
           QString *error = nullptr);

} // namespace AnnexureWorkbook
