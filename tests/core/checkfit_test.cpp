#include "core/checkfit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/fretboard.h"

namespace varnel {
namespace {

// Positions made by a model, here: L g(j) + o.
std::vector<Measurement> made(double factor, double length, double offset, int frets) {
    std::vector<Measurement> out;
    for (int j = 1; j <= frets; ++j) {
        const double g = factor > 0 ? 1 - std::pow(1 - factor, j) : 1 - std::exp2(-j / 12.0);
        out.push_back({j, length * g + offset});
    }
    return out;
}

// Exact data from every model, lengths and offsets across their ranges: the fit recovers them to
// 1e-9 mm and names the model that made them; cents follow the formula.
TEST(CheckFitTest, ExactPositionsRecoverTheirModelLengthAndOffset) {
    const struct {
        double factor;
        const char* name;
    } models[] = {{0, "twelfth root"},
                  {kFactorCommon, "rule of 18ths, common"},
                  {kFactorDervin, "rule of 18ths, dervin"},
                  {kFactorPrimitive, "rule of 18ths, primitive"}};
    for (const auto& [factor, name] : models) {
        for (const auto& [length, offset] :
             {std::pair{100.0, -5.0}, {647.7, 0.0}, {864, 2.5}, {1500, 5.0}}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(length));
            const auto check = checkInstrument(made(factor, length, offset, 22), std::nullopt);
            const InstrumentCheck& c = std::get<InstrumentCheck>(check);
            EXPECT_EQ(c.models.front().name, name);
            EXPECT_NEAR(c.models.front().scaleLength, length, 1e-9);
            EXPECT_NEAR(c.models.front().offset, offset, 1e-9);
            EXPECT_NEAR(c.frets[4].residual, 0, 1e-9);
            // The open string runs from the nut as it stands to the fitted saddle.
            const double d = c.frets[4].measured, open = length + offset;
            EXPECT_NEAR(c.frets[4].cents, 1200 * std::log2(open / (open - d) / std::exp2(5 / 12.0)),
                        1e-9);
        }
    }
    // A given scale length sets the cents; the fit stays the fit.
    const auto given = std::get<InstrumentCheck>(checkInstrument(made(0, 650, 0, 12), 648.0));
    EXPECT_NEAR(given.frets[11].cents, 1200 * std::log2(648 / (648 - 325.0) / 2), 1e-9);
}

// A nut that stands off is the same few cents at every fret, said in words in the check's own
// unit; with a given scale length, so is the saddle's distance from where the frets want it.
TEST(CheckFitTest, NutAndSaddleErrorsAreSaidInWords) {
    const struct {
        std::vector<Measurement> measured;
        std::optional<double> scale;
        Units units;
        std::vector<std::string> findings;
        double cents;  // at every fret
    } rows[] = {
        {made(0, 648, -0.4, 22),
         {},
         Units::Millimetres,
         {"The nut stands 0.40 mm toward the bridge from where the frets want it."},
         1200 * std::log2(647.6 / 648)},
        {made(0, 25.5, 0.02, 12),
         25.6,
         Units::Inches,
         {"The nut stands 0.020 in away from the bridge from where the frets want it.",
          "The saddle stands 0.080 in away from the nut from where the frets want it."},
         NAN},
        {made(0, 648, 0, 12),
         647.5,
         Units::Millimetres,
         {"The nut stands where the frets want it.",
          "The saddle stands 0.50 mm toward the nut from where the frets want it."},
         NAN},
    };
    for (const auto& row : rows) {
        const auto c = std::get<InstrumentCheck>(
            checkInstrument(row.measured, row.scale, std::nullopt, row.units));
        std::vector<std::string> findings;
        for (const Message& finding : checkFindings(c)) findings.push_back(finding.english());
        EXPECT_EQ(findings, row.findings);
        EXPECT_STREQ(checkUnit(c), unitSymbol(row.units));
        for (const FretCheck& f : c.frets) {
            if (!std::isnan(row.cents)) {
                EXPECT_NEAR(f.cents, row.cents, 1e-9) << f.fret;
            }
        }
    }
}

TEST(CheckFitTest, MeasurementsThatCannotBeCheckedAreRefusedByFret) {
    const auto refused = [](std::vector<Measurement> m, std::optional<double> scale = {}) {
        return std::get<Message>(checkInstrument(std::move(m), scale)).english();
    };
    EXPECT_EQ(refused({{1, 36}, {2, 70}}), "Measure at least 3 frets to check an instrument.");
    EXPECT_EQ(refused({{1, 36}, {2, -70}, {3, 100}}),
              "Fret 2: the distance, -70, must be a positive number.");
    EXPECT_EQ(refused({{1, 36}, {2, INFINITY}, {3, 100}}),
              "Fret 2: the distance, inf, must be a positive number.");
    EXPECT_EQ(refused({{1, 36}, {3, 30}, {2, 70}}),
              "Fret 3 is measured no farther from the nut than fret 2.");
    EXPECT_EQ(refused({{1, 36}, {2, 70}, {3, 100}}, 90.0),
              "The scale length, 90, must be beyond the last fret, 100 from the nut.");
    // The file: fret and distance, or distances alone; a header; a blank distance skips.
    const auto rows = std::get<std::vector<Measurement>>(
        readMeasurements("fret,distance\r\n1,36.4\r\n2,\r\n3,100.5\r\n"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].fret, 3);
    EXPECT_EQ(std::get<std::vector<Measurement>>(readMeasurements("36\n70\n")).back().fret, 2);
    // Inches as a chart shows them.
    EXPECT_EQ(
        std::get<std::vector<Measurement>>(readMeasurements("1,1 27/64\n2,59/64\n"))[0].distance,
        1 + 27 / 64.0);
    for (const char* text : {"1 27/0", "-1/2", "1 2/3/4", "a/b"})
        EXPECT_FALSE(distanceFromText(text)) << text;
    EXPECT_EQ(std::get<Message>(readMeasurements("1,36\n2,abc\n")),
              "Line 2: \"abc\" is not a distance.");
    // As spreadsheets in comma locales save CSV: semicolons between fields, decimal commas (or
    // points); a file with a semicolon anywhere is read so throughout.
    const struct {
        const char* csv;
        std::vector<Measurement> rows;
    } semicolons[] = {
        {"Bund;Abstand\r\n1;36,37\r\n2;\r\n3;100,5\r\n", {{1, 36.37}, {3, 100.5}}},
        {"1;36.37\n2;70,25\n", {{1, 36.37}, {2, 70.25}}},
        {"1;1 27/64\n", {{1, 1 + 27 / 64.0}}},
        // Cells as a spreadsheet copies them (and a file saved so), in either locale.
        {"Bund\tAbstand\n1\t36,37\n2\t70.25\n", {{1, 36.37}, {2, 70.25}}},
    };
    for (const auto& file : semicolons) {
        const auto read = readMeasurements(file.csv);
        ASSERT_TRUE(std::holds_alternative<std::vector<Measurement>>(read)) << file.csv;
        const auto& got = std::get<std::vector<Measurement>>(read);
        ASSERT_EQ(got.size(), file.rows.size()) << file.csv;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].fret, file.rows[i].fret) << file.csv;
            EXPECT_EQ(got[i].distance, file.rows[i].distance) << file.csv;
        }
    }
    EXPECT_EQ(std::get<Message>(readMeasurements("1;36,37\n2;70,2,5\n")),
              "Line 2: \"70,2,5\" is not a distance.");
}

// Measuring noise of 0.05 mm on a 22-fret board: the worst of 1000 boards from a fixed seed
// still finds the scale length within 0.3 mm.
TEST(CheckFitTest, NoisyMeasurementsStillFindTheScaleLength) {
    std::mt19937 random(2026);
    std::normal_distribution<double> noise(0, 0.05);
    double worst = 0;
    for (int board = 0; board < 1000; ++board) {
        auto m = made(0, 648, 0, 22);
        for (Measurement& fret : m) fret.distance += noise(random);
        const auto c = std::get<InstrumentCheck>(checkInstrument(m, std::nullopt));
        const auto root = std::find_if(c.models.begin(), c.models.end(),
                                       [](const ModelFit& f) { return f.factor == 0; });
        worst = std::max(worst, std::fabs(root->scaleLength - 648));
    }
    EXPECT_LT(worst, 0.3);
    RecordProperty("worst_scale_error_mm", std::to_string(worst));
}

}  // namespace
}  // namespace varnel
