#include "AssesseeParticulars.h"

#include "PrintedValues.h"
#include "catalogue/AssesseeRow.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"

AssesseeParticulars AssesseeParticulars::of(const ReportModel &model)
{
    const bool form3CB = model.formCode() == QLatin1String("3CB");
    const Catalogue::PointRef place =
        AssesseeRow::placeOn(form3CB ? QStringLiteral("3CB") : QStringLiteral("3CA"));
    using namespace AssesseeRow;
    auto col = [&](AssesseeRow::Column c) { return model.value(place.page, place.point, c).trimmed(); };
    AssesseeParticulars a;
    a.name = PrintedValues::joined({col(FirstName), col(MiddleName), col(LastName)}, QStringLiteral(" "));
    a.address = PrintedValues::joined({col(AddressLine1), col(AddressLine2), col(Area), col(PostOffice),
                                       col(District), col(State), col(Pin)},
                                      QStringLiteral(", "));
    if (a.address.isEmpty() && hasHost())
        a.address = host().vAddr_Full();
    a.pan = col(PAN);
    return a;
}

AssesseeParticulars AssesseeParticulars::blank()
{
    return {PrintedValues::BlankValue, PrintedValues::BlankValue, PrintedValues::BlankValue};
}
