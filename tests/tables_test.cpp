// The depth-of-field cards as a PDF, read back with poppler's tools, and the
// program's exports of the panel's camera.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <sstream>

#include "app/tables.h"
#include "core/f_stops.h"
#include "core/table_text.h"
#include "ui/userint.h"

namespace {

std::string RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return process.readAllStandardOutput().toStdString();
}

std::string PageText(const QString& pdf, int page) {
    const QString number = QString::number(page);
    return RunTool("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"});
}

// The line of text that starts with head, blanks collapsed.
std::string LineStarting(const std::string& text, const std::string& head) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word, joined;
        while (words >> word) {
            joined += (joined.empty() ? "" : " ") + word;
        }
        if (joined.rfind(head, 0) == 0) {
            return joined;
        }
    }
    return {};
}

// Three cards, one page each, each page with the whole header; the 50 mm
// card's cells as typed from a hand calculation (near = H′s/(H′ + s − f),
// far = H′s/(H′ − (s − f)), H′ = f²/(N c), c = 0.030 mm), full stops across.
TEST(TablePdf, OnePagePerFocalLengthEachWithItsHeader) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("cards.pdf");
    std::vector<DofTable> tables;
    for (double focal : {24, 35, 50}) {
        tables.push_back(
            BuildDofTable(focal, 0.030, FullStops(), StandardDistances(Units::Metric)));
    }
    const std::string html =
        CardsHtml(tables, "Full frame, 36 \u00d7 24 mm, 6000 \u00d7 4000 pixels", "0.030 mm",
                  [](double metres) { return FormatDistance(metres, Units::Metric); });
    ASSERT_EQ(SaveHtmlAsPdf(html.c_str(), "cards", pdf.toUtf8().constData()), 0);
    EXPECT_EQ(LineStarting(RunTool("pdfinfo", {pdf}), "Pages:"), "Pages: 3");
    const char* const focals[] = {"24", "35", "50"};
    for (int page = 1; page <= 3; ++page) {
        const std::string text = PageText(pdf, page);
        EXPECT_EQ(LineStarting(text, "Depth of field"),
                  std::string("Depth of field, ") + focals[page - 1] + " mm lens");
        EXPECT_EQ(LineStarting(text, "Camera:"),
                  "Camera: Full frame, 36 \u00d7 24 mm, 6000 \u00d7 4000 pixels");
        EXPECT_EQ(LineStarting(text, "Circle"), "Circle of confusion: 0.030 mm");
        EXPECT_NE(LineStarting(text, "Distances from the lens;"), "");
        EXPECT_EQ(LineStarting(text, "Focus"),
                  "Focus f/1.4 f/2 f/2.8 f/4 f/5.6 f/8 f/11 f/16 f/22");
    }
    const std::string fifty = PageText(pdf, 3);
    EXPECT_EQ(LineStarting(fifty, "3.00 m"),
              "3.00 m 2.86 m 2.80 m 2.73 m 2.63 m 2.50 m 2.34 m 2.16 m 1.92 m 1.69 m");
    EXPECT_EQ(LineStarting(fifty, "3.16 m"),
              "3.16 m 3.23 m 3.33 m 3.49 m 3.74 m 4.19 m 4.91 m 6.92 m 13.56 m");
    EXPECT_EQ(LineStarting(fifty, "5.00 m"),
              "5.00 m 4.62 m 4.47 m 4.29 m 4.04 m 3.75 m 3.39 m 3.02 m 2.56 m 2.17 m");
    EXPECT_EQ(LineStarting(fifty, "5.45 m"),
              "5.45 m 5.67 m 6.00 m 6.56 m 7.49 m 9.53 m 14.43 m 100.81 m \u221e");
    EXPECT_EQ(LineStarting(fifty, "H "),
              "H 59.57 m 41.72 m 29.81 m 20.88 m 14.93 m 10.47 m 7.63 m 5.26 m 3.84 m");
    EXPECT_EQ(LineStarting(fifty, "H/2"),
              "H/2 29.79 m 20.86 m 14.91 m 10.44 m 7.47 m 5.23 m 3.81 m 2.63 m 1.92 m");
}

TEST(TablePdf, UnwritablePathIsAFailure) {
    EXPECT_EQ(SaveHtmlAsPdf("<p>x</p>", "x", "/nonexistent/folder/cards.pdf"), UIEFileWrite);
}

}  // namespace
