#pragma once
// TFormImport, the dialog of File > Import list ...: the first and the last
// records of a list as a table, numbered by their lines (or a workbook's rows),
// with the separator (or the workbook's sheet), whether the first line is a
// header and the column that holds the plate, each preselected from the list
// and open to change before the list is computed.

#include "DelimitedPlateList.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;
class TImportedList;

class TFormImport : public QDialog {
    Q_OBJECT
public:
    TFormImport(TImportedList& list, QWidget* parent = nullptr);

    // The list as it is to be read.
    TDelimitedListOptions Options() const;

    static constexpr int kPreviewRecords = 8;     // the first records shown
    static constexpr int kPreviewLastRecords = 3; // and the last

    QLabel* LabelSeparator = nullptr;
    QComboBox* cbSeparator = nullptr;
    QLabel* LabelSheet = nullptr;
    QComboBox* cbSheet = nullptr; // a workbook's sheets, in place of the separator
    QCheckBox* chkHeader = nullptr;
    QComboBox* cbPlateColumn = nullptr;
    QTableWidget* Preview = nullptr;
    QLabel* LabelNote = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    struct TShownRecord {
        std::uint64_t Line;
        std::vector<std::string> Fields;
    };
    void BuildControls();
    // Reads the first and last records again, with the separator or sheet chosen.
    void ReadRecords();
    // The plate column's choices from the records; preselected unless the user chose.
    void FillPlateColumns();
    void FillPreview();
    void ShowRecord(int row, const QString& label, const std::vector<std::string>* fields);
    std::vector<std::string> ColumnNames() const;

    TImportedList& list_;
    std::vector<TShownRecord> first_; // the first records, the header among them
    std::vector<TShownRecord> last_;  // the last ones, after those
    std::size_t hidden_ = 0;          // the records between them
    bool headerChosen_ = false; // the user set "First line is a header"
    bool plateChosen_ = false;  // the user picked the plate column
};
