#pragma once

#include <QString>

class Database;

// Enters the department's district, post-office and locality codes of every Indian address
// of the demo year's reports, as the accountant types them: the program has no list of them.
void enterAddressCodes(Database &db);
// The same in the database at an address ("sqlite:FILE"), after `taxaudit demo` made it.
void enterAddressCodes(const QString &address);
