#include "UDecode.h"

#include "FormKeys.h"
#include "FormLook.h"
#include "PlateCodes.h"
#include "UWG26.h"
#include "zelGrid.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kClientWidth = 560;

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The column of a grid whose header is `header`, or -1 (a grid command may have
// moved or deleted it).
int ColumnOf(const TzelGrid* grid, std::string_view header)
{
    for (int c = 0; c < grid->ColCount(); ++c) {
        if (grid->CellText(c, 0) == header)
            return c;
    }
    return -1;
}

} // namespace

TFormDecode::TFormDecode(TzelGrid* grid26, TzelGrid* grid64, std::function<void(TzelGrid*)> showGrid, QWidget* parent)
    : QDialog(parent, OnTopDialogFlags), grid26_(grid26), grid64_(grid64), showGrid_(std::move(showGrid))
{
    setWindowTitle(QStringLiteral("Decode code"));
    BuildControls();
    CodeChanged();
    // Wide enough for the longest field, the 74 characters of a 64-bit code's bits.
    const QFontMetrics bits(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Values[2]->setMinimumWidth(bits.horizontalAdvance(QString(74, QLatin1Char('0'))) + 4);
    setFixedSize(std::max(kClientWidth, sizeHint().width()), sizeHint().height());
}

void TFormDecode::BuildControls()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(5, 5, 5, 5);
    column->addWidget(new QLabel(QStringLiteral("Code read at the gate (26-bit or 64-bit):")));
    EditCode = new QLineEdit;
    EditCode->setPlaceholderText(QStringLiteral("0x3019E2A, 128/53013 or 0x600002191555EBDB"));
    column->addWidget(EditCode);

    auto* fields = new QGridLayout;
    fields->setColumnMinimumWidth(0, 100);
    fields->setColumnStretch(1, 1);
    for (int i = 0; i < kFieldRows; ++i) {
        Captions[std::size_t(i)] = new QLabel;
        Values[std::size_t(i)] = new QLabel;
        Values[std::size_t(i)]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        fields->addWidget(Captions[std::size_t(i)], i, 0);
        fields->addWidget(Values[std::size_t(i)], i, 1);
    }
    column->addLayout(fields);
    LabelError = new QLabel;
    LabelError->setWordWrap(true);
    LabelError->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warn = LabelError->palette();
    warn.setColor(QPalette::WindowText, ToQColor(WarningTextColor));
    LabelError->setPalette(warn);
    // The error takes the room of the fields, so the window keeps its size.
    fields->addWidget(LabelError, 0, 0, kFieldRows, 2);

    auto* buttons = new QHBoxLayout;
    btnFind = new QPushButton(QStringLiteral("&Find"));
    LabelFound = new QLabel;
    btnClose = new QPushButton(QStringLiteral("&Close"));
    buttons->addWidget(btnFind);
    buttons->addWidget(LabelFound, 1);
    buttons->addWidget(btnClose);
    column->addLayout(buttons);

    // Enter finds, Escape closes.
    auto* keys = new TFormKeys(this);
    keys->SetDefaultButton(btnFind);
    keys->SetCancelButton(btnClose);
    btnFind->setAutoDefault(false);
    btnClose->setAutoDefault(false);
    connect(EditCode, &QLineEdit::textChanged, this, &TFormDecode::CodeChanged);
    connect(btnFind, &QPushButton::clicked, this, &TFormDecode::Find);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormDecode::CodeChanged()
{
    LabelFound->clear();
    const QByteArray text = EditCode->text().toUtf8();
    decoded_.reset();
    if (TrimBlanks(std::string_view(text.constData(), std::size_t(text.size()))).empty()) {
        ShowFields({});
        return;
    }
    try {
        decoded_ = DecodeCode(std::string_view(text.constData(), std::size_t(text.size())));
    } catch (const TDecodeError& e) {
        ShowError(QString::fromUtf8(e.what()));
        return;
    }
    if (const auto* d26 = std::get_if<TWiegand26Decoded>(&*decoded_)) {
        ShowFields({{"Format:", QStringLiteral("Wiegand 26-bit")},
                    {"Frame:", QString::fromLatin1(CodeText(TCodeTable::Wiegand26, d26->Frame))},
                    {"Bits:", Utf8(Wiegand26BitGroups(d26->Frame)), false, true},
                    {"Parity:", Utf8(ParityText(*d26)), !d26->ParityOk()},
                    {"Facility code:", QString::number(d26->FacilityCode)},
                    {"ID number:", QString::number(d26->IdNumber)}});
    } else {
        const auto& d64 = std::get<TWiegand64Decoded>(*decoded_);
        ShowFields({{"Format:", QStringLiteral("Wiegand 64-bit")},
                    {"Code:", QString::fromLatin1(CodeText(TCodeTable::Wiegand64, d64.Code))},
                    {"Bits:", Utf8(Wiegand64BitGroups(d64.Code)), false, true},
                    {"Prefix:", Utf8(PrefixText(d64)), !d64.PrefixOk},
                    {"Number plate:", Utf8(d64.PlateText)}});
    }
}

void TFormDecode::ShowFields(const std::vector<TField>& fields)
{
    LabelError->hide();
    const QFont bits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t i = 0; i < Values.size(); ++i) {
        const bool used = i < fields.size();
        Captions[i]->setText(used ? QString::fromLatin1(fields[i].Caption) : QString());
        Values[i]->setText(used ? fields[i].Value : QString());
        Values[i]->setFont(used && fields[i].Bits ? bits : font());
        QPalette palette = Values[i]->palette();
        palette.setColor(QPalette::WindowText, used && fields[i].Warn ? ToQColor(WarningTextColor)
                                                                      : this->palette().color(QPalette::WindowText));
        Values[i]->setPalette(palette);
        Captions[i]->show();
        Values[i]->show();
    }
    btnFind->setEnabled(!fields.empty());
}

void TFormDecode::ShowError(const QString& reason)
{
    for (std::size_t i = 0; i < Values.size(); ++i) {
        Captions[i]->hide();
        Values[i]->hide();
    }
    LabelError->setText(reason);
    LabelError->show();
    btnFind->setEnabled(false);
}

std::vector<int> TFormDecode::MatchingRows(TzelGrid* grid) const
{
    std::vector<int> rows;
    const auto* d26 = std::get_if<TWiegand26Decoded>(&*decoded_);
    const int col = ColumnOf(grid, d26 ? Wiegand26Headers[1] : Wiegand64Headers[1]);
    if (col < 0)
        return rows;
    // A 26-bit frame is compared by its payload and a 64-bit code by its groups,
    // so that a damaged parity bit or prefix still finds the plate.
    const std::uint64_t key = d26 ? d26->Payload : Wiegand64Groups(std::get<TWiegand64Decoded>(*decoded_).Code);
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) {
        if (grid->RowHeights(r) <= 0)
            continue;
        const std::optional<std::uint64_t> cell = ParseHexCell(grid->CellText(col, r), d26 ? 7 : 16);
        if (cell && (d26 ? Wiegand26Payload(std::uint32_t(*cell)) : Wiegand64Groups(*cell)) == key)
            rows.push_back(r);
    }
    return rows;
}

void TFormDecode::Find()
{
    if (!decoded_)
        return;
    TzelGrid* grid = std::holds_alternative<TWiegand26Decoded>(*decoded_) ? grid26_ : grid64_;
    TBusyCursor busy;
    const std::vector<int> rows = MatchingRows(grid);
    if (rows.empty()) {
        LabelFound->setText(QStringLiteral("no row has this code"));
        return;
    }
    const auto next = std::upper_bound(rows.begin(), rows.end(), grid->Row());
    const auto found = next == rows.end() ? rows.begin() : next;
    if (showGrid_)
        showGrid_(grid);
    grid->SetRow(*found);
    grid->SetSelection(TGridRect{0, *found, grid->ColCount() - 1, *found});
    LabelFound->setText(QStringLiteral("%1 of %2 rows").arg(found - rows.begin() + 1).arg(rows.size()));
}

void TFormDecode::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    EditCode->setFocus();
    EditCode->selectAll();
}
