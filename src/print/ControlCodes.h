#pragma once

#include <QString>

// The printer-control codes that report texts carry inline (the ESC/P convention the
// report builders have always written): bold on and off, a line break inside a cell, a
// page break, and the pitch selection that opens the body of the audit report.
namespace ControlCodes
{

inline const QString BoldOn = QStringLiteral("\x1b"
                                             "E");
inline const QString BoldOff = QStringLiteral("\x1b"
                                              "F");
inline const QString LineBreak = QStringLiteral("\r\n");
inline const QString FormFeed = QString(QChar(12));
inline const QString ElitePitch = QStringLiteral("\x1b\x12\x1b"
                                                 "M");

inline QString bold(const QString &text)
{
    return BoldOn + text + BoldOff;
}

} // namespace ControlCodes
