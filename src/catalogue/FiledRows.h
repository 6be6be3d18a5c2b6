#pragma once

#include <QString>

// Where a report keeps the members of a filed e-filing file that its rows would not give
// again: one row a member under this page and point. They describe that file only, so a
// report carried into the next year leaves them behind.
namespace FiledRows
{

inline constexpr int kPage = 401;
inline QString point()
{
    return QStringLiteral("Filed");
}

} // namespace FiledRows
