// Timing driver for the main window on the offscreen platform.

#include "BenchMeasure.h"
#include "AdvEdit.h"
#include "CollisionView.h"
#include "Dialogs.h"
#include "Memo.h"
#include "UMain.h"
#include "zelGrid.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool Report(const char* what, double value, double budget, const char* unit)
{
    const bool ok = value <= budget;
    std::printf("%-44s %10.3f %s  (budget %.3f %s) %s\n", what, value, unit, budget, unit, ok ? "ok" : "MISSED");
    return ok;
}

// Plates of the shapes operators load: letters, digits, spaces, some comments.
void WritePlateList(const QString& name, int lines)
{
    std::string text;
    text.reserve(std::size_t(lines) * 14);
    char buffer[32];
    for (int i = 0; i < lines; ++i) {
        const int n = std::snprintf(buffer, sizeof buffer, "%c%c %d %c%c%s\r\n", 'A' + i % 26, 'A' + (i / 26) % 26,
                                    i % 100000, 'a' + (i / 7) % 26, 'a' + (i / 11) % 26, i % 50 == 0 ? " ;x" : "");
        text.append(buffer, std::size_t(n));
    }
    QFile file(name);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), qint64(text.size()));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir dir;
    TScopedRecordingDialogs dialogs;
    const QString list = dir.filePath("plates.txt");
    WritePlateList(list, lines);

    bool ok = true;
    {
        TFormMain form(TSettingsFiles{dir.filePath("corvana.ini"), dir.filePath("corvana.ini")});
        form.show();
        QApplication::processEvents();

        auto start = std::chrono::steady_clock::now();
        form.OpenPlateList(list);
        QApplication::processEvents();
        ok &= Report("File > Open, both grids full", Seconds(start), 3.0, "s");
        std::printf("  rows: %d and %d\n", form.SG1->RowCount() - 1, form.SG2->RowCount() - 1);
        ok &= form.SG1->RowCount() - 1 == lines && form.SG2->RowCount() - 1 == lines;

        start = std::chrono::steady_clock::now();
        form.SaveGridToFile(form.SG1, dir.filePath("result.txt"));
        ok &= Report("Save as of the 26-bit grid", Seconds(start), 1.0, "s");

        start = std::chrono::steady_clock::now();
        QTest::mouseClick(form.SG1->viewport(), Qt::LeftButton, Qt::NoModifier, form.SG1->CellRect(6, 0).center());
        QApplication::processEvents();
        ok &= Report("Header click sorting \"ID number\"", Seconds(start), 1.5, "s");
        ok &= form.SG1->SortIndex() == 6;

        // A single-plate Calc at a million rows: the collision finders take the new
        // row and the status bar is current without a rescan of the grid.
        double worst = 0;
        for (int i = 0; i < 20; ++i) {
            form.EditPlate->SetText(QStringLiteral("zq %1").arg(i));
            const QString before = form.Collisions->StatusLabel()->text();
            start = std::chrono::steady_clock::now();
            QTest::mouseClick(form.btnCalc1, Qt::LeftButton);
            worst = std::max(worst, Seconds(start));
            ok &= form.Collisions->StatusLabel()->text() != before;
        }
        ok &= Report("Single-plate Calc and status bar (worst of 20)", worst * 1000.0, 5.0, "ms");

        ok &= Report("Resident memory, both grids full", double(ResidentKiB()) / 1024.0, 1024.0, "MiB");

        // The multi-plate box: its whole text in one pass, the box empty after.
        const int boxLines = std::min(lines, 100000);
        QString box;
        for (int i = 0; i < boxLines; ++i)
            box += QStringLiteral("mp %1\n").arg(i);
        form.EditPlates->setPlainText(box);
        start = std::chrono::steady_clock::now();
        form.btnCalc2Click(&form);
        std::printf("%-44s %10.3f s  (%d lines, box %s)\n", "Multi-plate Calc", Seconds(start), boxLines,
                    form.EditPlates->toPlainText().isEmpty() ? "empty" : "NOT EMPTY");
        ok &= form.EditPlates->toPlainText().isEmpty();
    }
    return ok ? 0 : 1;
}
