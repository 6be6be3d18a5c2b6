#pragma once

#include "store/ClauseStore.h"

#include <QList>
#include <QString>

class Database;

// The old report wizard kept one answer a question in `anex3cd_main` (by its serial number)
// and the books of account in `anex3cd_books`. These turn a client's wizard answers of a
// year into clause rows at the places the wizard's map gives (catalogue/WizardMap.h).
namespace WizardAnswers
{

// The clause rows the wizard's answers give; empty when it has none for the client and year.
QList<ClauseStore::ClauseRow> rows(Database &db, const QString &client, const QString &yearKey);

} // namespace WizardAnswers
