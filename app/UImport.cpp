#include "UImport.h"

#include "GridCellStore.h"

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

namespace {

// How much of the list the dialog reads: its first records, whatever its size.
constexpr std::size_t kHeadBytes = 64 * 1024;

struct TSeparatorChoice {
    char Separator;
    const char* Caption;
};
constexpr std::array<TSeparatorChoice, 3> kSeparatorChoices = {{
    {',', "Comma (,)"},
    {';', "Semicolon (;)"},
    {'\t', "Tab"},
}};

// The first records that hold anything, as texts.
class TFirstRecords : public TRecordSink {
public:
    explicit TFirstRecords(std::size_t count) : count_(count) {}
    void Record(const TDelimitedRecord& record) override
    {
        const bool blank = std::all_of(record.Fields.begin(), record.Fields.end(),
                                       [](std::string_view field) { return field.empty(); });
        if (records.size() < count_ && !blank)
            records.emplace_back(record.Fields.begin(), record.Fields.end());
    }
    void UnclosedQuote(std::uint64_t) override {}
    std::vector<std::vector<std::string>> records;

private:
    std::size_t count_;
};

} // namespace

TFormImport::TFormImport(std::string_view utf8, const QString& fileName, QWidget* parent)
    : QDialog(parent), head_(utf8.substr(0, kHeadBytes))
{
    setWindowTitle(QStringLiteral("Import list"));
    BuildControls(fileName);

    const char detected = DetectSeparator(head_);
    for (std::size_t i = 0; i < kSeparatorChoices.size(); ++i)
        if (kSeparatorChoices[i].Separator == detected)
            cbSeparator->setCurrentIndex(int(i));
    ReadHead();
    FillPlateColumns();
    FillPreview();

    // Only the user's own choices come here; each shows at once in the table.
    connect(cbSeparator, &QComboBox::activated, this, [this] {
        ReadHead();
        FillPlateColumns();
        FillPreview();
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
    resize(680, 400);
}

void TFormImport::BuildControls(const QString& fileName)
{
    auto* column = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    auto* separatorLabel = new QLabel(QStringLiteral("&Separator:"));
    cbSeparator = new QComboBox;
    for (const TSeparatorChoice& choice : kSeparatorChoices)
        cbSeparator->addItem(QString::fromLatin1(choice.Caption));
    separatorLabel->setBuddy(cbSeparator);
    chkHeader = new QCheckBox(QStringLiteral("First line is a &header"));
    auto* plateLabel = new QLabel(QStringLiteral("&Plate column:"));
    cbPlateColumn = new QComboBox;
    cbPlateColumn->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    plateLabel->setBuddy(cbPlateColumn);
    choices->addWidget(separatorLabel);
    choices->addWidget(cbSeparator);
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
    Preview->verticalHeader()->setVisible(false);
    column->addWidget(Preview, 1);

    LabelNote = new QLabel(QStringLiteral("The first records of %1. Each plate is computed as File > Open computes "
                                          "it; the other columns follow the computed columns in both tables.")
                               .arg(QFileInfo(fileName).fileName()));
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

void TFormImport::ReadHead()
{
    TFirstRecords first(kPreviewRecords + 1);
    TDelimitedParser parser(first, Options().Separator);
    parser.Text(head_);
    parser.End();
    records_ = std::move(first.records);
    // A first line that names the plate column is a header.
    if (!records_.empty() && !headerChosen_)
        chkHeader->setChecked(std::any_of(records_.front().begin(), records_.front().end(),
                                          [](const std::string& field) { return NamesPlateColumn(field); }));
}

std::vector<std::string> TFormImport::ColumnNames() const
{
    if (records_.empty())
        return {};
    const std::vector<std::string_view> first(records_.front().begin(), records_.front().end());
    return ListColumnNames(first, chkHeader->isChecked());
}

void TFormImport::FillPlateColumns()
{
    const std::vector<std::string> names = ColumnNames();
    const int chosen = cbPlateColumn->currentIndex();
    cbPlateColumn->clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = FromUtf8(names[i]);
        cbPlateColumn->addItem(chkHeader->isChecked() ? QStringLiteral("%1 (column %2)").arg(name).arg(i + 1) : name);
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
    const int plate = cbPlateColumn->currentIndex();
    const std::size_t first = chkHeader->isChecked() ? 1 : 0;
    const std::size_t rows = std::min<std::size_t>(kPreviewRecords, records_.size() - std::min(first, records_.size()));
    Preview->clear();
    Preview->setColumnCount(int(names.size()));
    Preview->setRowCount(int(rows));
    for (std::size_t c = 0; c < names.size(); ++c) {
        auto* header = new QTableWidgetItem(FromUtf8(names[c]));
        if (int(c) == plate) {
            QFont bold = header->font();
            bold.setBold(true);
            header->setFont(bold);
        }
        Preview->setHorizontalHeaderItem(int(c), header);
    }
    const QBrush plateBrush = palette().brush(QPalette::AlternateBase);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::vector<std::string>& record = records_[first + r];
        for (std::size_t c = 0; c < names.size() && c < record.size(); ++c) {
            QString text = FromUtf8(record[c]);
            text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\r'), u' ').replace(QLatin1Char('\n'), u' ');
            auto* item = new QTableWidgetItem(text);
            if (int(c) == plate)
                item->setBackground(plateBrush);
            Preview->setItem(int(r), int(c), item);
        }
    }
    Preview->resizeColumnsToContents();
}
