#pragma once

#include <QString>

class Database;

// What the clause store asks of the program around it: the connection, and the client and
// year open now. The program's host context is one; it is installed once at start.
class StoreHost
{
public:
    virtual ~StoreHost() = default;

    virtual Database &DBObj() = 0;
    virtual QString Temp_Code() const = 0;
    // "2024" for the year ending 31/03/2024.
    virtual QString yearKey() const = 0;
};

StoreHost &storeHost();
void setStoreHost(StoreHost *host);
