#pragma once
// The print preview: one page of the grid as it will print, with the print
// options beside it so the user can change them and watch the effect.

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;
class QToolButton;
class TzelGrid;

class TzelGridPreviewF : public QDialog {
    Q_OBJECT
public:
    explicit TzelGridPreviewF(QWidget* owner = nullptr);
    ~TzelGridPreviewF() override;

    TzelGrid* Grid() const { return grid_; }
    void SetGrid(TzelGrid* grid) { grid_ = grid; }
    QImage* PrintImage() { return &printImage_; }

    // Fills the controls from the grid's options and shows the first page.
    void Show();
    // Actions of the buttons.
    void ShowPage();
    void Print();
    void PrintSetup();
    void FullView();
    void Picture();
    void SavePdf();
    // Zooms the picture as a click on it does.
    void ZoomByClick();

    QToolButton* btnPrint = nullptr;
    QToolButton* btnShow = nullptr;
    QToolButton* btnSetup = nullptr;
    QToolButton* btnFullView = nullptr;
    QToolButton* btnPicture = nullptr;
    QToolButton* btnPdf = nullptr;
    QLabel* lblpages = nullptr;
    QLineEdit* EditHeader = nullptr;
    QListWidget* ListHeaders = nullptr;
    QSpinBox* EditMargin = nullptr;
    QCheckBox* chkBorders = nullptr;
    QListWidget* Margins = nullptr;
    QSpinBox* EditPage = nullptr;
    QCheckBox* chkLive = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* PreviewImage = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Refresh();
    // Counts the pages again after a change that can change their number, and
    // keeps the page field within them.
    void CountPages();
    void Display(const QImage& image);
    void DisplayResampled(int width);
    void HeaderSelected();
    void HeaderEdited(const QString& text);
    void MarginSelected();
    void MarginChanged(int value);
    void PageChanged(int value);
    void BordersToggled(bool checked);

    TzelGrid* grid_ = nullptr;
    QImage printImage_;
    int pages_ = 0; // as last counted
    bool updating_ = false;
};
