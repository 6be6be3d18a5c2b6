#pragma once

#include <QString>
#include <xlsxwriter.h>

// The functions of libxlsxwriter that write the annexure workbooks. The library is loaded when
// a workbook is first written, not linked: with the zip and crypto libraries it needs it was
// loaded by every start of the programs, most of which never write one.
struct XlsxWriterLibrary {
    decltype(&format_set_align) formatSetAlign = nullptr;
    decltype(&format_set_bold) formatSetBold = nullptr;
    decltype(&format_set_border) formatSetBorder = nullptr;
    decltype(&format_set_num_format) formatSetNumFormat = nullptr;
    decltype(&format_set_text_wrap) formatSetTextWrap = nullptr;
    decltype(&format_set_underline) formatSetUnderline = nullptr;
    decltype(&lxw_strerror) lxwStrerror = nullptr;
    decltype(&workbook_add_format) workbookAddFormat = nullptr;
    decltype(&workbook_add_worksheet) workbookAddWorksheet = nullptr;
    decltype(&workbook_close) workbookClose = nullptr;
    decltype(&workbook_new) workbookNew = nullptr;
    decltype(&worksheet_data_validation_range) worksheetDataValidationRange = nullptr;
    decltype(&worksheet_freeze_panes) worksheetFreezePanes = nullptr;
    decltype(&worksheet_hide) worksheetHide = nullptr;
    decltype(&worksheet_merge_range) worksheetMergeRange = nullptr;
    decltype(&worksheet_set_column_opt) worksheetSetColumnOpt = nullptr;
    decltype(&worksheet_set_row) worksheetSetRow = nullptr;
    decltype(&worksheet_write_blank) worksheetWriteBlank = nullptr;
    decltype(&worksheet_write_number) worksheetWriteNumber = nullptr;
    decltype(&worksheet_write_string) worksheetWriteString = nullptr;
    // Why the library cannot be used; empty when every function was found.
    QString failure;

    // The library the programs use, loaded on the first call.
    static const XlsxWriterLibrary &instance();
    // The library of this name and major version, loaded now.
    static XlsxWriterLibrary load(const QString &name, int version);
};
