#include "ReportWriter.h"

#include "ControlCodes.h"
#include "ReportEngine.h"
#include "catalogue/PrintedLayouts.h"

bool ReportWriter::columns(const QString &widths, const QList<int> &alignments)
{
    const int n = int(widths.count(u',')) + 1;
    if (!setUpColumns(m_engine, m_row, n, widths))
        return false;
    m_alignments = alignments;
    return true;
}

void ReportWriter::fill(const QStringList &values)
{
    m_row.clearValues();
    for (int c = 0; c < m_row.columnCount(); ++c) {
        m_row.values[c] = values.value(c);
        m_row.alignments[c] = m_alignments.value(c, ReportRow::Left);
    }
}

void ReportWriter::rowWithMasks(const QStringList &values, const QString &m1, const QString &m2,
                                const QString &m3, const QString &m4)
{
    fill(values);
    m_engine.WriteToReport(m_row, m1, m2, m3, m4, true);
}

void ReportWriter::heading(const QStringList &values)
{
    const QString ones = ruleMask(columnCount(), u'1');
    fill(values);
    for (int c = 0; c < columnCount(); ++c)
        m_row.alignments[c] = ReportRow::Centre;
    m_engine.WriteHeading(m_row, ones, ones, ones, ones);
}

void ReportWriter::boxed(const QStringList &values)
{
    boxed(values, ruleMask(columnCount(), u'0'));
}

void ReportWriter::boxed(const QStringList &values, const QString &totals)
{
    const int n = columnCount();
    rowWithMasks(values, u'1' + ruleMask(n - 1, u'0'), ruleMask(n, u'1'), totals, ruleMask(n, u'1'));
}

void ReportWriter::plain(const QStringList &values)
{
    const QString none = ruleMask(columnCount(), u'0');
    rowWithMasks(values, none, none, none, none);
}

void ReportWriter::blank()
{
    m_row.clearValues();
    m_engine.WriteToReport(m_row, {}, {}, {}, {}, true);
}

void ReportWriter::line(const QString &text, int alignment, bool bold)
{
    columns(PrintedLayouts::Line, {alignment});
    plain({bold ? ControlCodes::bold(text) : text});
}
