#pragma once

class MasterFile;
class ReportModel;
struct Accountant;
struct PrintChoices;
struct PrintSetup;

// Fills a Form 3CD template: the particulars of Part A by their markers, then each clause
// of Part B into its clause group's table, where a row holding "Annex" and the clause's
// point stands for the clause's answer, rows or fields (in the numeric order of the rows'
// serial column); "AS PER ANNEXURE" where the clause is reported by annexure, its rows
// then filling the annexure table ("$#$ANX"); the remarks where the print setup places
// them ("$#$RMK" for all at the end); the signatures. True when the depreciation clause is
// reported by annexure: its chart is to follow the statement.
namespace TemplateForm3CD
{

bool fill(MasterFile &file, const ReportModel &model, const PrintChoices &choices, const PrintSetup &setup,
          const Accountant &accountant);

} // namespace TemplateForm3CD
