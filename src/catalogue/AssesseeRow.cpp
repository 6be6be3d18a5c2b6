#include "AssesseeRow.h"

#include "ClauseCatalogue.h"

#include <stdexcept>
#include <string>

namespace AssesseeRow
{

Column::operator int() const
{
    if (m_number == 0) {
        m_number = int(ClauseCatalogue::instance().assesseeColumns().indexOf(QLatin1String(m_key))) + 1;
        if (m_number == 0)
            throw std::logic_error(std::string("The catalogue's assessee row has no column ") + m_key + '.');
    }
    return m_number;
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
