#pragma once

class QTextDocument;
class QTextTableFormat;

// Keeps the rows of the report's ruled tables whole across pages. The text layout breaks
// a row of several lines at the foot of a page, leaving part of it on each page (and the
// PDF holding lines drawn outside their page's clip); a row that would be broken starts
// the rest of its table on the next page instead. A row taller than a page is left to
// be broken.
namespace RowPagination
{

// Marks a table whose rows are kept whole (the tables the report's rows are written into).
void keepRowsWhole(QTextTableFormat &format);

// Splits the marked tables of the document, laid out on its page size, before each row
// that would cross a page's foot.
void paginate(QTextDocument &document);

} // namespace RowPagination
