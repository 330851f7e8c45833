// Times corvana-cli reading a 1,000,000-row list of five columns as an Excel
// workbook, its texts in shared strings as spreadsheet programs write them,
// against the same list as CSV (--input xlsx|csv --header): at most 10 times
// as long, by the median of the ratios of paired runs' wall times (budget; a
// workbook's shared strings, its sheet and the conversion are read side by side
// on the machine's two cores, so its CPU time, also printed, is larger), and
// streamed: the peak resident memory stays well below the size of the sheet's
// XML. The two result files must be equal.
//   bench_workbook [ROWS] [RUNS]
#include "CliRuns.h"
#include "TestWorkbooks.h"

#include <fstream>
#include <iterator>
#include <random>

namespace {

struct TList {
    std::string csv, xlsx;
    std::size_t sheetXmlBytes = 0, sharedXmlBytes = 0, fileBytes = 0;
};

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : std::string(1, c);
    return out;
}

TList WriteLists(std::size_t rows)
{
    TList list{"/tmp/corvana-bench-book.csv", "/tmp/corvana-bench-book.xlsx"};
    std::ofstream csv(list.csv, std::ios::binary);
    std::string sheet, shared;
    std::size_t strings = 0;
    const auto text = [&](const std::string& value) {
        shared += "<si><t>" + Escaped(value) + "</t></si>";
        return "<v>" + std::to_string(strings++) + "</v>";
    };
    const char* const headers[] = {"Plate", "Owner", "Department", "Card", "Nr"};
    csv << "Plate,Owner,Department,Card,Nr\r\n";
    sheet += "<row r=\"1\" spans=\"1:5\">";
    for (int c = 0; c < 5; ++c)
        sheet += std::string("<c r=\"") + char('A' + c) + "1\" t=\"s\">" + text(headers[c]) + "</c>";
    sheet += "</row>";
    std::mt19937 random(1);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (std::size_t i = 1; i <= rows; ++i) {
        std::string plate;
        for (int n = 5 + int(random() % 4); n > 0; --n)
            plate.push_back(letters[random() % letters.size()]);
        const std::string owner = "Owner " + std::to_string(random() % 50000);
        const std::string department = "Department " + std::to_string(i % 17);
        const std::string card = "card " + std::to_string(i);
        csv << plate << ',' << owner << ',' << department << ',' << card << ',' << i << "\r\n";
        const std::string r = std::to_string(i + 1);
        sheet += "<row r=\"" + r + "\" spans=\"1:5\"><c r=\"A" + r + "\" t=\"s\">" + text(plate) + "</c><c r=\"B" + r +
                 "\" t=\"s\">" + text(owner) + "</c><c r=\"C" + r + "\" t=\"s\">" + text(department) + "</c><c r=\"D" +
                 r + "\" t=\"s\">" + text(card) + "</c><c r=\"E" + r + "\"><v>" + std::to_string(i) + "</v></c></row>";
    }
    list.sheetXmlBytes = sheet.size();
    list.sharedXmlBytes = shared.size();
    const std::string book = ZipBytes(XlsxParts({{"Vehicles", sheet}}, shared));
    list.fileBytes = book.size();
    std::ofstream(list.xlsx, std::ios::binary) << book;
    return list;
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fa), {}) == std::string(std::istreambuf_iterator<char>(fb), {});
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t rows = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const TList list = WriteLists(rows);
    std::printf("corvana-cli, %zu rows of five columns, %d runs a figure (minimum / median); the sheet's XML is %zu "
                "MiB, the shared strings' %zu MiB, the file %zu MiB\n",
                rows, runs, list.sheetXmlBytes >> 20, list.sharedXmlBytes >> 20, list.fileBytes >> 20);
    const std::string fromCsv = "/tmp/corvana-bench-book-csv.txt", fromXlsx = "/tmp/corvana-bench-book-xlsx.txt";
    TRuns csv, xlsx;
    std::vector<double> ratios, cpuRatios;
    for (int i = 0; i < runs; ++i) {
        csv.Add(RunProgram(CORVANA_CLI, {"--input", "csv", "--header", "-o", fromCsv, list.csv}));
        xlsx.Add(RunProgram(CORVANA_CLI, {"--input", "xlsx", "--header", "-o", fromXlsx, list.xlsx}));
        ratios.push_back(xlsx.wall.back() / csv.wall.back());
        cpuRatios.push_back(xlsx.cpu.back() / csv.cpu.back());
    }
    csv.Print("the list as CSV");
    const TFigure book = xlsx.Print("the list as a workbook");
    const double ratio = Median(ratios);
    const bool same = SameFile(fromCsv, fromXlsx);
    const bool streamed = double(book.peakKiB) * 1024 < double(list.sheetXmlBytes);
    const bool ok = same && ratio <= 10 && streamed;
    std::printf("\nthe workbook: %.2f times as long as the CSV list (budget 10; %.2f times its CPU time), peak RSS %ld "
                "MiB against %zu MiB of sheet XML (streamed), files %s: %s\n",
                ratio, Median(cpuRatios), book.peakKiB >> 10, list.sheetXmlBytes >> 20, same ? "equal" : "DIFFERENT",
                ok ? "ok" : "MISSED");
    for (const std::string& file : {list.csv, list.xlsx, fromCsv, fromXlsx})
        ::unlink(file.c_str());
    return ok ? 0 : 1;
}
