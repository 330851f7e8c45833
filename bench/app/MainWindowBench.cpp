// Timing driver for the main window on the offscreen platform, at a million
// plates in both grids with the plates that share a code shown.
//   main_window_bench [LINES] [RUNS]
// Each run starts the window afresh in a process of its own (so that every run
// measures the same resident memory) and measures every figure once, and a
// second process opens the list with a recovery file kept; the driver
// then prints, per figure, the minimum and the median of the runs in wall time
// and in CPU time beside its budget. The budgets hold on the project's 2-core
// machine, idle; a figure counts as met when the median wall time is within its
// budget. On a busy machine compare the CPU times.
// With CORVANA_BENCH_SCREEN_READER set, a run waits until a screen reader's
// accessibility bus is active before it measures (screen_reader_bench.py runs the
// same work with the bus on and off).

#include "BenchMeasure.h"
#include "AdvEdit.h"
#include "CollisionView.h"
#include "Dialogs.h"
#include "GridHistory.h"
#include "Memo.h"
#include "RecoveryKeeper.h"
#include "UMain.h"
#include "zelGrid.h"

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// The budgets at 1,000,000 plates, both grids full.
struct TBudget {
    const char* key;
    const char* what;
    double limit;
    const char* unit;
};
const TBudget kBudgets[] = {
    {"open", "File > Open, both grids full", 1.0, "s"},
    {"undoOpen", "Edit > Undo of that File > Open", 0.2, "s"},
    {"redoOpen", "Edit > Redo of it", 1.0, "s"},
    {"deleteRow", "Shift+Del of a row", 20.0, "ms"},
    {"undoDelete", "Edit > Undo of it", 20.0, "ms"},
    {"memory", "Resident memory, both grids full", 360.0, "MiB"},
    {"save", "Save as of the 26-bit grid", 0.15, "s"},
    {"sort", "Header click sorting \"ID number\"", 0.5, "s"},
    {"calc", "Single-plate Calc and status bar, worst of 20", 2.0, "ms"},
    {"append", "Multi-plate Calc of 100,000 into full grids", 0.15, "s"},
    {"calcOnly", "The same with \"Only plates that share a code\"", 2.0, "ms"},
};

// Wall and CPU time of one piece of work.
class TStopwatch {
public:
    TStopwatch() : wall_(std::chrono::steady_clock::now()), cpu_(CpuSeconds()) {}
    double Wall() const { return Seconds(wall_); }
    double Cpu() const { return CpuSeconds() - cpu_; }

private:
    std::chrono::steady_clock::time_point wall_;
    double cpu_;
};

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

// One figure of one run: "key wall cpu", times in the figure's unit.
void Emit(const char* key, double wall, double cpu, double scale)
{
    std::printf("FIGURE %s %.6f %.6f\n", key, wall * scale, cpu * scale);
    std::fflush(stdout);
}

// Twenty single-plate Calcs; each must leave the status bar changed. The worst
// wall time and the CPU time of that Calc.
bool SingleCalcs(TFormMain& form, const char* key, const char* prefix)
{
    bool ok = true;
    double worst = 0, worstCpu = 0;
    for (int i = 0; i < 20; ++i) {
        form.EditPlate->SetText(QStringLiteral("%1 %2").arg(QLatin1String(prefix)).arg(i));
        const QString before = form.Collisions->StatusLabel()->text();
        const TStopwatch watch;
        QTest::mouseClick(form.btnCalc1, Qt::LeftButton);
        const double wall = watch.Wall(), cpu = watch.Cpu();
        if (wall > worst) {
            worst = wall;
            worstCpu = cpu;
        }
        ok &= form.Collisions->StatusLabel()->text() != before;
    }
    Emit(key, worst, worstCpu, 1000.0);
    return ok;
}

// Waits, at most 5 s, until `done`: with a screen reader attached a key reaches
// the window only once the accessibility registry has seen it.
void WaitUntil(const std::function<bool()>& done)
{
    QTimer wake; // the wait below ends with an event at the latest
    wake.start(100);
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The toolkit learns from the session bus that a screen reader listens a moment
// after the window shows.
bool WaitForScreenReader()
{
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return QAccessible::isActive();
}

int RunOnce(const QString& list, int lines, const QString& dir)
{
    bool ok = true;
    TFormMain form(TSettingsFiles{dir + "/corvana.ini", dir + "/corvana.ini"});
    form.show();
    QApplication::processEvents();
    if (qEnvironmentVariableIsSet("CORVANA_BENCH_SCREEN_READER") && !WaitForScreenReader()) {
        std::fprintf(stderr, "no screen reader's accessibility bus became active\n");
        return 2;
    }

    {
        const TStopwatch watch;
        form.OpenPlateList(list);
        QApplication::processEvents();
        Emit("open", watch.Wall(), watch.Cpu(), 1.0);
    }
    ok &= form.SG1->RowCount() - 1 == lines && form.SG2->RowCount() - 1 == lines;
    std::printf("FIGURE memory %.3f 0\n", double(ResidentKiB()) / 1024.0);
    std::printf("FIGURE peak %.3f 0\n", double(ResidentKiB("VmHWM:")) / 1024.0);

    const int afterOpen = form.History->Stack().index();

    {
        const TStopwatch watch;
        form.SaveGridToFile(form.SG1, dir + "/result.txt");
        Emit("save", watch.Wall(), watch.Cpu(), 1.0);
    }
    {
        const TStopwatch watch;
        QTest::mouseClick(form.SG1->viewport(), Qt::LeftButton, Qt::NoModifier, form.SG1->CellRect(6, 0).center());
        QApplication::processEvents();
        Emit("sort", watch.Wall(), watch.Cpu(), 1.0);
        ok &= form.SG1->SortIndex() == 6;
    }
    ok &= SingleCalcs(form, "calc", "zq");

    // The multi-plate box: its whole text in one pass, the box empty after.
    const int boxLines = std::min(lines, 100000);
    QString box;
    for (int i = 0; i < boxLines; ++i)
        box += QStringLiteral("mp %1\n").arg(i);
    form.EditPlates->setPlainText(box);
    {
        const TStopwatch watch;
        form.btnCalc2Click(&form);
        Emit("append", watch.Wall(), watch.Cpu(), 1.0);
    }
    ok &= form.EditPlates->toPlainText().isEmpty();

    // With "Only plates that share a code" on the 26-bit tab: every Calc shows or
    // hides only the rows it touched.
    form.PageControl1->SetActivePageIndex(0);
    form.Collisions->OnlySharedItem()->trigger();
    QApplication::processEvents();
    ok &= form.Collisions->OnlySharedItem()->isChecked();
    ok &= SingleCalcs(form, "calcOnly", "zr");

    // Shift+Del of a row in the middle of the 26-bit grid, all rows shown, and Undo.
    form.Collisions->OnlySharedItem()->trigger();
    QApplication::processEvents();
    {
        form.PageControl1->SetActivePageIndex(0);
        form.SG1->setFocus();
        form.SG1->SetCol(0);
        form.SG1->SetRow(lines / 2);
        const std::string plate(form.SG1->CellText(0, lines / 2));
        const int rows = form.SG1->RowCount(); // the list's, the box's and the Calcs' plates
        TStopwatch watch;
        QTest::keyClick(form.SG1, Qt::Key_Delete, Qt::ShiftModifier);
        WaitUntil([&] { return form.SG1->RowCount() == rows - 1; });
        Emit("deleteRow", watch.Wall(), watch.Cpu(), 1000.0);
        ok &= form.SG1->RowCount() == rows - 1;
        watch = TStopwatch();
        form.mnuUndo->trigger();
        Emit("undoDelete", watch.Wall(), watch.Cpu(), 1000.0);
        ok &= form.SG1->RowCount() == rows && form.SG1->CellText(0, lines / 2) == plate;
    }

    // The steps after File > Open taken back, unmeasured; then Undo drops the
    // list's rows and Redo computes them again.
    form.History->Stack().setIndex(afterOpen);
    QApplication::processEvents();
    {
        const TStopwatch watch;
        form.mnuUndo->trigger();
        Emit("undoOpen", watch.Wall(), watch.Cpu(), 1.0);
    }
    ok &= form.SG1->RowCount() == 2 && form.SG2->RowCount() == 2;
    {
        const TStopwatch watch;
        form.mnuRedo->trigger();
        Emit("redoOpen", watch.Wall(), watch.Cpu(), 1.0);
    }
    ok &= form.SG1->RowCount() - 1 == lines && form.SG2->RowCount() - 1 == lines;
    return ok ? 0 : 1;
}

// File > Open with a recovery file kept, and the file brought up to date after
// it: the time and the peak of memory the upkeep adds to a plain File > Open.
int RunKept(const QString& list, int lines, const QString& dir)
{
    TFormMain form(TSettingsFiles{dir + "/corvana.ini", dir + "/corvana.ini"});
    form.show();
    form.KeepRecoveryIn(dir + "/recovery");
    QApplication::processEvents();
    if (!form.Recovery)
        return 1;
    const TStopwatch watch;
    form.OpenPlateList(list);
    QApplication::processEvents();
    form.Recovery->Flush();
    Emit("openKept", watch.Wall(), watch.Cpu(), 1.0);
    std::printf("FIGURE peakKept %.3f 0\n", double(ResidentKiB("VmHWM:")) / 1024.0);
    const bool ok = form.SG1->RowCount() - 1 == lines && QFile::exists(form.Recovery->FileName());
    return ok ? 0 : 1;
}

// The summary line of what the recovery file's upkeep adds: the median of each
// pair of runs' ratio (the two processes run in turns), and of the peaks.
bool PrintUpkeep(std::map<std::string, std::vector<double>>& wall)
{
    const std::vector<double>& open = wall["open"];
    const std::vector<double>& kept = wall["openKept"];
    if (open.empty() || open.size() != kept.size() || wall["peakKept"].empty() || wall["peak"].empty())
        return false;
    std::vector<double> ratios;
    for (std::size_t i = 0; i < open.size(); ++i)
        ratios.push_back(kept[i] / open[i]);
    const double time = Median(ratios) - 1.0;
    const double memory = Median(wall["peakKept"]) - Median(wall["peak"]);
    const bool met = time <= 0.10 && memory <= 64.0;
    std::printf("%-50s %+8.1f %% and %+8.1f MiB (budget +10 %%, +64 MiB) %s\n",
                "Recovery file upkeep of File > Open (time, peak memory)", time * 100.0, memory, met ? "ok" : "MISSED");
    return met;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    if (argc > 4 && (std::string(argv[3]) == "--run" || std::string(argv[3]) == "--kept")) {
        QTemporaryDir dir;
        TScopedRecordingDialogs dialogs;
        const QString list = QString::fromLocal8Bit(argv[4]);
        return std::string(argv[3]) == "--run" ? RunOnce(list, lines, dir.path()) : RunKept(list, lines, dir.path());
    }

    QTemporaryDir dir;
    const QString list = dir.filePath("plates.txt");
    WritePlateList(list, lines);
    std::map<std::string, std::vector<double>> wall, cpu;
    bool ok = true;
    for (int run = 0; run < 2 * runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::number(lines), QString::number(runs),
                     run % 2 == 0 ? QStringLiteral("--run") : QStringLiteral("--kept"), list});
        child.waitForFinished(-1);
        ok &= child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() != 4 || fields[0] != "FIGURE")
                continue;
            wall[fields[1].toStdString()].push_back(fields[2].toDouble());
            cpu[fields[1].toStdString()].push_back(fields[3].toDouble());
        }
    }

    std::printf("main window, %d plates in both grids, %d runs (each figure: minimum / median)\n", lines, runs);
    std::printf("%-50s %21s  %21s  %10s\n", "", "wall", "CPU", "budget");
    for (const TBudget& budget : kBudgets) {
        const std::vector<double>& w = wall[budget.key];
        const std::vector<double>& c = cpu[budget.key];
        if (w.empty()) {
            std::printf("%-50s missing\n", budget.what);
            ok = false;
            continue;
        }
        const bool met = Median(w) <= budget.limit;
        ok &= met;
        const bool memory = std::string(budget.key) == "memory";
        std::printf("%-50s %9.3f / %-9.3f  %9s / %-9s  %8.3f %-3s %s\n", budget.what, Minimum(w),
                    Median(w), memory ? "" : QByteArray::number(Minimum(c), 'f', 3).constData(),
                    memory ? "" : QByteArray::number(Median(c), 'f', 3).constData(), budget.limit, budget.unit,
                    met ? "ok" : "MISSED");
    }
    ok &= PrintUpkeep(wall);
    return ok ? 0 : 1;
}
