#include "UMain.h"

#include "AdvEdit.h"
#include "AppendStep.h"
#include "Application.h"
#include "Canvas.h"
#include "CollisionView.h"
#include "Dialogs.h"
#include "EventChain.h"
#include "FormKeys.h"
#include "FormLook.h"
#include "GridCellStore.h"
#include "GridSteps.h"
#include "HelpTexts.h"
#include "Image.h"
#include "Memo.h"
#include "PlateCodes.h"
#include "RecoveryKeeper.h"
#include "TabBarAccessible.h"
#include "WidgetClick.h"
#include "zelGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTabBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {

class TFixedTabBar : public QTabBar {
public:
    TFixedTabBar(QWidget* parent, double scale) : QTabBar(parent), scale_(scale) {}

protected:
    QSize tabSizeHint(int) const override { return QSize(Scaled(180, scale_), Scaled(30, scale_)); }

private:
    double scale_;
};

// A 9 by 9 picture, white, with a black triangle: the outline drawn as lines
// through the three corners, then flood-filled from 4,4 up to the outline.
QImage TrianglePicture(QPoint a, QPoint b, QPoint c)
{
    QImage image(9, 9, QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas;
    canvas.Attach(&painter);
    canvas.SetBrushColor(clWhite);
    canvas.FillRect(TRect{0, 0, 10, 10}.ToQRect());
    canvas.SetPenColor(clBlack);
    canvas.MoveTo(a.x(), a.y());
    canvas.LineTo(b.x(), b.y());
    canvas.LineTo(c.x(), c.y());
    canvas.LineTo(a.x(), a.y());
    canvas.SetBrushColor(clBlack);
    canvas.FloodFill(4, 4, clBlack);
    return image;
}

} // namespace

// ---- TPageControl ---------------------------------------------------------------

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent)
{
    InstallTabBarAccessibility(); // the hidden page's tab is no tab for a screen reader
    setTabBar(new TFixedTabBar(this, DesktopFontScale()));
    setFocusPolicy(Qt::NoFocus);
    tabBar()->setFocusPolicy(Qt::NoFocus);
}

void TPageControl::AddNoPage()
{
    noPage_ = addTab(new QWidget(this), QString());
    setTabVisible(noPage_, false);
}

int TPageControl::ActivePageIndex() const
{
    const int index = currentIndex();
    return index == noPage_ ? -1 : index;
}

void TPageControl::SetActivePageIndex(int index)
{
    setCurrentIndex(index >= 0 && index < count() && index != noPage_ ? index : noPage_);
}

// ---- TAnchorPanel ---------------------------------------------------------------

TAnchorPanel::TAnchorPanel(QWidget* parent, int designWidth, int height, double scale)
    : QWidget(parent), designWidth_(Scaled(designWidth, scale)), scale_(scale)
{
    setFixedHeight(Scaled(height, scale));
}

void TAnchorPanel::Place(QWidget* child, const QRect& designRect, bool stretch)
{
    const QRect rect(Scaled(designRect.left(), scale_), Scaled(designRect.top(), scale_),
                     Scaled(designRect.width(), scale_), Scaled(designRect.height(), scale_));
    placed_.push_back({child, rect, stretch});
    Layout(placed_.back());
}

void TAnchorPanel::Layout(TPlaced& placed)
{
    const int extra = width() - designWidth_;
    QRect rect = placed.rect;
    if (placed.stretch)
        rect.setWidth(std::max(0, rect.width() + extra));
    else
        rect.moveLeft(rect.left() + extra);
    placed.widget->setGeometry(rect);
}

void TAnchorPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (TPlaced& placed : placed_)
        Layout(placed);
}

// ---- TFormMain: construction ----------------------------------------------------

TFormMain::TFormMain(const TSettingsFiles& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings), fontScale_(DesktopFontScale())
{
    // 8 points where the desktop's font has the toolkit's size, larger with it.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8 * fontScale_);
    setFont(font);
    resize(Scaled(800, fontScale_), Scaled(600, fontScale_));
    BuildPanels();
    BuildGrids();
    BuildMenus();
    BuildEditMenu();
    BuildToolsMenu();
    BuildTabKeys();
    Collisions = new TCollisionView(this, SG1, SG2, PageControl1, mnuView, [this] { return ActiveGrid(); });
    BuildImport();
    FormCreate();
}

TFormMain::~TFormMain()
{
    // The program ends normally: the recovery file goes, before the grids do.
    delete Recovery;
    Recovery = nullptr;
    FormDestroy();
}

void TFormMain::BuildPanels()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(0);
    setCentralWidget(client);
    const int designWidth = 800 - 2 * 5;

    Panel1 = new TAnchorPanel(client, designWidth, 60, fontScale_);
    EditPlate = new TAdvEdit(Panel1);
    EditPlate->BeginLoading();
    EditPlate->SetBounds(5, 25, Scaled(660, fontScale_), Scaled(21, fontScale_));
    EditPlate->SetEditType(etString);
    EditPlate->SetMaxLength(10);
    // The limit is on the plate: separators typed between its characters are free.
    EditPlate->SetMaxLengthCounter([](const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        return int(PlateCharacterCount(std::string_view(utf8.constData(), std::size_t(utf8.size()))));
    });
    EditPlate->SetEmptyText(tr(" < enter plate >"));
    EditPlate->SetLabelCaption(tr("Number plate:"));
    EditPlate->SetLabelPosition(lpTopLeft);
    EditPlate->SetLabelMargin(3);
    EditPlate->SetLabelTransparent(true);
    TNotifyFont labelFont;
    labelFont.SetCharset(TNotifyFont::DefaultCharset);
    labelFont.SetColor(clWindowText);
    labelFont.SetHeight(-Scaled(11, fontScale_));
    labelFont.SetName("MS Sans Serif");
    labelFont.SetStyles(0);
    EditPlate->SetLabelFont(labelFont);
    EditPlate->SetDisabledColor(15790320);
    EditPlate->Loaded();
    Panel1->Place(EditPlate, QRect(5, 25, 660, 21), true);
    Shape1 = new TImage(Panel1);
    Panel1->Place(Shape1, QRect(668, 26, 9, 9), false);
    btnCalc1 = new QPushButton(tr("Calc"), Panel1);
    Panel1->Place(btnCalc1, QRect(688, 24, 80, 23), false);

    Panel2 = new TAnchorPanel(client, designWidth, 120, fontScale_);
    Label2 = new QLabel(tr("Number plates:"), Panel2);
    Label2->move(Scaled(5, fontScale_), Scaled(8, fontScale_));
    EditPlates = new TMemo(Panel2);
    Label2->setBuddy(EditPlates); // the name a screen reader reads for the box
    EditPlates->setLineWrapMode(QPlainTextEdit::NoWrap);
    EditPlates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditPlates->setTabChangesFocus(true);
    Panel2->Place(EditPlates, QRect(5, 25, 660, 89), true);
    Shape2 = new TImage(Panel2);
    Panel2->Place(Shape2, QRect(668, 26, 9, 9), false);
    btnCalc2 = new QPushButton(tr("Calc"), Panel2);
    Panel2->Place(btnCalc2, QRect(688, 24, 80, 23), false);

    PageControl1 = new TPageControl(client);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2);
    layout->addWidget(PageControl1, 1);

    FormKeys = new TFormKeys(this);
    connect(btnCalc1, &QPushButton::clicked, this, Guarded([this] { btnCalc1Click(btnCalc1); }));
    connect(btnCalc2, &QPushButton::clicked, this, Guarded([this] { btnCalc2Click(btnCalc2); }));
    OnClickOf(Shape1, Guarded([this] { mnuViewMultiClick(); }));
    OnClickOf(Shape2, Guarded([this] { mnuViewMultiClick(); }));
    Shape1->setAccessibleName(tr("Multiple number plates"));
    Shape2->setAccessibleName(tr("Single number plate"));
}

void TFormMain::SetupGrid(TzelGrid* grid)
{
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(Scaled(20, fontScale_));
    QFont font = grid->Font();
    font.setPointSizeF(font.pointSizeF() * fontScale_);
    grid->SetFont(font);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
                     goDrawFocusSelected | goColSizing);
    grid->SetSortIndex(-1);
    grid->SetSortType(tstCharacter);
    grid->SetCaseSensitiv(false);
    grid->SetSortDirection(Ascending);
    grid->SetHowToSort(stRow);
    grid->SetShowMessageOnError(false);
    grid->SetCellRefStyle(rsNone);
    grid->SetBandsShow(false);
    grid->SetNumbersalRight(false);
    grid->SetFormuleMode(false);
    grid->SetAutoCalculate(false);
    TPrintOptions& print = grid->PrintOptions();
    print.SetPageFooter(QStringLiteral("date|time|page"));
    print.SetDateFormat(QStringLiteral("yyyy-mm-dd"));
    print.SetTimeFormat(QStringLiteral("hh:nn"));
    print.SetHeaderSize(10);
    print.SetFooterSize(7);
    print.SetOrientation(TPrintOrientation::poPortrait);
    grid->SetKeyMappingsEnabled(true);
    TGridKeyMappings keys;
    keys.SetRowInsert(TextToShortCut(QStringLiteral("Shift+Ins")));
    keys.SetRowDelete(TextToShortCut(QStringLiteral("Shift+Del")));
    keys.SetColumnInsert(TextToShortCut(QStringLiteral("Ctrl+Shift+Ins")));
    keys.SetColumnDelete(TextToShortCut(QStringLiteral("Ctrl+Shift+Del")));
    keys.SetPrintPreview(TextToShortCut(QStringLiteral("Ctrl+P")));
    keys.SetQueryDialog(TextToShortCut(QStringLiteral("Ctrl+Q")));
    keys.SetFormuleDialog(TextToShortCut(QStringLiteral("F3")));
    keys.SetCellNamesDialog(TextToShortCut(QStringLiteral("Ctrl+N")));
    keys.SetSetHeader(TextToShortCut(QStringLiteral("Ctrl+H")));
    grid->SetKeyMappings(keys);
    Chain(grid->OnMouseDown, [this](QObject* sender, TMouseButton button, TShiftState, int x, int y) {
        Guarded([&] { OnMouseDown(sender, button, x, y); })();
    });
    Chain(grid->OnMouseUp, [this](QObject* sender, TMouseButton, TShiftState, int x, int y) {
        Guarded([&] { OnMouseUp(sender, x, y); })();
    });
    // Every change of the rows leaves them unsaved: rows put by a calculation
    // change the size or fill the empty last row, and the grid's commands
    // change the size or cell texts. Sorting and filtering change neither.
    Chain(grid->OnSizeChanged, [this](QObject*, int, int) { SetUnsaved(true); });
    Chain(grid->OnCellTextChanging, [this](QObject*, int, int) { SetUnsaved(true); });
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& pos) { PopGrid1->popup(grid->viewport()->mapToGlobal(pos)); });
}

void TFormMain::BuildGrids()
{
    auto page = [this](const QString& caption, TzelGrid*& grid) {
        auto* sheet = new QWidget(PageControl1);
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(5, 5, 5, 5);
        grid = new TzelGrid(sheet);
        grid->setAccessibleName(caption); // what a screen reader names the table
        layout->addWidget(grid);
        PageControl1->addTab(sheet, caption);
        SetupGrid(grid);
        return sheet;
    };
    tsWG26 = page(QString::fromLatin1(kWiegand26Table.Title), SG1);
    tsWG64 = page(QString::fromLatin1(kWiegand64Table.Title), SG2);
    PageControl1->AddNoPage();
    for (const TCodeTable table : kCodeTables)
        Grid(table)->SetColCount(int(ResultTable(table).ColumnCount()));

    setTabOrder(EditPlate, btnCalc1);
    setTabOrder(btnCalc1, EditPlates);
    setTabOrder(EditPlates, btnCalc2);
    setTabOrder(btnCalc2, SG1);
    setTabOrder(SG1, SG2);
}

void TFormMain::BuildMenus()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFileNew = mnuFile->addAction(tr("New"), Guarded([this] { mnuFileNewClick(); }));
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = mnuFile->addAction(tr("Open"), Guarded([this] { mnuFileOpenClick(); }));
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = mnuFile->addAction(tr("Save as ..."), Guarded([this] { mnuFileSaveClick(); }));
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(tr("Exit"), Guarded([this] { mnuExitClick(); }));

    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView1 = mnuView->addMenu(tr("Columns"));
    mnuView1->setObjectName(QStringLiteral("mnuView1"));
    mnuView2 = mnuView->addMenu(tr("Columns"));
    mnuView2->setObjectName(QStringLiteral("mnuView2"));
    // A checkable item inverts its own mark when it is chosen, so choosing it only
    // has to show the panel of the new view.
    // Choosing it puts the focus into the view it shows.
    mnuViewMulti = mnuView->addAction(tr("Multiple number plates"), Guarded([this] {
        UpdatePanels();
        if (MultiView())
            EditPlates->setFocus(Qt::OtherFocusReason);
        else
            EditPlate->setFocus(Qt::OtherFocusReason);
    }));
    mnuViewMulti->setCheckable(true);
    mnuViewSort = new QAction(tr("Sort by current column"), this);
    mnuViewSort->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(mnuViewSort, &QAction::triggered, this, Guarded([this] { mnuViewSortClick(); }));
    mnuViewFit = new QAction(tr("Fit current column width"), this);
    mnuViewFit->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    connect(mnuViewFit, &QAction::triggered, this, Guarded([this] { mnuViewFitClick(); }));
    mnuView->addAction(mnuViewSort);
    mnuView->addAction(mnuViewFit);
    connect(mnuView, &QMenu::aboutToShow, this, Guarded([this] { UpdateShowHide(); }));

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    Howtocalculate1 = mnuHelp->addAction(tr("How to calculate"), Guarded([this] { Howtocalculate1Click(); }));
    mnuAbout = mnuHelp->addAction(tr("About ..."), Guarded([this] { mnuAboutClick(); }));

    // Ctrl+C copies only while a grid has the focus; in the plate field and the
    // multi-plate box it stays their own copy command.
    PopGrid1 = new QMenu(this);
    mnuCopy = PopGrid1->addAction(tr("Copy"), Guarded([this] { mnuCopyClick(); }));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    PopGrid1->addAction(mnuViewSort);
    PopGrid1->addAction(mnuViewFit);
    for (TzelGrid* grid : {SG1, SG2}) {
        auto* gridCopy = new QAction(grid);
        gridCopy->setShortcut(mnuCopy->shortcut());
        gridCopy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(gridCopy, &QAction::triggered, this, Guarded([this] { mnuCopyClick(); }));
        grid->addAction(gridCopy);
    }
    connect(PopGrid1, &QMenu::aboutToShow, this, Guarded([this] { UpdateShowHide(); }));
}

void TFormMain::FormCreate()
{
    setWindowTitle(QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("Corvana")
                                                                      : QApplication::applicationDisplayName());
    for (const TCodeTable table : kCodeTables) {
        TzelGrid* grid = Grid(table);
        grid->SetRowCount(2);
        const auto& columns = ResultTable(table).Columns;
        for (std::size_t i = 0; i < columns.size(); ++i)
            grid->SetCells(int(i), 0, FromUtf8(columns[i].Header));
    }
    BuildColumnMenu(mnuView1, TCodeTable::Wiegand26);
    BuildColumnMenu(mnuView2, TCodeTable::Wiegand64);
    DrawTriangles();
    LoadSettings(settings_.ReadFrom);
    UpdatePanels();
    EditPlate->setFocus();
    SetUnsaved(false); // the headers just written are no results
}

void TFormMain::DrawTriangles()
{
    Shape1->SetPicture(TrianglePicture(QPoint(0, 0), QPoint(8, 0), QPoint(4, 7)));
    Shape2->SetPicture(TrianglePicture(QPoint(0, 7), QPoint(8, 7), QPoint(4, 0)));
    for (TImage* shape : {Shape1, Shape2}) {
        shape->SetTransparent(true);
        shape->setCursor(Qt::PointingHandCursor);
    }
}

// ---- calculation ------------------------------------------------------------------

bool TFormMain::CalculatePlate(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return CalculateUtf8(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

namespace {

// Result rows waiting to be put into the grids, so that a long list changes the
// grids' size once per batch; their plates are computed a few hundred at a
// time, as lists are (ComputePlateCodesInBulk).
class TResultBatch {
public:
    static constexpr std::size_t kSize = 8192;
    static constexpr std::size_t kBulk = 256;

    // `expected`: how many plates may come, so that a single plate reserves little.
    TResultBatch(TzelGrid* sg1, TzelGrid* sg2, TCollisionView* collisions, std::size_t expected = kSize)
        : sg1_(sg1), sg2_(sg2), collisions_(collisions), codes_(std::clamp<std::size_t>(expected, 1, kBulk))
    {
        plates_.reserve(std::min(expected, kBulk));
        rows26_.reserve(std::min(expected, kSize));
        rows64_.reserve(std::min(expected, kSize));
    }
    ~TResultBatch() = default;

    // Takes the plate of one line; false when the line is rejected.
    bool Add(std::string_view line)
    {
        TPlateBytes plate;
        if (!NormalizePlateTo(line, plate))
            return false;
        plates_.push_back(plate);
        if (plates_.size() == codes_.size())
            Compute();
        return true;
    }

    void Flush()
    {
        Compute();
        PutRows();
    }

private:
    // The plates taken become result rows.
    void Compute()
    {
        ComputePlateCodesInBulk(plates_, codes_.data());
        for (std::size_t i = 0; i < plates_.size(); ++i) {
            rows26_.push_back(Wiegand26RowCells(codes_[i]));
            rows64_.push_back(Wiegand64RowCells(codes_[i]));
            collisions_->Take(codes_[i]);
        }
        plates_.clear();
        if (rows26_.size() >= kSize)
            PutRows();
    }

    void PutRows()
    {
        collisions_->PutRows([&] {
            sg1_->PutRows(rows26_.data(), rows26_.size());
            sg2_->PutRows(rows64_.data(), rows64_.size());
        });
        rows26_.clear();
        rows64_.clear();
    }

    TzelGrid* sg1_;
    TzelGrid* sg2_;
    TCollisionView* collisions_;
    std::vector<TPlateBytes> plates_;
    std::vector<TPlateCodes> codes_;
    std::vector<TWiegand26Row> rows26_;
    std::vector<TWiegand64Row> rows64_;
};

} // namespace

bool TFormMain::CalculateUtf8(std::string_view line)
{
    const TAppendRecorder step(History, SG1, SG2, tr("Calc"));
    TResultBatch batch(SG1, SG2, Collisions, 1);
    const bool accepted = batch.Add(line);
    batch.Flush();
    return accepted;
}

std::size_t TFormMain::CalculateLines(std::string_view utf8)
{
    TBusyCursor busy;
    Collisions->Expect(std::size_t(std::count(utf8.begin(), utf8.end(), '\n')) + 1);
    TResultBatch batch(SG1, SG2, Collisions);
    std::size_t accepted = 0;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        accepted += batch.Add(utf8.substr(0, end));
        if (end == std::string_view::npos)
            break;
        utf8.remove_prefix(end + 1);
    }
    batch.Flush();
    return accepted;
}

void TFormMain::btnCalc1Click(QObject* sender)
{
    if (CalculatePlate(EditPlate->Text()))
        EditPlate->SetText(QString());
    if (sender == btnCalc1)
        EditPlate->setFocus();
}

void TFormMain::btnCalc2Click(QObject* sender)
{
    // The box's lines are taken in one piece and consumed in order; the box is
    // empty at the end, rejected lines included. The raw text keeps every
    // character as typed (a no-break space, a line separator); only the breaks
    // between the box's lines become line ends.
    QString raw = EditPlates->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    const QByteArray text = raw.toUtf8();
    {
        const TAppendRecorder step(History, SG1, SG2, tr("Calc"));
        CalculateLines(std::string_view(text.constData(), std::size_t(text.size())));
    }
    EditPlates->clear();
    if (sender == btnCalc2)
        EditPlates->setFocus();
}

// ---- views and help ---------------------------------------------------------------

bool TFormMain::MultiView() const
{
    return mnuViewMulti->isChecked();
}

void TFormMain::mnuViewMultiClick()
{
    // Choosing the item inverts the mark once and shows the other panel, whether
    // the menu or a triangle started it.
    mnuViewMulti->trigger();
}

void TFormMain::UpdatePanels()
{
    Panel1->setVisible(!MultiView());
    Panel2->setVisible(MultiView());
    FormKeys->SetDefaultButton(MultiView() ? btnCalc2 : btnCalc1);
    btnCalc1->setDefault(!MultiView());
    btnCalc2->setDefault(MultiView());
}

TzelGrid* TFormMain::ActiveGrid() const
{
    switch (PageControl1->ActivePageIndex()) {
    case 0:
        return SG1;
    case 1:
        return SG2;
    default:
        return nullptr;
    }
}

void TFormMain::BuildTabKeys()
{
    // As on tab controls everywhere, wherever the focus is in the window.
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},      {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::Key_Backtab, -1}, {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1}, {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, Guarded([this, step = step] { StepTab(step); }));
    }
}

void TFormMain::StepTab(int step)
{
    const int from = PageControl1->ActivePageIndex();
    const bool inGrid = ActiveGrid() && ActiveGrid()->hasFocus();
    PageControl1->SetActivePageIndex(from < 0 ? 0 : (from + step + 2) % 2);
    // The grid that had the focus is hidden now; its place takes it.
    if (inGrid)
        ActiveGrid()->setFocus();
}

void TFormMain::Howtocalculate1Click()
{
    const TzelGrid* grid = ActiveGrid();
    if (grid == SG1)
        MessageDlg(Wiegand26HelpText(), TMsgDlgType::mtInformation, mbOK);
    else if (grid == SG2)
        MessageDlg(Wiegand64HelpText(), TMsgDlgType::mtInformation, mbOK);
}

void TFormMain::mnuAboutClick()
{
    if (FormAbout)
        FormAbout->exec();
}

void TFormMain::mnuExitClick()
{
    close();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    try {
        mayClose = QuerySaveResults();
    } catch (...) {
        TApplication::HandleException();
    }
    if (mayClose)
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}

// ---- header-click sorting ---------------------------------------------------------

void TFormMain::OnMouseDown(QObject* sender, int button, int x, int y)
{
    if (button != mbLeft)
        return;
    // A press on a header border resizes the column (a double-click fits it):
    // its release is no click on the header, wherever it lands.
    const auto* grid = qobject_cast<TzelGrid*>(sender);
    if (grid && grid->ColumnSizing()) {
        PressX = PressY = -1;
        return;
    }
    PressX = x;
    PressY = y;
}

void TFormMain::OnMouseUp(QObject* sender, int x, int y)
{
    auto* grid = qobject_cast<TzelGrid*>(sender);
    if (PressX < 0 || PressY < 0 || !grid)
        return;
    const TGridCoord press = grid->MouseToCell(PressX, PressY);
    const TGridCoord release = grid->MouseToCell(x, y);
    PressX = -1;
    PressY = -1;
    if (!(press == release) || release.Y != 0 || release.X < 0)
        return;
    SortByColumn(grid, release.X);
}

void TFormMain::SortByColumn(TzelGrid* grid, int col)
{
    // Undo gives the rows back their order and the header its marks as they are now.
    const TSortMarks before = TSortMarks::Of(*grid);
    if (grid->SortIndex() == col) {
        if (grid->SortDirection() == Descending)
            col = -1;
        else
            grid->SetSortDirection(Descending);
    } else {
        grid->SetSortDirection(Ascending);
    }
    grid->SetSortIndex(col);
    const auto& columns = ResultTable(TableOf(grid)).Columns;
    const bool numeric = col >= 0 && std::size_t(col) < columns.size() && columns[std::size_t(col)].Numeric;
    grid->SetSortType(numeric ? tstNumeric : tstCharacter);
    if (col == -1) {
        grid->RunStep(std::make_unique<TSortStep>(grid, before));
        grid->Repaint();
        return;
    }
    grid->SetStartIndex(1);
    grid->SetEndIndex(grid->RowCount() - 1);
    TBusyCursor busy;
    grid->RunStep(std::make_unique<TSortStep>(grid, before));
}

void TFormMain::mnuViewSortClick()
{
    if (TzelGrid* grid = ActiveGrid())
        SortByColumn(grid, grid->Col());
}

void TFormMain::mnuViewFitClick()
{
    if (TzelGrid* grid = ActiveGrid())
        grid->FitColumnWidth(grid->Col());
}
