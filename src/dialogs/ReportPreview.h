#pragma once

class ReportEngine;
class QWidget;

// The report engine's window: a print preview of the finished report, from which the user
// prints it or saves it as a PDF file.
namespace ReportPreview
{

void show(ReportEngine &engine, QWidget *parent = nullptr);

// Makes the preview the report engine's window for every report the program shows, over
// the window that is active then.
void install();

} // namespace ReportPreview
