// File > Import list ... in the window, its dialog driven by keys and clicks; the
// status bar after Open and Import; Copy's two formats read back through the
// real X11 clipboard.

#include "MainWindowHarness.h"

#include "TestWorkbooks.h"
#include "UImport.h"
#include "TestWorkbooks.h"

#include "../support/RealDisplay.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>

namespace {

// A German spreadsheet's export: ";" between fields, the plate in column 2 under
// "Kennzeichen", Windows-1252, a record without a plate.
const QByteArray kGermanList = "Halter;Kennzeichen;Abteilung\r\n"
                               "M\xFCller;M-AB 1234;Vertrieb\r\n"
                               "Lee;hk 55 evb;\"IT; Netz\"\r\n"
                               ";;\r\n"
                               "Niemand;;Lager\r\n";

QString StatusText(const TFormMain& form) { return form.ListStatus->text(); }

} // namespace

TEST_F(MainWindowTest, ImportListReadsTheChosenColumnAndKeepsTheOthers)
{
    // On the real display, where the dialog is a window of its own.
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    for (TChoice how : {TChoice::Keyboard, TChoice::Click}) {
        SCOPED_TRACE(ChoiceName(how));
        Open();
        const QString list = dir.filePath("halter.csv");
        WriteAll(list, kGermanList);
        dialogs.fileAnswers.push_back(list);
        bool seen = false;
        WhenImportDialogShows([&](TFormImport* dialog) {
            seen = true;
            // Preselected from the list: its separator, its header, the plate column.
            EXPECT_EQ(dialog->cbSeparator->currentText(), "Semicolon (;)");
            EXPECT_TRUE(dialog->chkHeader->isChecked());
            EXPECT_EQ(dialog->cbPlateColumn->currentText(), "Kennzeichen (column 2)");
            EXPECT_EQ(dialog->Preview->horizontalHeaderItem(0)->text(), "Halter");
            EXPECT_EQ(dialog->Preview->item(0, 0)->text(), QString::fromUtf8("M\xC3\xBCller"));
            EXPECT_EQ(dialog->Preview->item(1, 2)->text(), "IT; Netz");
            if (how == TChoice::Keyboard) {
                // Keys go to the window, as the platform gives them.
                const auto key = [dialog](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
                    QTest::keyClick(dialog->windowHandle(), k, modifiers);
                };
                // Alt+H: no header, so the first line becomes a record; Alt+H again.
                // (A button's mnemonic clicks it a moment later, as a click shows.)
                key(Qt::Key_H, Qt::AltModifier);
                EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->chkHeader->isChecked(); }, 2000));
                EXPECT_EQ(dialog->cbPlateColumn->currentText(), "Column 1");
                EXPECT_EQ(dialog->Preview->item(0, 1)->text(), "Kennzeichen");
                key(Qt::Key_H, Qt::AltModifier);
                EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->chkHeader->isChecked(); }, 2000));
                // Alt+P, Up: column 1; Down: back to the plates.
                key(Qt::Key_P, Qt::AltModifier);
                EXPECT_EQ(QApplication::focusWidget(), dialog->cbPlateColumn);
                key(Qt::Key_Up);
                EXPECT_EQ(dialog->cbPlateColumn->currentIndex(), 0);
                key(Qt::Key_Down);
                EXPECT_EQ(dialog->cbPlateColumn->currentIndex(), 1);
                dialog->grab().save(QDir::temp().filePath("corvana-import-dialog.png"));
                key(Qt::Key_Return);
            } else {
                const auto click = [](QWidget* widget) {
                    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
                };
                click(dialog->chkHeader);
                EXPECT_FALSE(dialog->chkHeader->isChecked());
                click(dialog->chkHeader);
                EXPECT_TRUE(dialog->chkHeader->isChecked());
                EXPECT_EQ(dialog->cbPlateColumn->currentIndex(), 1);
                click(dialog->Buttons->button(QDialogButtonBox::Ok));
            }
        });
        Choose(form->mnuFile, {form->mnuFileImport}, how);
        ASSERT_TRUE(seen);
        EXPECT_EQ(dialogs.fileDialogs.back().options.Filter,
                  "Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)|*.csv;*.tsv;*.txt;*.xlsx;*.ods|Workbooks (*.xlsx;*.ods)|"
                  "*.xlsx;*.ods|Comma-separated (*.csv)|*.csv|Tab-separated (*.tsv)|*.tsv|Text Files (*.txt)|*.txt|"
                  "All Files (*.*)|*.*");

        // Both grids: the computed columns as File > Open gives them, then the others.
        ASSERT_EQ(form->SG1->ColCount(), 9);
        ASSERT_EQ(form->SG2->ColCount(), 5);
        EXPECT_EQ(Row(form->SG1, 0).mid(7), (QStringList{"Halter", "Abteilung"}));
        EXPECT_EQ(Row(form->SG2, 0).mid(3), (QStringList{"Halter", "Abteilung"}));
        EXPECT_EQ(Row(form->SG1, 1), (QStringList{"MAB1234", "0x0B807D4", "0x9E6024C3 9375A334 E84A782D 8DF839C7 995C03EA",
                                                  "0x5C03EA", "6030314", "92", "1002", QString::fromUtf8("M\xC3\xBCller"),
                                                  "Vertrieb"}));
        EXPECT_EQ(Row(form->SG2, 2), (QStringList{"HK55EVB", "0x600002191555EBDB", "6917531334396472283", "Lee", "IT; Netz"}));
        EXPECT_EQ(form->SG1->RowCount(), 3);
        EXPECT_EQ(StatusText(*form), "halter.csv: 2 plates imported; 1 record skipped: 1 with an empty plate field");
        form->grab().save(QDir::temp().filePath("corvana-import-window.png"));

        // Saving includes them (a ";" in a field quoted, so the line keeps its columns) ...
        const QString saved = dir.filePath("saved.txt");
        dialogs.fileAnswers.push_back(saved);
        form->mnuFileSave->trigger();
        EXPECT_EQ(ReadAll(saved), "Number plate;Wiegand 26-bit (hex);Facility code;ID number;Halter;Abteilung\r\n"
                                  "MAB1234;0x0B807D4;92;1002;M\xC3\xBCller;Vertrieb\r\n"
                                  "HK55EVB;0x3019E2A;128;53013;Lee;\"IT; Netz\"\r\n");
        // ... sorting by them ...
        ClickHeader(form->SG1, 7);
        EXPECT_EQ(form->SG1->Cells(0, 1), "HK55EVB");
        // ... and copying them.
        form->SG1->SetSelection(TGridRect{7, 2, 8, 2});
        form->mnuCopy->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("M\xC3\xBCller;Vertrieb"));

        // The same list again takes the same columns, which View > Columns lists
        // and hides like the others; New takes them away with the rows.
        dialogs.fileAnswers.push_back(list);
        WhenImportDialogShows([](TFormImport* dialog) { dialog->accept(); });
        form->mnuFileImport->trigger();
        EXPECT_EQ(form->SG1->ColCount(), 9);
        EXPECT_EQ(form->SG1->RowCount(), 5);
        form->UpdateShowHide();
        ASSERT_EQ(form->mnuView1->actions().size(), 9);
        QAction* owner = form->mnuView1->actions().at(7);
        EXPECT_EQ(owner->text(), "Halter");
        Choose(form->mnuView, {form->mnuView1->menuAction(), owner}, how);
        EXPECT_LT(form->SG1->ColWidths(7), 0);
        dialogs.fileAnswers.push_back(saved);
        form->mnuFileSave->trigger();
        EXPECT_TRUE(ReadAll(saved).startsWith("Number plate;Wiegand 26-bit (hex);Facility code;ID number;Abteilung\r\n"));
        form->mnuFileNew->trigger();
        EXPECT_EQ(StatusText(*form), "");
        EXPECT_EQ(form->SG1->ColCount(), 7);
        EXPECT_EQ(form->SG2->ColCount(), 3);
        form->UpdateShowHide();
        EXPECT_FALSE(owner->isVisible());
        form.reset();
    }
}

TEST_F(MainWindowTest, ImportDialogCancelledOrAListWithoutThePlateChangesNothing)
{
    Open();
    const QString list = dir.filePath("list.tsv");
    WriteAll(list, "Plate\tOwner\nAB 1\tx\n");
    dialogs.fileAnswers.push_back(list);
    WhenImportDialogShows([](TFormImport* dialog) {
        EXPECT_EQ(dialog->cbSeparator->currentText(), "Tab");
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    });
    form->mnuFileImport->trigger();
    EXPECT_EQ(form->SG1->ColCount(), 7);
    EXPECT_EQ(form->SG1->Cells(0, 1), "");
    EXPECT_EQ(StatusText(*form), "");

    // Every record rejected: each kind counted in the status bar.
    WriteAll(list, "Plate\tOwner\n\tnobody\n---\tdash\nNumber plate\theader\n");
    dialogs.fileAnswers.push_back(list);
    WhenImportDialogShows([](TFormImport* dialog) { dialog->accept(); });
    form->mnuFileImport->trigger();
    EXPECT_EQ(form->SG1->Cells(0, 1), "");
    EXPECT_EQ(StatusText(*form), "list.tsv: 0 plates imported; 3 records skipped: 1 with an empty plate field, "
                                 "1 with only spaces and punctuation for a plate, 1 reading as a column header");
    EXPECT_EQ(form->SG1->Cells(7, 0), "Owner");
}

TEST_F(MainWindowTest, OpenSaysHowManyLinesWereSkippedAndPointsDelimitedListsToImport)
{
    Open();
    const QString plates = dir.filePath("plates.txt");
    WriteAll(plates, "Number plate;Wiegand 26-bit (hex)\r\nHK55EVB;0x3019E2A\r\n\r\nzz 9");
    dialogs.fileAnswers.push_back(plates);
    form->mnuFileOpen->trigger();
    EXPECT_EQ(StatusText(*form), "plates.txt: 3 lines, 1 skipped");

    const QString owners = dir.filePath("owners.csv");
    WriteAll(owners, "Plate,Owner\nM-AB 1234,1042\nX 1,Lee\n");
    dialogs.fileAnswers.push_back(owners);
    form->mnuFileOpen->trigger();
    EXPECT_EQ(StatusText(*form), "owners.csv: 3 lines, none skipped; most hold a comma: File > Import list ... reads "
                                 "such a list by its columns");
    // Open itself stays as it is: each line is one plate.
    EXPECT_EQ(form->SG1->Cells(0, 4), "MAB12341042");
}

TEST_F(MainWindowTest, OpenAndImportRefuseWhatIsNoListAndCountTheLinesThatAreNotText)
{
    Open();
    // A workbook is no plate list, and a PDF no list at all: said, nothing computed.
    const QString book = dir.filePath("owners.xlsx");
    WriteAll(book, QByteArray::fromStdString(ZipBytes(XlsxParts({{"Sheet1", ""}}))));
    dialogs.fileAnswers.push_back(book);
    form->mnuFileOpen->trigger();
    EXPECT_EQ(dialogs.messages.last(), "Cannot open file \"" + book + "\". It is an Excel workbook (.xlsx), not a plate "
                                       "list: File > Import list ... reads workbooks.");
    const QString scan = dir.filePath("owners.csv");
    WriteAll(scan, "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
    dialogs.fileAnswers.push_back(scan);
    form->mnuFileImport->trigger();
    EXPECT_EQ(dialogs.messages.last(), "Cannot import \"" + scan + "\". It is a PDF document, not a list.");
    EXPECT_EQ(form->SG1->Cells(0, 1), "");
    EXPECT_EQ(StatusText(*form), "");

    // UTF-16 with half a surrogate pair (lines 2 and 4) and an odd last byte
    // (line 5): those lines are skipped and counted by their reason.
    const QString list = dir.filePath("list.txt");
    static constexpr char kUtf16[] = "\xFF\xFE" "A\0B\0 \0" "1\0\n\0" "\x3D\xD8" "C\0\n\0" "E\0F\0" "3\0\n\0"
                                      "\x97\xDE\n\0" "G\0" "x";
    WriteAll(list, QByteArray(kUtf16, sizeof kUtf16 - 1));
    dialogs.fileAnswers.push_back(list);
    form->mnuFileOpen->trigger();
    EXPECT_EQ(Row(form->SG1, 1).first(), "AB1");
    EXPECT_EQ(Row(form->SG1, 2).first(), "EF3");
    EXPECT_EQ(form->SG1->RowCount(), 3);
    EXPECT_EQ(StatusText(*form), "list.txt: 5 lines, 3 skipped, among them 2 with half of a UTF-16 surrogate pair, "
                                 "1 ending in half a UTF-16 character");

    // As a delimited list, such a record is skipped like every other.
    const QString csv = dir.filePath("list.csv");
    const QString records = QStringLiteral("Plate,Owner\nGH 4,x\n");
    WriteAll(csv, "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(records.utf16()), 2 * records.size()) +
                      QByteArray("\x3D\xD8,\0y\0\n\0", 8));
    dialogs.fileAnswers.push_back(csv);
    WhenImportDialogShows([](TFormImport* dialog) { dialog->accept(); });
    form->mnuFileImport->trigger();
    EXPECT_EQ(Row(form->SG1, 3).first(), "GH4");
    EXPECT_EQ(form->SG1->RowCount(), 4);
    EXPECT_EQ(StatusText(*form), "list.csv: 1 plate imported; 1 record skipped: 1 with half of a UTF-16 surrogate pair");
}

TEST_F(MainWindowTest, CopyPutsTextAndAnHtmlTableOnTheRealClipboard)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    Open();
    TypePlate("hk 55 evb");
    TypePlate("007");
    // Hidden columns 2 to 4 (the digest) are in the text, as ever, but not in the table.
    form->SG1->SetSelection(TGridRect{0, 1, 5, 2});
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_C, Qt::ControlModifier);

    // Another X client reads both formats while this one serves the selection.
    const auto read = [](const QString& target) {
        QProcess xclip;
        xclip.start("xclip", {"-selection", "clipboard", "-o", "-t", target});
        EXPECT_TRUE(QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, 10000));
        return QString::fromUtf8(xclip.readAllStandardOutput());
    };
    EXPECT_EQ(read("UTF8_STRING"), "HK55EVB;0x3019E2A;0xA44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15;0x80CF15;8441621;128;"
                                   "007;0x0AA0902;0x15346B59 3C4D0CF0 5FB6E67A 5669D852 E6550481;0x550481;5571713;85");
    const QString html = read("text/html");
    const QString text_ = QStringLiteral("<td style=\"mso-number-format:'\\@'\" sdnum=\"1033;0;@\">");
    const QString header = QStringLiteral("<th style=\"mso-number-format:'\\@'\" sdnum=\"1033;0;@\">");
    // The header cells of the selected columns come first, so that the pasted columns keep their names.
    EXPECT_TRUE(html.contains("<table><tr>" + header + "Number plate</th>"))
        << html.toStdString();
    EXPECT_TRUE(html.contains("</th></tr><tr>" + text_ + "HK55EVB</td>" + text_ + "0x3019E2A</td><td>128</td></tr>"))
        << html.toStdString();
    // A plate of digits with a leading zero stays text in a spreadsheet.
    EXPECT_TRUE(html.contains("<tr>" + text_ + "007</td>")) << html.toStdString();
    EXPECT_FALSE(html.contains("A44F633C")) << "hidden columns stay out of the table";
}

TEST_F(MainWindowTest, AWorkbookImportsFromItsChosenSheetAndSavesAsCsvOrAWorkbookAsTheGridShowsIt)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    Open();
    // Twelve vehicles under a header on the second sheet, one of them 007 (text),
    // an owner with two blanks, and the total row spreadsheets put last.
    std::string rows = "<row r=\"1\"><c t=\"inlineStr\"><is><t>Nr.</t></is></c><c t=\"inlineStr\"><is><t>Kennzeichen"
                       "</t></is></c><c t=\"inlineStr\"><is><t>Halter</t></is></c></row>";
    for (int i = 1; i <= 12; ++i) {
        const std::string plate = i == 1 ? "007" : "AB " + std::to_string(i);
        const std::string owner = i == 1 ? "Smith,  John" : "Owner " + std::to_string(i);
        rows += "<row r=\"" + std::to_string(i + 1) + "\"><c><v>" + std::to_string(i) + "</v></c><c t=\"inlineStr\"><is>"
                "<t>" + plate + "</t></is></c><c t=\"inlineStr\"><is><t xml:space=\"preserve\">" + owner + "</t></is></c></row>";
    }
    rows += "<row r=\"14\"><c t=\"inlineStr\"><is><t>Summe</t></is></c><c><v>12</v></c></row>";
    const QString book = dir.filePath("vehicles.xlsx");
    WriteAll(book, QByteArray::fromStdString(ZipBytes(XlsxParts({{"Notes", "<row r=\"1\"><c><v>1</v></c></row>"},
                                                                  {"Fahrzeuge", rows}}))));
    dialogs.fileAnswers.push_back(book);
    bool seen = false;
    WhenImportDialogShows([&](TFormImport* dialog) {
        seen = true;
        // A workbook has sheets to choose from where a text list has separators.
        EXPECT_FALSE(dialog->cbSeparator->isVisible());
        EXPECT_EQ(dialog->cbSheet->count(), 2);
        const auto key = [dialog](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(dialog->windowHandle(), k, modifiers);
        };
        key(Qt::Key_T, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), dialog->cbSheet);
        key(Qt::Key_Down);
        EXPECT_EQ(dialog->cbSheet->currentText(), "Fahrzeuge");
        EXPECT_TRUE(dialog->chkHeader->isChecked());
        EXPECT_EQ(dialog->cbPlateColumn->currentText(), "Kennzeichen (column 2)");
        // The first eight records and the last three, numbered by their rows.
        ASSERT_EQ(dialog->Preview->rowCount(), 12);
        EXPECT_EQ(dialog->Preview->verticalHeaderItem(0)->text(), "2");
        EXPECT_EQ(dialog->Preview->item(0, 1)->text(), "007");
        EXPECT_EQ(dialog->Preview->verticalHeaderItem(8)->text(), "...");
        EXPECT_EQ(dialog->Preview->verticalHeaderItem(11)->text(), "14");
        EXPECT_EQ(dialog->Preview->item(11, 0)->text(), "Summe");
        dialog->grab().save(QDir::temp().filePath("corvana-import-workbook.png"));
        key(Qt::Key_Return);
    });
    form->mnuFileImport->trigger();
    ASSERT_TRUE(seen);
    EXPECT_EQ(form->SG1->RowCount(), 13);
    EXPECT_EQ(Row(form->SG1, 1).mid(7), (QStringList{"1", "Smith,  John"}));
    EXPECT_EQ(StatusText(*form), "vehicles.xlsx: 12 plates imported; 1 record skipped: 1 reading as a total row");

    // CSV keeps the owner one field; the workbook keeps every cell as the grid shows it.
    Activate();
    const QString csv = dir.filePath("cards.csv");
    dialogs.fileAnswers.push_back(csv);
    QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
    const QByteArray csvBytes = ReadAll(csv);
    EXPECT_TRUE(csvBytes.startsWith("\xEF\xBB\xBFNumber plate,Wiegand 26-bit (hex),Facility code,ID number,Nr.,Halter\r\n"
                                    "007,0x0AA0902,85,1153,1,\"Smith,  John\"\r\n"))
        << csvBytes.toStdString();
    const QString book2 = dir.filePath("cards.xlsx");
    dialogs.fileAnswers.push_back(book2);
    QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.messages.value(dialogs.messages.size() - 1), "OK: file " + book2 + " saved");
    const std::vector<std::string> cells = OpenpyxlCells(book2.toStdString());
    ASSERT_EQ(cells.size(), 14u);
    for (int r = 0; r < 13; ++r) {
        QStringList expected;
        for (int c : {0, 1, 5, 6, 7, 8}) {
            const bool number = r > 0 && (c == 5 || c == 6);
            expected << (number ? "n:" : "s:") + form->SG1->Cells(c, r);
        }
        EXPECT_EQ(cells[std::size_t(r)], expected.join('|').toStdString());
    }
    EXPECT_EQ(cells.back(), "Wiegand 26-bit (SHA-1) A2 True");

    // Copy keeps the blanks inside a cell for the spreadsheet it is pasted into.
    form->SG1->SetSelection(TGridRect{8, 1, 8, 1});
    form->mnuCopy->trigger();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->html().contains(">Smith,&nbsp;&nbsp;John</td>"));
}

TEST_F(MainWindowTest, WorkbooksMadeByASpreadsheetProgramImportAsTheirListDoes)
{
    // A real spreadsheet program makes the .xlsx and the .ods of a list, every
    // column text as a user keeps 007; each imports as the list itself does.
    Open();
    const QString list = dir.filePath("vehicles.csv");
    WriteAll(list, "Nr.,Kennzeichen,Halter\n1,007,\"M\xC3\xBCller, Hans\"\n2,0815,\"Line\nbreak\"\n3,hk 55 evb,Lee\n"
                   "Total,3,\n");
    QProcess soffice;
    soffice.setProcessEnvironment([&] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", dir.path());
        return environment;
    }());
    for (const char* kind : {"xlsx", "ods"}) {
        soffice.start("soffice", {"--headless", "--norestore", "--infilter=CSV:44,34,76,1,1/2/2/2/3/2", "--convert-to",
                                  kind, "--outdir", dir.path(), list});
        ASSERT_TRUE(soffice.waitForFinished(240000) && soffice.exitCode() == 0) << soffice.readAllStandardError().toStdString();
    }
    const auto import = [&](const QString& file) {
        form->mnuFileNew->trigger();
        dialogs.fileAnswers.push_back(file);
        WhenImportDialogShows([](TFormImport* dialog) { dialog->accept(); });
        form->mnuFileImport->trigger();
        QList<QStringList> rows;
        for (int r = 0; r < form->SG1->RowCount(); ++r)
            rows << Row(form->SG1, r) << Row(form->SG2, r);
        return std::make_pair(rows, StatusText(*form).section(':', 1));
    };
    const auto fromList = import(list);
    EXPECT_EQ(fromList.second, " 3 plates imported; 1 record skipped: 1 reading as a total row");
    EXPECT_EQ(fromList.first.value(2).first(), "007");
    for (const char* book : {"vehicles.xlsx", "vehicles.ods"})
        EXPECT_EQ(import(dir.filePath(book)), fromList) << book;
}
