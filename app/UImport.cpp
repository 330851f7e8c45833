#include "UImport.h"

#include "FormLook.h"
#include "GridCellStore.h"
#include "ImportedList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <deque>

namespace {

struct TSeparatorChoice {
    char Separator;
    const char* Caption;
};
constexpr std::array<TSeparatorChoice, 3> kSeparatorChoices = {{
    {',', QT_TRANSLATE_NOOP("TFormImport", "Comma (,)")},
    {';', QT_TRANSLATE_NOOP("TFormImport", "Semicolon (;)")},
    {'\t', QT_TRANSLATE_NOOP("TFormImport", "Tab")},
}};

bool IsBlankRecord(const TDelimitedRecord& record)
{
    return std::all_of(record.Fields.begin(), record.Fields.end(), [](std::string_view field) { return field.empty(); });
}

// The first records that hold anything and the last ones after them, with
// their lines, and how many there are.
template <class TShown>
class TFirstAndLastRecords : public TRecordSink {
public:
    TFirstAndLastRecords(std::size_t first, std::size_t last) : firstCount_(first), lastCount_(last) {}
    void Record(const TDelimitedRecord& record) override
    {
        if (IsBlankRecord(record))
            return;
        ++Count;
        if (First.size() < firstCount_)
            return Keep(First.emplace_back(), record);
        if (Last.size() == lastCount_) {
            Last.push_back(std::move(Last.front())); // its room is used again
            Last.pop_front();
        } else {
            Last.emplace_back();
        }
        Keep(Last.back(), record);
    }
    void UnclosedQuote(std::uint64_t) override {}
    void RecordRejected(std::uint64_t, TTextFault) override {} // not shown; the import says why

    std::vector<TShown> First;
    std::deque<TShown> Last;
    std::size_t Count = 0;

private:
    static void Keep(TShown& shown, const TDelimitedRecord& record)
    {
        shown.Line = record.Line;
        shown.Fields.resize(record.Fields.size());
        for (std::size_t i = 0; i < record.Fields.size(); ++i)
            shown.Fields[i].assign(record.Fields[i]);
    }
    std::size_t firstCount_, lastCount_;
};

// A field in one line of the table: each line break a space.
QString OneLine(const std::string& field)
{
    QString text = FromUtf8(field);
    return text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\r'), u' ').replace(QLatin1Char('\n'), u' ');
}

} // namespace

TFormImport::TFormImport(TImportedList& list, QWidget* parent) : QDialog(parent), list_(list)
{
    setWindowTitle(tr("Import list"));
    BuildControls();

    const char detected = list_.IsWorkbook() ? ',' : DetectSeparator(list_.Head());
    for (std::size_t i = 0; i < kSeparatorChoices.size(); ++i)
        if (kSeparatorChoices[i].Separator == detected)
            cbSeparator->setCurrentIndex(int(i));
    for (const std::string& name : list_.SheetNames())
        cbSheet->addItem(FromUtf8(name));
    ReadRecords();
    FillPlateColumns();
    FillPreview();

    // Only the user's own choices come here; each shows at once in the table.
    const auto reread = [this] {
        ReadRecords();
        FillPlateColumns();
        FillPreview();
    };
    connect(cbSeparator, &QComboBox::activated, this, reread);
    connect(cbSheet, &QComboBox::activated, this, [this, reread](int index) {
        if (std::size_t(index) == list_.Sheet())
            return;
        {
            TBusyCursor busy;
            list_.ChooseSheet(std::size_t(index));
        }
        headerChosen_ = plateChosen_ = false; // another sheet, other columns
        reread();
    });
    connect(chkHeader, &QCheckBox::clicked, this, [this] {
        headerChosen_ = true;
        FillPlateColumns();
        FillPreview();
    });
    connect(cbPlateColumn, &QComboBox::activated, this, [this] {
        plateChosen_ = true;
        FillPreview();
    });
    resize(680, 420);
}

void TFormImport::BuildControls()
{
    auto* column = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    LabelSeparator = new QLabel(tr("&Separator:"));
    cbSeparator = new QComboBox;
    for (const TSeparatorChoice& choice : kSeparatorChoices)
        cbSeparator->addItem(tr(choice.Caption));
    LabelSeparator->setBuddy(cbSeparator);
    LabelSheet = new QLabel(tr("Shee&t:"));
    cbSheet = new QComboBox;
    cbSheet->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    LabelSheet->setBuddy(cbSheet);
    chkHeader = new QCheckBox(list_.IsWorkbook() ? tr("First row is a &header") : tr("First line is a &header"));
    auto* plateLabel = new QLabel(tr("&Plate column:"));
    cbPlateColumn = new QComboBox;
    cbPlateColumn->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    plateLabel->setBuddy(cbPlateColumn);
    // A workbook has sheets where a text list has a separator.
    const bool workbook = list_.IsWorkbook();
    for (QWidget* widget : {static_cast<QWidget*>(LabelSeparator), static_cast<QWidget*>(cbSeparator)}) {
        widget->setVisible(!workbook);
        choices->addWidget(widget);
    }
    for (QWidget* widget : {static_cast<QWidget*>(LabelSheet), static_cast<QWidget*>(cbSheet)}) {
        widget->setVisible(workbook);
        choices->addWidget(widget);
    }
    choices->addSpacing(12);
    choices->addWidget(chkHeader);
    choices->addSpacing(12);
    choices->addWidget(plateLabel);
    choices->addWidget(cbPlateColumn);
    choices->addStretch(1);
    column->addLayout(choices);

    Preview = new QTableWidget;
    Preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Preview->setSelectionMode(QAbstractItemView::NoSelection);
    Preview->setFocusPolicy(Qt::NoFocus);
    column->addWidget(Preview, 1);

    const QString name = QFileInfo(list_.FileName()).fileName();
    LabelNote = new QLabel((workbook ? tr("The first and the last records of %1, with their rows. Each plate is computed "
                                          "as File > Open computes it; the other columns follow the computed columns "
                                          "in both tables.")
                                     : tr("The first and the last records of %1, with their lines. Each plate is computed "
                                          "as File > Open computes it; the other columns follow the computed columns "
                                          "in both tables."))
                               .arg(name));
    LabelNote->setWordWrap(true);
    column->addWidget(LabelNote);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(Buttons);
}

TDelimitedListOptions TFormImport::Options() const
{
    TDelimitedListOptions options;
    options.Separator = kSeparatorChoices[std::size_t(std::max(0, cbSeparator->currentIndex()))].Separator;
    options.Header = chkHeader->isChecked();
    options.PlateColumn.Index = std::size_t(std::max(0, cbPlateColumn->currentIndex()));
    return options;
}

void TFormImport::ReadRecords()
{
    TFirstAndLastRecords<TShownRecord> records(kPreviewRecords + 1, kPreviewLastRecords);
    {
        TBusyCursor busy; // a long list is read whole for its last records
        list_.Records(Options().Separator, records);
    }
    first_ = std::move(records.First);
    last_.assign(std::make_move_iterator(records.Last.begin()), std::make_move_iterator(records.Last.end()));
    hidden_ = records.Count - first_.size() - last_.size();
    // A first line that names the plate column is a header.
    if (!first_.empty() && !headerChosen_)
        chkHeader->setChecked(std::any_of(first_.front().Fields.begin(), first_.front().Fields.end(),
                                          [](const std::string& field) { return NamesPlateColumn(field); }));
}

std::vector<std::string> TFormImport::ColumnNames() const
{
    if (first_.empty())
        return {};
    const std::vector<std::string_view> first(first_.front().Fields.begin(), first_.front().Fields.end());
    return ListColumnNames(first, chkHeader->isChecked());
}

void TFormImport::FillPlateColumns()
{
    const std::vector<std::string> names = ColumnNames();
    const int chosen = cbPlateColumn->currentIndex();
    cbPlateColumn->clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = FromUtf8(names[i]);
        cbPlateColumn->addItem(chkHeader->isChecked() ? tr("%1 (column %2)").arg(name).arg(i + 1) : name);
    }
    int index = 0;
    if (plateChosen_ && chosen >= 0 && chosen < int(names.size()))
        index = chosen;
    else if (const auto named = chkHeader->isChecked() ? FindPlateColumn(names) : std::nullopt)
        index = int(*named);
    cbPlateColumn->setCurrentIndex(names.empty() ? -1 : index);
}

void TFormImport::FillPreview()
{
    const std::vector<std::string> names = ColumnNames();
    // The records after the header: the first ones, then the last ones, and
    // between them a row that stands for those not shown.
    std::vector<const TShownRecord*> data;
    for (std::size_t i = chkHeader->isChecked() ? 1 : 0; i < first_.size(); ++i)
        data.push_back(&first_[i]);
    const std::size_t head = std::min<std::size_t>(kPreviewRecords, data.size());
    const std::size_t tail = std::min<std::size_t>(kPreviewLastRecords, data.size() - head + last_.size());
    const std::size_t between = data.size() - head + last_.size() - tail + hidden_;
    for (const TShownRecord& record : last_)
        data.push_back(&record);
    const int rows = int(head + (between > 0 ? 1 : 0) + tail);

    Preview->clear();
    Preview->setColumnCount(int(names.size()));
    Preview->setRowCount(rows);
    const int plate = cbPlateColumn->currentIndex();
    for (std::size_t c = 0; c < names.size(); ++c) {
        auto* header = new QTableWidgetItem(FromUtf8(names[c]));
        if (int(c) == plate) {
            QFont bold = header->font();
            bold.setBold(true);
            header->setFont(bold);
        }
        Preview->setHorizontalHeaderItem(int(c), header);
    }
    int row = 0;
    for (std::size_t i = 0; i < head; ++i, ++row)
        ShowRecord(row, QString::number(data[i]->Line), &data[i]->Fields);
    if (between > 0)
        ShowRecord(row++, QStringLiteral("..."), nullptr);
    for (std::size_t i = data.size() - tail; i < data.size(); ++i, ++row)
        ShowRecord(row, QString::number(data[i]->Line), &data[i]->Fields);
    Preview->resizeColumnsToContents();
}

void TFormImport::ShowRecord(int row, const QString& label, const std::vector<std::string>* fields)
{
    Preview->setVerticalHeaderItem(row, new QTableWidgetItem(label));
    if (!fields)
        return;
    const int plate = cbPlateColumn->currentIndex();
    const QBrush plateBrush = palette().brush(QPalette::AlternateBase);
    for (std::size_t c = 0; c < fields->size() && int(c) < Preview->columnCount(); ++c) {
        auto* item = new QTableWidgetItem(OneLine((*fields)[c]));
        if (int(c) == plate)
            item->setBackground(plateBrush);
        Preview->setItem(row, int(c), item);
    }
}
