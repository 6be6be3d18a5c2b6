#pragma once

#include "spreadsheet/AnnexureSheet.h"

class ReportEngine;

// The annexure window's print: the client's name and address, the clause's caption and the
// sheet's shown columns (the user's own among them), tick cells as a tick mark, on the wide
// page when the sheet has many columns.
namespace AnnexureReport
{

struct Heading {
    QString clientName;
    QString clientAddress;
    QString caption; // "9a. " and the clause's caption
    QString yearKey; // for the footer's assessment year; empty for none
};

void build(ReportEngine &engine, const Heading &heading, const AnnexureSheet &sheet);

} // namespace AnnexureReport
