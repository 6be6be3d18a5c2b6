#pragma once

#include "model/ReportModel.h"

#include <QString>
#include <QStringList>

// The values of a report page as the front pages print them: names, dates and amounts, and
// the choice words (I/We, my/our ...) in the case the sentence needs; a blank form gets
// "__________" for the former and "__" for the latter.
class PageValues
{
public:
    PageValues(const ReportModel &model, bool blank, int page) : m_model(model), m_blank(blank), m_page(page)
    {
    }

    QString value(const QString &point, int col) const;
    QString word(const QString &point, int col, bool lower = false) const;

    // "31st March, 2024" for a bare year, the text as it stands otherwise.
    static QString balanceSheetDate(const QString &value);

protected:
    const ReportModel &m_model;
    bool m_blank;
    int m_page;
};
