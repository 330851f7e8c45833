#pragma once
// TFormMain: the main window. Plates typed into the single-plate field or listed in
// the multi-plate box become one row in each results grid; the window also holds
// the menus, header-click sorting, result files, the clipboard copy, the settings
// file and the column menus.

#include "ResultTables.h"
#include "SettingsLocation.h"
#include "zelGrid.h"

#include <QMainWindow>
#include <QTabWidget>

#include <array>
#include <string_view>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabBar;
class TAdvEdit;
class TFormDecode;
class TCollisionView;
class TFormKeys;
class TImage;
class TMemo;
class TzelGrid;
struct TDelimitedListOptions;
class TImportedList;
class TGridHistory;
class TNewStep;
class TRecoveryKeeper;

// The tab control: fixed-size tabs, and a hidden third page that stands for "no tab
// active", so that no visible tab is highlighted and no grid is shown.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
    // 0 or 1, or -1 when no tab is active.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // Adds the hidden page; call after the real tabs.
    void AddNoPage();
private:
    int noPage_ = -1;
};

// A panel whose children keep their design places: each either stretches with the
// panel's width or stays at its distance from the right edge.
class TAnchorPanel : public QWidget {
    Q_OBJECT
public:
    // Design places and sizes grow by `scale`, the desktop's font scale.
    TAnchorPanel(QWidget* parent, int designWidth, int height, double scale = 1);
    void Place(QWidget* child, const QRect& designRect, bool stretch);
protected:
    void resizeEvent(QResizeEvent* event) override;
private:
    struct TPlaced {
        QWidget* widget;
        QRect rect;
        bool stretch;
    };
    void Layout(TPlaced& placed);
    int designWidth_;
    double scale_;
    std::vector<TPlaced> placed_;
};

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // `settings` names the file read at creation and the one written at destruction.
    explicit TFormMain(const TSettingsFiles& settings, QWidget* parent = nullptr);
    ~TFormMain() override;

    TAnchorPanel* Panel1;
    TAdvEdit* EditPlate;
    TImage* Shape1;
    QPushButton* btnCalc1;
    TAnchorPanel* Panel2;
    QLabel* Label2;
    TMemo* EditPlates;
    TImage* Shape2;
    QPushButton* btnCalc2;
    TPageControl* PageControl1;
    QWidget* tsWG26;
    QWidget* tsWG64;
    TzelGrid* SG1;
    TzelGrid* SG2;
    TFormKeys* FormKeys;
    // The plates that share a code: status bar, code cell colours and hints, and
    // View > "Only plates that share a code".
    TCollisionView* Collisions;

    // Undo and Redo of every change of the grids' rows, columns and cells, in
    // the Edit menu and the grids' context menu.
    TGridHistory* History;
    // The recovery file of the unsaved rows, once KeepRecoveryIn made it.
    TRecoveryKeeper* Recovery = nullptr;
    QMenu* mnuEdit;
    QAction* mnuUndo;
    QAction* mnuRedo;

    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileImport;
    QAction* mnuFileSave;
    QAction* mnuExit;
    QMenu* mnuView;
    QMenu* mnuView1;
    QMenu* mnuView2;
    QAction* mnuViewMulti;
    // Sorting by the current column as a header click does, and fitting its width
    // to its texts as a double-click on its border does: the keyboard's way.
    QAction* mnuViewSort;
    QAction* mnuViewFit;
    QMenu* mnuTools;
    QAction* mnuToolsDecode;
    QMenu* mnuHelp;
    QAction* Howtocalculate1;
    QAction* mnuAbout;
    QMenu* PopGrid1;
    QAction* mnuCopy;
    // The status bar's word on the last list read: lines skipped, records imported.
    QLabel* ListStatus;

    // The window of Tools > Decode code ..., made when first asked for.
    TFormDecode* FormDecode = nullptr;

    // The About box shown by Help > About ...; set by the program's start-up.
    QDialog* FormAbout = nullptr;

    int PressX = -1;
    int PressY = -1;

    // Capacity of the multi-plate box, in bytes of a plate list file.
    static constexpr qint64 kMemoCapacity = qint64(64) * 1024 * 1024;

    // Widths of the grids' columns in their menus' table: SG1's, then SG2's, as the
    // result tables give them.
    static constexpr auto ColumnWidthDefaults = [] {
        std::array<int, kWiegand26Columns.size() + kWiegand64Columns.size()> widths{};
        std::size_t i = 0;
        for (const TCodeTable table : kCodeTables)
            for (const TResultColumn& column : ResultTable(table).Columns)
                widths[i++] = column.Width;
        return widths;
    }();

    bool CalculatePlate(const QString& text);
    void btnCalc1Click(QObject* sender);
    void btnCalc2Click(QObject* sender);
    void mnuViewMultiClick();
    void UpdatePanels();
    void Howtocalculate1Click();
    void mnuAboutClick();
    void mnuExitClick();
    void OnMouseDown(QObject* sender, int button, int x, int y);
    void OnMouseUp(QObject* sender, int x, int y);
    // A click on the header of column col: ascending, descending, then unsorted.
    void SortByColumn(TzelGrid* grid, int col);
    void mnuViewSortClick();
    void mnuViewFitClick();

    void mnuFileNewClick();
    void mnuFileOpenClick();
    void OpenPlateList(const QString& fileName);
    void mnuFileSaveClick();
    // Save as ... for the active tab; true once the file is written.
    bool SaveActiveGrid();
    // Whether rows were added or changed since the window started, the last
    // Save as ... or the last File > New.
    bool ResultsUnsaved() const { return unsaved_; }
    // Asks "Save the results?" when rows are unsaved; true when they may go:
    // nothing was unsaved, the user chose No, or chose Yes and the file was
    // written. Cancel, a cancelled save dialog and a failed save keep them.
    bool QuerySaveResults();
    void SaveGridToFile(TzelGrid* grid, const QString& fileName);
    void mnuFileImportClick();
    // Computes every record of a list chosen for import into both grids, its
    // other columns after the computed ones.
    void ImportList(const TImportedList& list, const TDelimitedListOptions& options);
    void mnuCopyClick();
    void mnuToolsDecodeClick();

    // Keeps a recovery file of the unsaved rows in `folder` (made when missing),
    // and offers, once the window shows, the unsaved rows that windows which
    // ended without saving left there. Without a folder that can be made, no file.
    void KeepRecoveryIn(const QString& folder);
    // Asks, for each file left by an earlier session, whether to restore its
    // rows, discard them or keep them for later; restores at most one.
    void OfferRecovery();

    void LoadSettings(const QString& fileName);
    void SaveSettings(const QString& fileName);
    void UpdateShowHide();
    void mnuShowHideColumnLV1Click(QAction* item);
    void mnuShowHideColumnLV2Click(QAction* item);

    // Whether the multi-plate view is shown.
    bool MultiView() const;
    // The grid of the active tab, or nullptr when no tab is active.
    TzelGrid* ActiveGrid() const;
    // The grid that shows a result table, and the table a grid shows.
    TzelGrid* Grid(TCodeTable table) const { return table == TCodeTable::Wiegand26 ? SG1 : SG2; }
    TCodeTable TableOf(const TzelGrid* grid) const { return grid == SG1 ? TCodeTable::Wiegand26 : TCodeTable::Wiegand64; }
    // Brings the next (step 1) or the previous (step -1) tab to the front.
    void StepTab(int step);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TNewStep;
    void BuildPanels();
    void BuildEditMenu();
    // File > New as a step of the history, after the question.
    void RunFileNew();
    // What File > New does besides emptying the grids.
    void StartedOver();
    void SetUnsaved(bool unsaved);
    void BuildGrids();
    void BuildMenus();
    void BuildToolsMenu();
    void BuildImport();
    void ShowListStatus(const QString& text);
    void BuildTabKeys();
    void SetupGrid(TzelGrid* grid);
    void BuildColumnMenu(QMenu* menu, TCodeTable table);
    void AddColumnItem(QMenu* menu, TCodeTable table, int col);
    void DrawTriangles();
    void FormCreate();
    void FormDestroy();
    // Runs every line of UTF-8 text through CalculatePlate's computation in one
    // pass; returns the number of lines accepted.
    std::size_t CalculateLines(std::string_view utf8);
    bool CalculateUtf8(std::string_view line);
    void ShowHideColumn(TCodeTable table, QAction* item);
    // The width of a column of a table in ColumnWidthDefaults.
    static int DefaultWidth(TCodeTable table, int col);
    // A width of the settings file as the grid shows it, and back (hidden stays hidden).
    int ShownWidth(int fileWidth) const;
    int FileWidth(int shownWidth) const;
    void UpdateColumnMenu(QMenu* menu, TCodeTable table);

    TSettingsFiles settings_;
    bool unsaved_ = false;
    // The desktop's font scale, by which the window's fonts, places and column
    // widths grow; the settings file keeps the widths unscaled.
    double fontScale_ = 1;
};
