#pragma once

#include <QString>
#include <QStringList>

// The current client as the host's client master keeps it: the particulars the report
// pages start from, and the year's place and date of signing, which those pages also
// write back.
struct ClientMaster {
    QString name;
    QString firstName, middleName, lastName;
    QString country, addressLine1, addressLine2, pin, postOffice, area, district, state;
    QString pan, aadhaar;
    QString status;         // the host's status text, as AssesseeStatuses::fromHost reads it
    QString typeOfAccounts; // the host's kind of profit and loss account, "TRADING"
    QString place, signingDate;

    // Reads the client and year of the host; empty fields for a client the master lacks.
    static ClientMaster read();
    // Reads a client for the year that ends on secondDate ("31/03/2026").
    static ClientMaster read(const QString &client, const QString &secondDate);

    // The assessee particulars in the columns of the rows "3CA1A" and "3CBPT1A".
    QStringList assesseeColumns() const;

    // Writes the place and date of signing into the year's row of the master.
    static void saveSigning(const QString &place, const QString &date);
};
