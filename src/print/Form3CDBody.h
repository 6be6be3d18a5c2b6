#pragma once

class ReportModel;
class ReportWriter;
struct PrintChoices;
struct PrintSetup;
struct Accountant;

// The statement of particulars, Form 3CD: Part A (clauses 1 to 8a) and Part B (clauses 9
// to 44) in the order and wording of the clause catalogue, each clause with its answer,
// its table in the numeric order of the rows' serial column, "AS PER ANNEXURE" where the
// clause is reported by annexure (its rows then follow in the annexure at the end), and
// the remarks where the print setup places them; then the signature.
namespace Form3CDBody
{

void write(ReportWriter &writer, const ReportModel &model, const PrintChoices &choices,
           const PrintSetup &setup, const Accountant &accountant);

} // namespace Form3CDBody
