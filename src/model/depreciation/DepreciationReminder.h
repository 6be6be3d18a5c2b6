#pragma once

#include <QString>

// The reminder the editor gives when it opens a report: clause 18 holds no block yet (and
// is not marked not applicable) while the client's depreciation chart has blocks for the
// year, so that the accountant imports them rather than typing them again.
namespace DepreciationReminder
{

// The reminder, or "" when there is nothing to remind of. blockWise: the client keeps the
// host's block-wise chart (CheckOptedOldDeprChart), else the asset-wise one.
QString message(bool blockWise);

} // namespace DepreciationReminder
