#include "UDecode.h"

#include "Blanks.h"
#include "FormKeys.h"
#include "FormLook.h"
#include "GridCellStore.h"
#include "PlateCodes.h"
#include "UWG26.h"
#include "zelGrid.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QScreen>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kClientWidth = 560;

// A value the mouse can select and copy; an empty one offers nothing, so it takes
// no focus (and is no unnamed control for a screen reader).
void SetSelectableText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setTextInteractionFlags(text.isEmpty() ? Qt::NoTextInteraction : Qt::TextSelectableByMouse);
}

// The decoder's sentence in the window's language, its values filled in.
QString Translated(const TDecodeError& error)
{
    const QString text = QCoreApplication::translate("TDecodeError", error.Sentence());
    QStringList values;
    for (const std::string& value : error.Values())
        values << QString::fromUtf8(value);
    // All at once, so that a value is never read for a place of its own.
    switch (values.size()) {
    case 0: return text;
    case 1: return text.arg(values[0]);
    default: return text.arg(values[0], values[1]);
    }
}

// Room left between the found row and this window when the window moves.
constexpr int kClearance = 4;

} // namespace

TFormDecode::TFormDecode(TzelGrid* grid26, TzelGrid* grid64, std::function<void(TzelGrid*)> showGrid, QWidget* parent)
    : QDialog(parent, OnTopDialogFlags), grid26_(grid26), grid64_(grid64), showGrid_(std::move(showGrid))
{
    setWindowTitle(tr("Decode code"));
    BuildControls();
    CodeChanged();
    // Wide enough for the longest field, the 74 characters of a 64-bit code's
    // bits across both value columns, and so for two 26-bit readings side by side.
    const QFontMetrics bits(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const int widest = bits.horizontalAdvance(QString(74, QLatin1Char('0'))) + 4;
    fields_->setColumnMinimumWidth(1, (widest + 1) / 2);
    fields_->setColumnMinimumWidth(2, (widest + 1) / 2);
    setFixedSize(std::max(kClientWidth, sizeHint().width()), sizeHint().height());
}

void TFormDecode::BuildControls()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(5, 5, 5, 5);
    auto* codeLabel = new QLabel(tr("Code read at the gate (26-bit or 64-bit):"));
    column->addWidget(codeLabel);
    EditCode = new QLineEdit;
    codeLabel->setBuddy(EditCode); // the field's name for a screen reader
    EditCode->setPlaceholderText(tr("0x3019E2A, 128/53013 or 0x600002191555EBDB"));
    column->addWidget(EditCode);

    fields_ = new QGridLayout;
    fields_->setColumnMinimumWidth(0, 100);
    fields_->setColumnStretch(1, 1);
    fields_->setColumnStretch(2, 1);
    for (int i = 0; i < kFieldRows; ++i) {
        Captions[std::size_t(i)] = new QLabel;
        fields_->addWidget(Captions[std::size_t(i)], i, 0);
        for (auto* labels : {&Values, &OtherValues}) {
            // Owned by the window from the start: the second reading's labels join
            // the layout only when an input reads two ways.
            QLabel* value = new QLabel(this);
            value->hide();
            (*labels)[std::size_t(i)] = value;
        }
        fields_->addWidget(Values[std::size_t(i)], i, 1, 1, 2);
    }
    column->addLayout(fields_);
    LabelError = new QLabel;
    LabelError->setWordWrap(true);
    LabelError->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warn = LabelError->palette();
    warn.setColor(QPalette::WindowText, WarningTextOn(palette().color(QPalette::Window)));
    LabelError->setPalette(warn);
    // The error takes the room of the fields, so the window keeps its size.
    fields_->addWidget(LabelError, 0, 0, kFieldRows, 3);

    auto* buttons = new QHBoxLayout;
    btnFind = new QPushButton(tr("&Find"));
    LabelFound = new QLabel;
    LabelFoundPlate = new QLabel;
    QFont plateFont = LabelFoundPlate->font();
    plateFont.setBold(true);
    LabelFoundPlate->setFont(plateFont);
    btnClose = new QPushButton(tr("&Close"));
    buttons->addWidget(btnFind);
    buttons->addWidget(LabelFound);
    buttons->addWidget(LabelFoundPlate, 1);
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

void TFormDecode::ClearFound()
{
    LabelFound->clear();
    SetSelectableText(LabelFoundPlate, QString());
}

void TFormDecode::CodeChanged()
{
    ClearFound();
    const QByteArray text = EditCode->text().toUtf8();
    const std::string_view code(text.constData(), std::size_t(text.size()));
    readings_.clear();
    if (TrimBlanks(code).empty()) {
        ShowFields({}, {});
        return;
    }
    try {
        readings_ = ReadCode(code);
    } catch (const TDecodeError& e) {
        ShowError(Translated(e));
        return;
    }
    // Both readings of an ambiguous input are of one kind, so they share the captions.
    const bool two = readings_.size() > 1 && readings_[1].Decoded.index() == readings_[0].Decoded.index();
    ShowFields(FieldsOf(readings_[0]), two ? FieldsOf(readings_[1]) : std::vector<TField>{});
}

std::vector<TFormDecode::TField> TFormDecode::FieldsOf(const TCodeReading& reading)
{
    const QString format = FromUtf8(ReadAsText(reading.As));
    if (const auto* d26 = std::get_if<TWiegand26Decoded>(&reading.Decoded)) {
        return {{QT_TR_NOOP("Format:"), format},
                {QT_TR_NOOP("Frame:"), QString::fromLatin1(CodeText(TCodeTable::Wiegand26, d26->Frame))},
                {QT_TR_NOOP("Bits:"), FromUtf8(Wiegand26BitGroups(d26->Frame)), false, true},
                {QT_TR_NOOP("Parity:"), FromUtf8(ParityText(*d26)), !d26->ParityOk()},
                {QT_TR_NOOP("Facility code:"), QString::number(d26->FacilityCode)},
                {QT_TR_NOOP("ID number:"), QString::number(d26->IdNumber)}};
    }
    const auto& d64 = std::get<TWiegand64Decoded>(reading.Decoded);
    return {{QT_TR_NOOP("Format:"), format},
            {QT_TR_NOOP("Code:"), QString::fromLatin1(CodeText(TCodeTable::Wiegand64, d64.Code))},
            {QT_TR_NOOP("Bits:"), FromUtf8(Wiegand64BitGroups(d64.Code)), false, true},
            {QT_TR_NOOP("Prefix:"), FromUtf8(PrefixText(d64)), !d64.PrefixOk},
            {QT_TR_NOOP("Number plate:"), FromUtf8(d64.PlateText)}};
}

void TFormDecode::ShowFields(const std::vector<TField>& fields, const std::vector<TField>& other)
{
    LabelError->hide();
    // One reading takes both value columns; a second reading stands beside the first.
    const bool two = !other.empty();
    for (int i = 0; i < kFieldRows; ++i) {
        QLabel* value = Values[std::size_t(i)];
        fields_->removeWidget(value);
        fields_->addWidget(value, i, 1, 1, two ? 1 : 2);
        if (two)
            fields_->addWidget(OtherValues[std::size_t(i)], i, 2);
        else
            fields_->removeWidget(OtherValues[std::size_t(i)]);
        const bool used = std::size_t(i) < fields.size();
        Captions[std::size_t(i)]->setText(used ? tr(fields[std::size_t(i)].Caption) : QString());
        Captions[std::size_t(i)]->show();
    }
    ShowValues(Values, fields);
    ShowValues(OtherValues, other);
    for (QLabel* value : OtherValues)
        value->setVisible(two);
    btnFind->setEnabled(!fields.empty());
    QStringList said;
    for (const std::vector<TField>* reading : {&fields, &other})
        if (!reading->empty())
            said << Spoken(*reading);
    Announce(said.join(tr("; or ")));
}

QString TFormDecode::Spoken(const std::vector<TField>& fields)
{
    // The fields as one sentence; the bits, read one by one, would drown the rest.
    QStringList parts;
    for (const TField& field : fields)
        if (!field.Bits)
            parts << QString::fromLatin1(field.Caption) + QLatin1Char(' ') + field.Value;
    return parts.join(QStringLiteral(", "));
}

void TFormDecode::Announce(const QString& text)
{
    // The field's description changes with its result: a screen reader reads it
    // while the focus stays in the field.
    EditCode->setAccessibleDescription(text);
}

void TFormDecode::ShowValues(std::array<QLabel*, kFieldRows>& labels, const std::vector<TField>& fields)
{
    const QFont bits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const bool used = i < fields.size();
        SetSelectableText(labels[i], used ? fields[i].Value : QString());
        labels[i]->setFont(used && fields[i].Bits ? bits : font());
        QPalette palette = labels[i]->palette();
        const QColor back = this->palette().color(QPalette::Window);
        palette.setColor(QPalette::WindowText, used && fields[i].Warn ? WarningTextOn(back)
                                                                      : this->palette().color(QPalette::WindowText));
        labels[i]->setPalette(palette);
        labels[i]->show();
    }
}

void TFormDecode::ShowError(const QString& reason)
{
    for (std::size_t i = 0; i < Values.size(); ++i) {
        Captions[i]->hide();
        Values[i]->hide();
        OtherValues[i]->hide();
    }
    LabelError->setText(reason);
    LabelError->show();
    btnFind->setEnabled(false);
    Announce(reason);
}

std::vector<int> TFormDecode::MatchingRows(TzelGrid* grid) const
{
    std::vector<int> rows;
    const bool is26 = grid == grid26_;
    const TResultColumn& code = ResultTable(is26 ? TCodeTable::Wiegand26 : TCodeTable::Wiegand64).Code();
    // No column when a grid command moved or deleted it.
    const int col = grid->HeaderColumn(code.Header);
    if (col < 0)
        return rows;
    // A 26-bit frame is compared by its payload and a 64-bit code by its groups,
    // so that a damaged parity bit or prefix still finds the plate.
    std::vector<std::uint64_t> keys;
    for (const TCodeReading& reading : readings_)
        if (std::holds_alternative<TWiegand26Decoded>(reading.Decoded) == is26)
            keys.push_back(SearchKey(reading.Decoded));
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) {
        if (grid->RowHeights(r) <= 0)
            continue;
        const std::optional<std::uint64_t> cell = ParseHexCell(grid->CellText(col, r), code.HexDigits);
        if (!cell)
            continue;
        const std::uint64_t key = is26 ? Wiegand26Payload(std::uint32_t(*cell)) : Wiegand64Groups(*cell);
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            rows.push_back(r);
    }
    return rows;
}

void TFormDecode::Find()
{
    if (readings_.empty())
        return;
    TzelGrid* grid = std::holds_alternative<TWiegand26Decoded>(readings_.front().Decoded) ? grid26_ : grid64_;
    TBusyCursor busy;
    const std::vector<int> rows = MatchingRows(grid);
    if (rows.empty()) {
        LabelFound->setText(tr("no row has this code"));
        SetSelectableText(LabelFoundPlate, QString());
        Announce(LabelFound->text());
        return;
    }
    const auto next = std::upper_bound(rows.begin(), rows.end(), grid->Row());
    const auto found = next == rows.end() ? rows.begin() : next;
    if (showGrid_)
        showGrid_(grid);
    grid->SetRow(*found);
    grid->SetSelection(TGridRect{0, *found, grid->ColCount() - 1, *found});
    KeepClearOf(grid, *found);
    LabelFound->setText(tr("%1 of %n rows", "", int(rows.size())).arg(found - rows.begin() + 1));
    const int plateCol = std::max(0, grid->HeaderColumn(kWiegand26Columns[Wiegand26Column::Plate].Header));
    SetSelectableText(LabelFoundPlate, grid->Cells(plateCol, *found));
    Announce(LabelFound->text() + QStringLiteral(": ") + LabelFoundPlate->text());
}

void TFormDecode::KeepClearOf(TzelGrid* grid, int row)
{
    QWidget* view = grid->viewport();
    const auto rowOnScreen = [&] {
        const QRect cell = grid->CellRect(grid->LeftCol(), row);
        return cell.isEmpty() ? QRect() : QRect(view->mapToGlobal(QPoint(0, cell.top())), QSize(view->width(), cell.height()));
    };
    const QRect window = frameGeometry();
    if (!rowOnScreen().intersects(window))
        return;
    // The bands of the view above and below this window, the larger one first.
    const int headerBottom = grid->CellRect(grid->LeftCol(), 0).bottom() + 1;
    const int windowTop = view->mapFromGlobal(window.topLeft()).y();
    const int windowBottom = view->mapFromGlobal(window.bottomLeft()).y() + 1;
    std::pair<int, int> above{headerBottom, windowTop}, below{windowBottom, view->height()};
    if (above.second - above.first < below.second - below.first)
        std::swap(above, below);
    for (const auto& [top, bottom] : {above, below})
        if (grid->ScrollRowInto(row, top, bottom))
            return;
    // The grid cannot scroll the row clear (its rows all fit, or this window
    // covers the view): this window moves below the row, or else above it.
    const QRect shown = rowOnScreen();
    const QRect screenArea = screen()->availableGeometry();
    if (shown.bottom() + kClearance + window.height() <= screenArea.bottom())
        move(window.left(), shown.bottom() + 1 + kClearance);
    else if (shown.top() - kClearance - window.height() >= screenArea.top())
        move(window.left(), shown.top() - kClearance - window.height());
}

void TFormDecode::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    EditCode->setFocus();
    EditCode->selectAll();
}
