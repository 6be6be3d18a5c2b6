#include "AssesseeRow.h"

#include "ClauseCatalogue.h"

#include <stdexcept>
#include <string>

namespace AssesseeRow
{

int StoredNumber::of(const char *key)
{
    const int number = int(ClauseCatalogue::instance().assesseeColumns().indexOf(QLatin1String(key))) + 1;
    if (number == 0)
        throw std::logic_error(std::string("The catalogue's assessee row has no column ") + key + '.');
    return number;
}

int columnCount()
{
    return int(ClauseCatalogue::instance().assesseeColumns().size());
}

QStringList emptyRow()
{
    return QStringList(columnCount());
}

} // namespace AssesseeRow
