#pragma once

#include "WorkbookReader.h"

#include <QByteArray>

// Legacy .xls workbooks are read by libfreexl, which a damaged file can lead into reading
// past its buffers. So the library runs in a helper process of its own (talvex-xls, beside
// the program): a fault ends the helper, and the program, with the user's unsaved work,
// reports the file as unreadable. The helper writes the sheets to its output in the form
// below, which this side reads back.
namespace XlsProcess
{

// The helper's file name; it lies in the folder of the running program.
inline constexpr char kHelperName[] = "talvex-xls";

// The sheets of the .xls file as the helper at `helper` reads them (the one beside the
// program when empty); nothing with the reason in `error` when it could not.
std::optional<QList<WorkbookSheet>> read(const QString &path, QString *error, const QString &helper = {});

// The helper's side: the sheets in the form read() takes.
QByteArray encode(const QList<WorkbookSheet> &sheets);

} // namespace XlsProcess
