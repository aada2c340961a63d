#include "reportfile.h"

#include "filebytes.h"
#include "runreport.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace
{
bool Write_Pdf(const TRunReport& report, const QString& file_name, QString* error)
{
    return FileBytes::Write_Atomically(
        file_name,
        [&report](QIODevice* device)
        {
            // The writer finishes the file when the document's painter ends, before the file is
            // committed.
            QPdfWriter writer(device);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(15.0, 15.0, 15.0, 15.0), QPageLayout::Millimeter);
            writer.setTitle(TRunReport::tr("Rule Report: %1").arg(report.Group()));
            writer.setCreator(QStringLiteral("Vantrel"));
            ReportFile::Document(report)->print(&writer);
            return true;
        },
        error);
}
} // namespace

std::unique_ptr<QTextDocument> ReportFile::Document(const TRunReport& report)
{
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(report.Html());
    return document;
}

bool ReportFile::Save(const TRunReport& report, const QString& file_name, QString* error)
{
    const TRunReport::TFormat format = TRunReport::Format_Of_File(file_name);
    if (format == TRunReport::FORMAT_PDF)
    {
        return Write_Pdf(report, file_name, error);
    }
    if (!report.Write(file_name, format))
    {
        *error = report.Last_Error();
        return false;
    }
    return true;
}
