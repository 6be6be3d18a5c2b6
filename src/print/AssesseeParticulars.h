#pragma once

#include <QString>

class ReportModel;

// The assessee as the printed report names him: from the report page's assessee row
// ("3CA1A" or "3CBPT1A"), the host's full address when the row has none.
struct AssesseeParticulars {
    QString name;
    QString address;
    QString pan;

    static AssesseeParticulars of(const ReportModel &model);
    // Every particular "__________", for a blank form.
    static AssesseeParticulars blank();
};
