#include "TestWorkbooks.h"

#include "CommandOutput.h"

#include <zip.h>

#include <stdexcept>

std::string ZipBytes(const TZipParts& parts)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = target ? zip_open_from_source(target, ZIP_TRUNCATE, &error) : nullptr;
    if (!archive)
        throw std::runtime_error(zip_error_strerror(&error));
    zip_source_keep(target);
    for (const auto& [name, content] : parts) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) : -1;
        if (index < 0)
            throw std::runtime_error(zip_strerror(archive));
        // An OpenDocument file keeps its "mimetype" uncompressed, to be told by its first bytes.
        if (name == "mimetype")
            zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write the ZIP archive");
    zip_stat_t stat;
    zip_source_stat(target, &stat);
    std::string bytes(stat.size, '\0');
    zip_source_open(target);
    zip_source_read(target, bytes.data(), bytes.size());
    zip_source_close(target);
    zip_source_free(target);
    return bytes;
}

namespace {

const char* const kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const kRelationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const kPackageRelationships = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string Relationship(const std::string& id, const std::string& type, const std::string& target)
{
    return "<Relationship Id=\"" + id + "\" Type=\"" + kRelationships + "/" + type + "\" Target=\"" + target + "\"/>";
}

} // namespace

TZipParts XlsxParts(const std::vector<TXlsxSheet>& sheets, const std::string& sharedItems,
                    const std::string& numberFormats, const std::string& cellFormats)
{
    std::string list, rels;
    TZipParts parts = {
        {"[Content_Types].xml", "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                "content-types\"><Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"_rels/.rels", std::string("<?xml version=\"1.0\"?><Relationships xmlns=\"") + kPackageRelationships + "\">" +
                            Relationship("rId1", "officeDocument", "xl/workbook.xml") + "</Relationships>"},
    };
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        list += "<sheet name=\"" + sheets[i].Name + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += Relationship("rId" + n, "worksheet", "worksheets/sheet" + n + ".xml");
        parts.push_back({"xl/worksheets/sheet" + n + ".xml", std::string("<?xml version=\"1.0\"?><worksheet xmlns=\"") +
                                                                 kMain + "\"><sheetData>" + sheets[i].Data +
                                                                 "</sheetData></worksheet>"});
    }
    rels += Relationship("rIdS", "sharedStrings", "sharedStrings.xml") + Relationship("rIdT", "styles", "styles.xml");
    parts.push_back({"xl/workbook.xml", std::string("<?xml version=\"1.0\"?><workbook xmlns=\"") + kMain +
                                            "\" xmlns:r=\"" + kRelationships + "\"><sheets>" + list +
                                            "</sheets></workbook>"});
    parts.push_back({"xl/_rels/workbook.xml.rels",
                     std::string("<?xml version=\"1.0\"?><Relationships xmlns=\"") + kPackageRelationships + "\">" +
                         rels + "</Relationships>"});
    parts.push_back({"xl/sharedStrings.xml",
                     std::string("<?xml version=\"1.0\"?><sst xmlns=\"") + kMain + "\">" + sharedItems + "</sst>"});
    parts.push_back({"xl/styles.xml", std::string("<?xml version=\"1.0\"?><styleSheet xmlns=\"") + kMain +
                                          "\"><numFmts>" + numberFormats + "</numFmts><cellXfs>" + cellFormats +
                                          "</cellXfs></styleSheet>"});
    return parts;
}

TZipParts OdsParts(const std::string& tables)
{
    return {
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"content.xml",
         "<?xml version=\"1.0\"?><office:document-content "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>" +
             tables + "</office:spreadsheet></office:body></office:document-content>"},
    };
}

std::vector<std::string> OpenpyxlCells(const std::string& path)
{
    const std::string command = "/usr/bin/python3 -c 'import sys, openpyxl\n"
                                "sheet = openpyxl.load_workbook(sys.argv[1]).active\n"
                                "for row in sheet.iter_rows():\n"
                                "    print(\"|\".join(c.data_type + \":\" + str(c.value) for c in row))\n"
                                "print(sheet.title, sheet.freeze_panes, sheet[\"A1\"].font.b)' \"" +
                                path + "\"";
    const std::string out = CommandOutput(command);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(out.substr(start, end - start));
    return lines;
}
