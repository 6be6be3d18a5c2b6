#include "ClauseLabel.h"

#include <QRegularExpression>
#include <QStringList>

namespace ClauseLabel
{

QString listed(const QString &label)
{
    // The clause number (with a letter of an inserted clause, "29A"), a sub-clause written
    // without brackets ("8a"), then the bracketed parts.
    static const QRegularExpression shape(QStringLiteral(R"(^(\d+[A-Z]*)([a-z]*)((?:\([^()]+\))*)$)"));
    static const QRegularExpression part(QStringLiteral(R"(\(([^()]+)\))"));
    const QRegularExpressionMatch m = shape.match(label.trimmed());
    if (!m.hasMatch())
        return label;
    QStringList words{m.captured(1) + u'.'};
    if (!m.captured(2).isEmpty())
        words << u'(' + m.captured(2) + u')';
    for (auto it = part.globalMatch(m.captured(3)); it.hasNext();) {
        const QString inner = it.next().captured(1);
        // Capital items are lettered "A.", the others bracketed "(b)", "(ii)".
        words << (inner == inner.toUpper() ? inner + u'.' : u'(' + inner + u')');
    }
    return words.join(u' ');
}

} // namespace ClauseLabel
