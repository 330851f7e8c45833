#pragma once
// TFormImport, the dialog of File > Import list ...: the first records of a
// delimited list as a table, with the separator, whether the first line is a
// header and the column that holds the plate, each preselected from the list and
// open to change before the list is computed.

#include "DelimitedPlateList.h"

#include <QDialog>

#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

class TFormImport : public QDialog {
    Q_OBJECT
public:
    // `utf8` is the list's whole text; only its first records are shown.
    TFormImport(std::string_view utf8, const QString& fileName, QWidget* parent = nullptr);

    // The list as it is to be read.
    TDelimitedListOptions Options() const;

    static constexpr int kPreviewRecords = 8;

    QComboBox* cbSeparator = nullptr;
    QCheckBox* chkHeader = nullptr;
    QComboBox* cbPlateColumn = nullptr;
    QTableWidget* Preview = nullptr;
    QLabel* LabelNote = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void BuildControls(const QString& fileName);
    // Reads the first records again with the separator chosen.
    void ReadHead();
    // The plate column's choices from the records; preselected unless the user chose.
    void FillPlateColumns();
    void FillPreview();
    std::vector<std::string> ColumnNames() const;

    std::string head_; // the beginning of the list
    std::vector<std::vector<std::string>> records_; // its first records
    bool headerChosen_ = false; // the user set "First line is a header"
    bool plateChosen_ = false;  // the user picked the plate column
};
