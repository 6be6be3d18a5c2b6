#include "StatementText.h"

#include "ControlCodes.h"
#include "PrintedWords.h"
#include "ReportWriter.h"
#include "host/AccountsSchema.h"

#include <algorithm>
#include <cmath>

namespace StatementText
{

QString amount(double value)
{
    const qint64 paise = std::llround(std::fabs(value) * 100);
    if (paise == 0)
        return QStringLiteral("-");
    QString digits = QString::number(paise / 100);
    // Thousands, then lakhs and crores: the last three digits, then groups of two.
    QString rupees = digits.right(3);
    digits.chop(3);
    while (!digits.isEmpty()) {
        rupees.prepend(digits.right(2) + QLatin1Char(','));
        digits.chop(2);
    }
    const QString text = rupees + QStringLiteral(".%1").arg(paise % 100, 2, 10, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

void heading(ReportWriter &writer, const FinancialStatements::Books &books, const QString &title)
{
    writer.line(books.clientName, ReportRow::Centre, true);
    writer.line(title, ReportRow::Centre, true);
    writer.blank();
}

Figure Note::total() const
{
    Figure sum{QStringLiteral("Total")};
    for (const Figure &f : lines) {
        sum.current += f.counted ? f.current : 0;
        sum.previous += f.counted ? f.previous : 0;
    }
    return sum;
}

QList<Figure> headFigures(const FinancialStatements::Books &books, int gid, bool netted)
{
    QList<Figure> figures;
    auto add = [&](const AccountsYear::Head &h, bool current) {
        const bool contra = netted && h.nid == AccountsSchema::Contra && AccountsYear::hasContraHeads(gid);
        const double value = contra ? -h.amount : h.amount;
        auto found =
            std::find_if(figures.begin(), figures.end(), [&](const Figure &f) { return f.label == h.name; });
        if (found == figures.end())
            found = figures.insert(figures.end(), Figure{h.name});
        (current ? found->current : found->previous) += value;
    };
    for (const AccountsYear::Head &h : books.current.headsOf(gid))
        add(h, true);
    for (const AccountsYear::Head &h : books.previous.headsOf(gid))
        add(h, false);
    return figures;
}

QStringList yearsHeading(const FinancialStatements::Books &books, bool withNote, const QString &asAt)
{
    QStringList row{QStringLiteral("Particulars")};
    if (withNote)
        row << QStringLiteral("Note No.");
    const int year = books.current.yearKey().toInt();
    row << asAt + PrintedWords::yearEnd(QString::number(year)) + QStringLiteral(" (Rs.)")
        << asAt + PrintedWords::yearEnd(QString::number(year - 1)) + QStringLiteral(" (Rs.)");
    return row;
}

void twoYearRow(ReportWriter &writer, const Figure &figure, bool bold)
{
    auto b = [bold](const QString &t) { return bold ? ControlCodes::bold(t) : t; };
    writer.boxed({b(figure.label), b(amount(figure.current)), b(amount(figure.previous))});
}

void writeNotes(ReportWriter &writer, const FinancialStatements::Books &books, const QList<Note> &notes,
                int first)
{
    int number = first;
    for (const Note &note : notes) {
        writer.blank();
        writer.line(QStringLiteral("Note %1: %2").arg(number++).arg(note.caption), ReportRow::Left, true);
        writer.columns(QStringLiteral("60,20,20"), {ReportRow::Left, ReportRow::Right, ReportRow::Right});
        writer.heading(yearsHeading(books, false, QStringLiteral("As at ")));
        for (const Figure &f : note.lines) {
            const bool caption = !f.counted && f.current == 0 && f.previous == 0;
            writer.boxed(
                {f.label, caption ? QString() : amount(f.current), caption ? QString() : amount(f.previous)});
        }
        const Figure total = note.total();
        writer.boxed({ControlCodes::bold(total.label), ControlCodes::bold(amount(total.current)),
                      ControlCodes::bold(amount(total.previous))},
                     QStringLiteral("011"));
    }
}

void Side::group(const QString &caption, const QList<Figure> &heads)
{
    double sum = 0;
    for (const Figure &f : heads)
        sum += f.current;
    if (heads.isEmpty() || sum == 0)
        return;
    m_rows << QStringList{ControlCodes::bold(caption), QString(), QString()};
    for (qsizetype i = 0; i < heads.size(); ++i) {
        const bool last = i + 1 == heads.size();
        m_rows << QStringList{QStringLiteral("    ") + heads.at(i).label, amount(heads.at(i).current),
                              last ? amount(sum) : QString()};
    }
    m_total += sum;
}

void Side::single(const QString &caption, double value)
{
    if (value == 0)
        return;
    m_rows << QStringList{ControlCodes::bold(caption), QString(), amount(value)};
    m_total += value;
}

QStringList Side::row(int index) const
{
    return m_rows.value(index, QStringList{QString(), QString(), QString()});
}

void writeTwoSided(ReportWriter &writer, const QStringList &headings, const Side &left, const Side &right)
{
    writer.columns(QStringLiteral("26,12,12,26,12,12"),
                   {ReportRow::Left, ReportRow::Right, ReportRow::Right, ReportRow::Left, ReportRow::Right,
                    ReportRow::Right});
    writer.heading(headings);
    for (int i = 0; i < std::max(left.size(), right.size()); ++i)
        writer.boxed(left.row(i) + right.row(i));
    writer.boxed({ControlCodes::bold(QStringLiteral("Total")), QString(),
                  ControlCodes::bold(amount(left.total())), ControlCodes::bold(QStringLiteral("Total")),
                  QString(), ControlCodes::bold(amount(right.total()))},
                 QStringLiteral("001001"));
}

} // namespace StatementText
