#include "PrintSetup.h"

#include "model/ReportModel.h"

PrintSetup PrintSetup::read(const ReportModel &model)
{
    if (!model.has(Page, Point))
        return PrintSetup();
    return fromColumns(model.rows(Page, Point).first().cols);
}

PrintSetup PrintSetup::fromColumns(const QStringList &c)
{
    auto tick = [&c](int col) { return c.value(col - 1).trimmed() == QLatin1String("1"); };
    PrintSetup s;
    s.footer = tick(1);
    s.assesseeSign = tick(2);
    s.auditorPan = tick(3);
    s.firmPan = tick(4) && !s.auditorPan;
    s.remarksPlace = qBound(0, c.value(4).trimmed().toInt(), int(AtTheEnd));
    s.remarksHeading = tick(6);
    s.remarksBold = tick(7);
    return s;
}

QStringList PrintSetup::columns() const
{
    auto tick = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return {tick(footer),
            tick(assesseeSign),
            tick(auditorPan),
            tick(firmPan),
            QString::number(remarksPlace),
            tick(remarksHeading),
            tick(remarksBold)};
}
