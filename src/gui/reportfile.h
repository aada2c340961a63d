#pragma once

#include <QString>
#include <memory>

class QTextDocument;
class TRunReport;

// Saves a rule run report in the form its file name asks for: a PDF laid out from the HTML report by
// Qt's own text layout and PDF writer, HTML and text as the report writes them. Every form is written
// whole or not at all.
namespace ReportFile
{
// The report as the PDF lays it out.
std::unique_ptr<QTextDocument> Document(const TRunReport& report);
bool Save(const TRunReport& report, const QString& file_name, QString* error);
} // namespace ReportFile
