#include "Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kFilter = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");

// Runs each step, in order, once the previous one found its modal window.
class TModalDriver : public QObject {
public:
    using TStep = std::function<bool(QWidget* modal)>;
    explicit TModalDriver(std::vector<TStep> steps) : steps_(std::move(steps))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (next_ < steps_.size() && modal && steps_[next_](modal))
                ++next_;
        });
        timer_.start(20);
    }
    bool Done() const { return next_ == steps_.size(); }

private:
    std::vector<TStep> steps_;
    std::size_t next_ = 0;
    QTimer timer_;
};

bool TypeFileName(QWidget* modal, const QString& name)
{
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog)
        return false;
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->clear();
    QTest::keyClicks(edit, name);
    // Pressed from the event loop: the replace question is itself modal and would
    // otherwise block the driver's timer.
    QTimer::singleShot(0, edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); });
    return true;
}

} // namespace

TEST(FileDialogFilterTest, WindowsStyleFiltersBecomeQtFilters)
{
    EXPECT_EQ(QtNameFilters(kFilter), QStringList({"Text Files (*.txt)", "All Files (*)"}));
    EXPECT_EQ(QtNameFilters("Lists|*.txt;*.csv|Odd"), QStringList({"Lists (*.txt *.csv)"}));
    EXPECT_TRUE(QtNameFilters("").isEmpty());

    EXPECT_EQ(WithDefaultExt("/tmp/codes", "txt"), "/tmp/codes.txt");
    EXPECT_EQ(WithDefaultExt("/tmp/codes.csv", "txt"), "/tmp/codes.csv");
    EXPECT_EQ(WithDefaultExt("/tmp/v1.2/codes", "txt"), "/tmp/v1.2/codes.txt");
    EXPECT_EQ(WithDefaultExt("/tmp/codes", ""), "/tmp/codes");
}

TEST(FileDialogTest, RecorderAnswersFromItsQueueAndAddsTheDefaultExtension)
{
    TScopedRecordingDialogs dialogs;
    dialogs.fileAnswers = {QStringLiteral("/tmp/plates"), std::nullopt};
    TFileDialogOptions options;
    options.Filter = kFilter;
    options.DefaultExt = "txt";
    EXPECT_EQ(SaveFileDialog(options), QStringLiteral("/tmp/plates.txt"));
    EXPECT_EQ(OpenFileDialog(options), std::nullopt);
    EXPECT_EQ(OpenFileDialog(options), std::nullopt); // empty queue: cancelled
    ASSERT_EQ(dialogs.fileDialogs.size(), 3u);
    EXPECT_EQ(dialogs.fileDialogs[0].kind, TRecordingDialogs::TFileDialogKind::Save);
    EXPECT_EQ(dialogs.fileDialogs[1].kind, TRecordingDialogs::TFileDialogKind::Open);
    EXPECT_EQ(dialogs.fileDialogs[0].options.Filter, kFilter);

    EXPECT_EQ(MessageDlg("Boom", TMsgDlgType::mtError, mbOK), mrOk);
    EXPECT_EQ(dialogs.messages, QStringList({"Boom"}));
    EXPECT_EQ(dialogs.types, std::vector<TMsgDlgType>({TMsgDlgType::mtError}));
}

TEST(FileDialogTest, RealSaveDialogAddsTheExtensionAndAsksBeforeReplacing)
{
    QTemporaryDir dir;
    TFileDialogOptions options;
    options.Filter = kFilter;
    options.DefaultExt = "txt";
    options.InitialDir = dir.path();

    TModalDriver typeNew({[](QWidget* modal) { return TypeFileName(modal, "codes"); }});
    EXPECT_EQ(SaveFileDialog(options), QDir(dir.path()).filePath("codes.txt"));
    EXPECT_TRUE(typeNew.Done());

    QFile existing(QDir(dir.path()).filePath("codes.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    bool asked = false;
    TModalDriver replace({[](QWidget* modal) { return TypeFileName(modal, "codes"); },
                          [&](QWidget* modal) {
                              auto* box = qobject_cast<QMessageBox*>(modal);
                              if (!box)
                                  return false;
                              asked = true;
                              box->button(QMessageBox::Yes)->click();
                              return true;
                          }});
    EXPECT_EQ(SaveFileDialog(options), QDir(dir.path()).filePath("codes.txt"));
    EXPECT_TRUE(asked);

    TModalDriver cancel({[](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog)
            dialog->reject();
        return dialog != nullptr;
    }});
    EXPECT_EQ(OpenFileDialog(options), std::nullopt);
}

// Deleting a folder from a file dialog ran through the whole tree on the window's
// thread (a folder such as / froze the program for minutes) and could take the
// user's files with it: no file dialog of the program offers it.
TEST(FileDialogTest, RealDialogsOfferNoDeleteOnAFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("lists")));
    TFileDialogOptions options;
    options.Filter = kFilter;
    options.InitialDir = dir.path();

    for (const bool save : {false, true}) {
        QStringList offered;
        TModalDriver driver({[](QWidget* modal) {
                                 // A right click on the folder once the dialog has listed it.
                                 auto* dialog = qobject_cast<QFileDialog*>(modal);
                                 QAbstractItemView* view = nullptr;
                                 for (const char* name : {"listView", "treeView"}) // the list or the details
                                     if (auto* shown = dialog ? dialog->findChild<QAbstractItemView*>(QLatin1String(name)) : nullptr;
                                         shown && shown->isVisible())
                                         view = shown;
                                 if (!view)
                                     return false;
                                 const QModelIndexList found = view->model()->match(
                                     view->model()->index(0, 0, view->rootIndex()), Qt::DisplayRole, QStringLiteral("lists"));
                                 if (found.isEmpty())
                                     return false;
                                 view->setCurrentIndex(found.first());
                                 view->setFocus();
                                 // Outside the driver's step: the menu runs its own event loop.
                                 const QPoint at = view->visualRect(found.first()).center();
                                 QTimer::singleShot(0, view, [view, at] {
                                     QContextMenuEvent click(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
                                     QApplication::sendEvent(view->viewport(), &click);
                                 });
                                 return true;
                             },
                             [&](QWidget* modal) {
                                 auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                                 if (!menu)
                                     return false;
                                 for (const QAction* action : menu->actions())
                                     if (action->isVisible() && action->isEnabled())
                                         offered << action->text();
                                 menu->close();
                                 // Then the Delete key on the folder, and Cancel.
                                 QTimer::singleShot(0, modal, [modal] {
                                     QWidget* view = QApplication::focusWidget();
                                     if (view)
                                         QTest::keyClick(view, Qt::Key_Delete);
                                     QTimer::singleShot(300, modal, [modal] { qobject_cast<QDialog*>(modal)->reject(); });
                                 });
                                 return true;
                             }});
        // Any question "Are you sure ... delete" gets Yes, as a hasty user gives it.
        QTimer yes;
        QObject::connect(&yes, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes)->click();
        });
        yes.start(20);
        EXPECT_EQ(save ? SaveFileDialog(options) : OpenFileDialog(options), std::nullopt);
        EXPECT_TRUE(driver.Done()) << save;
        EXPECT_FALSE(offered.isEmpty()) << save;
        EXPECT_FALSE(offered.join(' ').contains(QStringLiteral("Delete"))) << offered.join(' ').toStdString();
        EXPECT_TRUE(QDir(dir.path()).exists(QStringLiteral("lists"))) << save;
    }
}

TEST(MessageBoxTest, RealBoxKeepsTabbedLinesWholeAndShowsTextAsItIs)
{
    const QString table = QStringLiteral("WIEGAND 64-BIT\r\r\tCharacter conversion table:\r"
                                         "\t0=010000   \tA=011010   \tK=100100   \tU=101110\r"
                                         "\t8=011000   \tI=100010   \tS=101100   \t\u00ABempty\u00BB=000000\r"
                                         "Note that this software uses UTF-8 encoding for license plates with "
                                         "international characters.\r");
    bool seen = false;
    TModalDriver driver({[&](QWidget* modal) {
        auto* label = modal->findChild<QLabel*>(QStringLiteral("MessageText"));
        if (!label)
            return false;
        seen = true;
        EXPECT_FALSE(label->wordWrap());
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        // One line of the label per line of the text: 7 lines (the last one empty).
        const QFontMetrics metrics(label->font());
        EXPECT_EQ(label->height(), metrics.boundingRect(QRect(), Qt::TextExpandTabs, "a\nb\nc\nd\ne\nf\ng").height());
        modal->grab().save("/tmp/corvana-message.png");
        QTimer::singleShot(0, modal, [modal] { QTest::keyClick(modal, Qt::Key_Return); });
        return true;
    }});
    ShowMessage(table);
    EXPECT_TRUE(seen);
}

TEST(MessageBoxTest, RealBoxAnswersWithTheButtonPressedEscapeOnlyWhereItMeansSomething)
{
    const auto press = [](Qt::Key first, Qt::Key second = Qt::Key_unknown) {
        return std::vector<TModalDriver::TStep>{[first, second](QWidget* modal) {
            if (!modal->findChild<QLabel*>(QStringLiteral("MessageText")))
                return false;
            modal->grab().save("/tmp/corvana-confirm.png");
            QTimer::singleShot(0, modal, [modal, first, second] {
                QTest::keyClick(modal, first);
                if (second != Qt::Key_unknown && modal->isVisible())
                    QTest::keyClick(modal, second);
            });
            return true;
        }};
    };
    {
        TModalDriver driver(press(Qt::Key_Escape));
        EXPECT_EQ(MessageDlg("<b>not bold</b>", TMsgDlgType::mtError, mbOK), mrOk);
    }
    {
        TModalDriver driver(press(Qt::Key_Escape));
        EXPECT_EQ(MessageDlg("Clear all names?", TMsgDlgType::mtConfirmation, mbOK | mbCancel), mrCancel);
    }
    {
        // Escape does nothing without a Cancel button; Enter takes the first button.
        TModalDriver driver(press(Qt::Key_Escape, Qt::Key_Return));
        EXPECT_EQ(MessageDlg("Clear all names?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrYes);
    }
}
