#pragma once

#include <QList>
#include <QString>

// A person who signs for the assessee, from the host's signatory list of the client.
struct Signatory {
    QString name;
    QString designation;
    QString din;

    // The client's signatories in their order; none without a host.
    static QList<Signatory> ofClient(const QString &client);
};
