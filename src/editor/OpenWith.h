#pragma once

#include <QString>

class TalvexBase;

// An e-filing file opened from the file manager ("Open with Talvex", `talvex FILE`): the
// user picks the client whose report of the year takes it, confirms that the report's data
// will be replaced, and the file goes through the editor's own import (JSON for Form
// 3CA/3CB-3CD, XML for Form 3CEB).
namespace OpenWith
{

// True when the file was imported; false after telling the user why not, or when the
// user cancelled. The report is unchanged unless the import succeeded.
bool importFile(TalvexBase &host, const QString &file, const QString &yearKey);

} // namespace OpenWith
