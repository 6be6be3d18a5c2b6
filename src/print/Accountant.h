#pragma once

#include <QString>

class ReportModel;
struct PrintSetup;
class ReportWriter;

// The accountant who signs a report, as the printed forms show him: from the host's
// auditor record of the client and year, the firm's name in capitals, names and address
// in proper case.
struct Accountant {
    QString firmName;
    QString name;
    QString designation; // "Proprietor" or "Partner"
    QString membershipNo;
    QString firmRegNo;
    QString address;
    QString phone;
    QString email;
    QString pan;

    static Accountant ofReport(const ReportModel &model);

    // The closing block: "For" the firm, "Chartered Accountants", the accountant, his
    // numbers, the PAN when the setup asks for it, the date and place of signing.
    void writeSignature(ReportWriter &writer, const PrintSetup &setup, const QString &date,
                        const QString &place) const;
};

// "RAGHAVAN IYER" -> "Raghavan Iyer": the first letter of each word capital, the rest small.
QString properCase(const QString &text);
