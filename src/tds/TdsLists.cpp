#include "TdsLists.h"

#include "TdsSections.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/ListNames.h"
#include "model/ListSources.h"
#include "spreadsheet/TdsWorkbook.h"

#include <QDate>
#include <QMap>
#include <QRegularExpression>
#include <cmath>

namespace TdsLists
{

namespace
{

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

QDate dateOf(const QString &text)
{
    return QDate::fromString(text.trimmed(), kDateFormat);
}

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

double fourDecimals(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

// Months or parts of months from one date to another, both counted: calendar months, or
// months that run from the day of the first date.
int monthsOrPart(const QDate &from, const QDate &to, TdsInterestMonths months)
{
    if (months == TdsInterestMonths::Calendar)
        return (to.year() - from.year()) * 12 + to.month() - from.month() + 1;
    int count = 1;
    while (from.addMonths(count) <= to)
        ++count;
    return count;
}

bool validPan(const QString &pan)
{
    static const QRegularExpression form(
        QStringLiteral("^[A-Z][A-Z][A-Z][A-Z][A-Z][0-9][0-9][0-9][0-9][A-Z]$"));
    return form.match(pan).hasMatch();
}

// A reason code other than a lower-deduction certificate ("A") says no tax was to be deducted.
bool deductionRequired(const TdsDeducteeRow &row)
{
    return row.reason.isEmpty() || row.reason == QLatin1String("A");
}

QString formOf(const QString &section, bool resident)
{
    if (section.startsWith(QLatin1String("206C")))
        return QStringLiteral("27EQ");
    if (section == QLatin1String("192"))
        return QStringLiteral("24Q");
    return resident ? QStringLiteral("26Q") : QStringLiteral("27Q");
}

// Sections in the order the section list gives them.
int sectionOrder(const QString &section)
{
    const QList<Catalogue::CodeEntry> natures =
        ClauseCatalogue::instance().codeTable(QStringLiteral("tdsNature"));
    for (int i = 0; i < natures.size(); ++i)
        if (natures.at(i).code == section)
            return i;
    return int(natures.size());
}

struct Entry {
    const TdsClient *client;
    TdsPeriod period;
    TdsDeducteeRow row;
    QString depositDate; // the date of its challan, empty when no challan carried it
    TdsSection section;
};

struct SectionTotals {
    QString nature;
    double payment = 0, required = 0, specified = 0, specifiedTax = 0, lower = 0, lowerTax = 0,
           notDeposited = 0;
};

struct InterestTotals {
    double payable = 0, paid = 0;
    QDate lastPayment;
};

} // namespace

QString caption(int step, const QString &what)
{
    return QStringLiteral("Please Wait ... [Processing Data (Form 3CD)] [Step %1 of 4 - %2]")
        .arg(step)
        .arg(what);
}

bool atSpecifiedRate(double amount, double taxDeducted, double specifiedRate)
{
    return amount > 0 && fourDecimals(taxDeducted * 100.0 / amount) >= fourDecimals(specifiedRate);
}

double interestPayable(const QString &paymentDate, const QString &deductionDate, const QString &depositDate,
                       double taxDeducted, TdsInterestMonths months,
                       const std::function<QDate(const QDate &)> &depositDue)
{
    const QDate paid = dateOf(paymentDate);
    const QDate deducted = dateOf(deductionDate);
    if (taxDeducted <= 0 || !deducted.isValid())
        return 0;
    double interest = 0;
    if (paid.isValid() && deducted > paid)
        interest += taxDeducted * 0.01 * monthsOrPart(paid, deducted, months);
    const QDate deposited = dateOf(depositDate);
    QDate due = deducted.month() == 3 ? QDate(deducted.year(), 4, 30)
                                      : QDate(deducted.year(), deducted.month(), 7).addMonths(1);
    if (depositDue)
        due = depositDue(due);
    if (deposited.isValid() && deposited > due)
        interest += taxDeducted * 0.015 * monthsOrPart(deducted, deposited, months);
    return std::round(interest);
}

std::optional<Lists> build(TdsSource &source, const QList<TdsClient> &clients, const Options &options,
                           const Progress &progress)
{
    // Step 1: the quarters' challans and deductee rows.
    const QList<TdsPeriod> periods = source.periods(options.assessmentYear);
    const int quarters = int(clients.size() * periods.size());
    QList<Entry> entries;
    QMap<QString, InterestTotals> interest; // by TAN
    int done = 0;
    for (const TdsClient &client : clients)
        for (const TdsPeriod &period : periods) {
            if (!progress(caption(1, QStringLiteral("Reading Challans and Deductees")), done++, quarters))
                return std::nullopt;
            QHash<QString, QString> depositDates;
            for (const TdsChallan &challan : source.challans(client, period)) {
                depositDates.insert(challan.serial, challan.date);
                if (challan.interest > 0) {
                    InterestTotals &totals = interest[client.tan];
                    totals.paid += challan.interest;
                    totals.lastPayment = std::max(totals.lastPayment, dateOf(challan.date));
                }
            }
            for (const TdsDeducteeRow &row : source.deducteeRows(client, period))
                entries << Entry{&client, period, row, depositDates.value(row.challanSerial),
                                 TdsSection::of(row.section)};
        }

    // What the product says of each client: whether its accounts were audited the year before,
    // how it counts the months of interest.
    QHash<QString, std::optional<bool>> auditedBefore;
    QHash<QString, TdsInterestMonths> interestMonths;
    for (const TdsClient &client : clients) {
        auditedBefore.insert(client.code, source.auditedBefore(client, options.assessmentYear));
        interestMonths.insert(client.code, source.interestMonths(client));
    }

    // Step 2: the deductees' masters.
    QHash<QString, TdsDeductee> deductees; // by client code and deductee key
    for (int i = 0; i < entries.size(); ++i) {
        if (!progress(caption(2, QStringLiteral("Matching Deductees")), i, int(entries.size())))
            return std::nullopt;
        const Entry &e = entries.at(i);
        const QString key = e.client->code + u'|' + e.row.deducteeKey;
        if (!deductees.contains(key))
            deductees.insert(key, source.deductee(*e.client, e.row.deducteeKey));
    }

    // Step 3: the statements filed.
    QHash<QString, QString> filed; // by client code, form and period code
    for (int i = 0; i < clients.size(); ++i) {
        if (!progress(caption(3, QStringLiteral("Reading Returns Filed")), i, int(clients.size())))
            return std::nullopt;
        for (const TdsFiledStatement &statement : source.filedStatements(clients.at(i)))
            filed.insert(clients.at(i).code + u'|' + statement.form + u'|' + statement.periodCode,
                         statement.filingDate);
    }

    // Step 4: the lists.
    QMap<std::tuple<QString, int, QString>, SectionTotals> sections; // by TAN and section
    QMap<std::tuple<QString, int, QString>, QStringList> statements; // by TAN, quarter, form
    Lists lists;
    QMap<std::pair<QString, QDate>, QDate> depositDues; // by state and ordinary due date
    ListSources sources;
    const QStringList states = sources.items(ListNames::AddressStates);
    const QDate returnDue = dateOf(options.returnDueDate);
    for (int i = 0; i < entries.size(); ++i) {
        if (!progress(caption(4, QStringLiteral("Preparing Details")), i, int(entries.size())))
            return std::nullopt;
        const Entry &e = entries.at(i);
        const TdsDeducteeRow &row = e.row;
        const TdsDeductee &deductee = deductees.value(e.client->code + u'|' + row.deducteeKey);
        const QString tan = e.client->tan;

        SectionTotals &totals = sections[{tan, sectionOrder(e.section.section), e.section.section}];
        totals.nature = e.section.nature;
        totals.payment += row.amount;
        // An individual or family not audited the year before need not deduct under some sections.
        const bool exempt = e.section.onlyIfAuditedBefore() && e.client->individualOrFamily() &&
                            auditedBefore.value(e.client->code) == false;
        if (deductionRequired(row) && !exempt)
            totals.required += row.amount;
        if (row.taxDeducted > 0) {
            if (atSpecifiedRate(row.amount, row.taxDeducted, row.rate)) {
                totals.specified += row.amount;
                totals.specifiedTax += row.taxDeducted;
            } else {
                totals.lower += row.amount;
                totals.lowerTax += row.taxDeducted;
            }
            totals.notDeposited += std::max(0.0, row.taxDeducted - row.deposited);
        }

        const QString form = formOf(e.section.section, deductee.resident);
        const auto statementKey = std::make_tuple(tan, e.period.quarter, form);
        if (!statements.contains(statementKey)) {
            const QString kind =
                form == QLatin1String("27EQ") ? QStringLiteral("TCS") : QStringLiteral("TDS");
            statements.insert(statementKey, {tan, form,
                                             source.dueDate(options.assessmentYear, kind, e.period.quarter,
                                                            e.client->deductorState()),
                                             filed.value(e.client->code + u'|' + form + u'|' + e.period.code),
                                             QStringLiteral("Yes"), QString()});
        }

        const double payable = interestPayable(
            row.paymentDate, row.deductionDate, e.depositDate, row.taxDeducted,
            interestMonths.value(e.client->code), [&](const QDate &due) {
                const auto key = std::make_pair(e.client->deductorState(), due);
                auto found = depositDues.constFind(key);
                if (found == depositDues.constEnd())
                    found = depositDues.insert(
                        key, source.depositDueDate(options.assessmentYear, due, e.client->deductorState()));
                return *found;
            });
        if (payable > 0)
            interest[tan].payable += payable;

        // Payments whose tax was deducted but not paid by the due date of the return.
        const QDate deposited = dateOf(e.depositDate);
        const bool paidInTime = deposited.isValid() && returnDue.isValid() && deposited <= returnDue;
        if (row.taxDeducted > 0 && !paidInTime && form != QLatin1String("24Q") &&
            form != QLatin1String("27EQ")) {
            const QString state =
                deductee.state.isEmpty() ? QString() : TdsWorkbook::normalisedState(deductee.state, states);
            QStringList payment{row.paymentDate,
                                amount(row.amount),
                                e.section.nature,
                                deductee.name,
                                validPan(deductee.pan) ? deductee.pan : QString(),
                                QString(),
                                deductee.resident ? QStringLiteral("India") : deductee.country,
                                deductee.addressLine1,
                                deductee.addressLine2,
                                deductee.pin,
                                QString(),
                                QString(),
                                deductee.city,
                                state,
                                amount(row.taxDeducted)};
            if (deductee.resident)
                payment << amount(deposited.isValid() ? row.deposited : 0);
            lists[deductee.resident ? QStringLiteral("21biib") : QStringLiteral("21bib")] << payment;
        }
    }

    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const SectionTotals &t = it.value();
        lists[QStringLiteral("34a")] << QStringList{
            std::get<0>(it.key()),  std::get<2>(it.key()), t.nature,
            amount(t.payment),      amount(t.required),    amount(t.specified),
            amount(t.specifiedTax), amount(t.lower),       amount(t.lowerTax),
            amount(t.notDeposited)};
    }
    for (const QStringList &statement : statements)
        lists[QStringLiteral("34b")] << statement;
    for (auto it = interest.cbegin(); it != interest.cend(); ++it)
        if (it->payable > 0 || it->paid > 0)
            lists[QStringLiteral("34c")]
                << QStringList{it.key(), amount(it->payable), amount(it->paid),
                               it->lastPayment.isValid() ? it->lastPayment.toString(kDateFormat) : QString()};
    return lists;
}

} // namespace TdsLists
