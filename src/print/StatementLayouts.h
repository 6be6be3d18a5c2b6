#pragma once

#include "FinancialStatements.h"
#include "StatementText.h"

class ReportWriter;

// The six printed statements, each written into a report the caller has started.
namespace StatementLayouts
{

void balanceSheetHorizontal(ReportWriter &writer, const FinancialStatements::Books &books);
void balanceSheetVertical(ReportWriter &writer, const FinancialStatements::Books &books);
void balanceSheetSchVi(ReportWriter &writer, const FinancialStatements::Books &books);
void profitLossHorizontal(ReportWriter &writer, const FinancialStatements::Books &books);
void profitLossVertical(ReportWriter &writer, const FinancialStatements::Books &books);
void profitLossSchVi(ReportWriter &writer, const FinancialStatements::Books &books);

// The notes of the Schedule III balance sheet: the profit and loss account's notes are
// numbered after them.
QList<StatementText::Note> balanceSheetNotes(const FinancialStatements::Books &books);

} // namespace StatementLayouts
