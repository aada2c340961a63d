// The parameter settings reader: an XML document with one element per parameter.
#include "parameters.h"
#include "xmlfile.h"

#include <QDomNode>

bool TParameters::Load_XML_File(const QString& file_name)
{
    try
    {
        TXmlFile xml_file;
        xml_file.Set_File_Name(file_name);
        xml_file.Open(QStringLiteral("ZIDParameterSettings"), nullptr, true);

        int running_number = 1;
        QDomNode entry = xml_file.GetFirstNode(xml_file.Root_Node(), false);
        while (!entry.isNull())
        {
            TParameter record;
            record.key = entry.nodeName();
            record.type = TYPE_TEXT;

            QStringList values;
            QDomNode child = xml_file.GetFirstNode(&entry, true);
            while (!child.isNull())
            {
                if (child.isComment())
                {
                    record.description = child.nodeValue().trimmed();
                }
                else if (!child.isText())
                {
                    values.append(xml_file.ReadTextNode(&child, true));
                }
                child = xml_file.GetSiblingNode(&child, true);
            }

            if (!values.isEmpty())
            {
                record.text_values = values;
                record.number = running_number++;
                Add_Parameter(Convert_From_Text(record));
            }
            entry = xml_file.GetSiblingNode(&entry, true);
        }
    }
    catch (const TXmlFileException& exception)
    {
        d_last_error = exception.ErrorText();
        return false;
    }
    return true;
}
