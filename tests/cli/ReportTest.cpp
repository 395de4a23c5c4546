#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "Report.h"

namespace zandrel::cli {
namespace {

Report Sample() {
    Report report;
    report.steps.push_back({"8", "Berechnen mit mathematischem Grundsatz", "1000", 168,
                            Summarise({0.07, 0.08, 0.09}), Summarise({0.075, 0.085, 0.095})});
    report.steps.push_back(
        {"dialog", "Berechen \"in\" C++, quoted", "1000", 168, Summarise({1, 2}), Summarise({1.5})});
    report.growth.push_back({"8", "Berechnen mit mathematischem Grundsatz", {1.02, 0.999, 8}});
    return report;
}

// Splits one CSV line, honouring quotes and doubled quotes.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

TEST(Report, JsonReadsBack) {
    std::ostringstream out;
    WriteReport(Sample(), Format::Json, out);
    const nlohmann::json doc = nlohmann::json::parse(out.str());
    ASSERT_EQ(doc["steps"].size(), 2u);
    EXPECT_EQ(doc["steps"][0]["caption"], "Berechnen mit mathematischem Grundsatz");
    EXPECT_EQ(doc["steps"][0]["items"], 168);
    EXPECT_DOUBLE_EQ(doc["steps"][0]["program"]["median_ms"].get<double>(), 0.08);
    EXPECT_DOUBLE_EQ(doc["steps"][0]["clock"]["max_ms"].get<double>(), 0.095);
    EXPECT_EQ(doc["steps"][1]["caption"], "Berechen \"in\" C++, quoted");
    EXPECT_DOUBLE_EQ(doc["growth"][0]["exponent"].get<double>(), 1.02);
}

TEST(Report, CsvReadsBack) {
    std::ostringstream out;
    WriteReport(Sample(), Format::Csv, out);
    std::istringstream in(out.str());
    std::string header;
    std::string first;
    std::string second;
    std::getline(in, header);
    std::getline(in, first);
    std::getline(in, second);
    const auto names = CsvFields(header);
    const auto row = CsvFields(first);
    ASSERT_EQ(row.size(), names.size());
    auto field = [&](const std::vector<std::string>& r, const char* name) {
        return r[static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin())];
    };
    EXPECT_EQ(field(row, "step"), "8");
    EXPECT_EQ(field(row, "items"), "168");
    EXPECT_DOUBLE_EQ(std::stod(field(row, "median_ms")), 0.08);
    EXPECT_DOUBLE_EQ(std::stod(field(row, "clock_median_ms")), 0.085);
    EXPECT_EQ(field(CsvFields(second), "caption"), "Berechen \"in\" C++, quoted");
}

TEST(Report, MarkdownAndTableHaveARowPerStep) {
    for (Format format : {Format::Markdown, Format::Table}) {
        std::ostringstream out;
        WriteReport(Sample(), format, out);
        const std::string text = out.str();
        EXPECT_NE(text.find("Berechnen mit mathematischem Grundsatz"), std::string::npos);
        EXPECT_NE(text.find("1.02"), std::string::npos);  // the exponent
    }
}

}  // namespace
}  // namespace zandrel::cli
