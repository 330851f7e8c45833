#pragma once
// A list chosen with File > Import list ...: delimited text as a spreadsheet
// exports it, or a workbook (.xlsx or .ods, told by its content) of which one
// sheet is read. Either gives its records as often as asked, to the dialog's
// preview and then to the import; a workbook's sheet is read from the file once,
// a text list is decoded from its bytes each time (a record that is not text
// in its encoding is rejected). Any other file that is not text is refused.

#include "DelimitedPlateList.h"
#include "RecordTable.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TWorkbook;

class TImportedList {
    Q_DECLARE_TR_FUNCTIONS(TImportedList)
public:
    // Reads the file. Throws std::runtime_error with the window's message when
    // it cannot be read or is no list.
    explicit TImportedList(const QString& fileName);
    ~TImportedList();

    const QString& FileName() const { return fileName_; }
    bool IsWorkbook() const { return workbook_ != nullptr; }
    // A workbook's sheets that hold cells; none for text.
    const std::vector<std::string>& SheetNames() const { return sheets_; }
    std::size_t Sheet() const { return sheet_; }
    // Reads another sheet of the workbook. Throws std::runtime_error.
    void ChooseSheet(std::size_t index);

    // The beginning of a text list, from which its separator is told.
    std::string_view Head() const;
    // The records: a text parsed with `separator`, or the sheet's rows.
    void Records(char separator, TRecordSink& sink) const;
    // The records' plates as the options say, to `sink`. Throws TListColumnError.
    void ReadPlates(const TDelimitedListOptions& options, TListPlateSink& sink) const;

private:
    [[noreturn]] void Fail(const QString& why) const;

    QString fileName_;
    std::string bytes_; // a text list, as the file holds it
    std::string head_;  // its beginning, decoded to UTF-8
    std::unique_ptr<TWorkbook> workbook_;
    std::vector<std::string> sheets_;
    std::size_t sheet_ = 0;
    TRecordTable rows_; // the sheet's
};
