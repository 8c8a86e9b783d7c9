// Plain data of one fit run: fit types, what the window hands the fit and everything the fit returns.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

// The curve fit types, in the order of the "Curve fit type" radios.
enum FitType { XvsY = 0, LnXvsY = 1, XvsLnY = 2, LnXvsLnY = 3, InvXvsLnY = 4, Lmp = 5 };

constexpr int maxEquations = 6;
constexpr int maxFitOrder = 15;

// How a run ended; everything but Ok stops it with the box the window shows for it.
enum class FitStatus {
    Ok,
    MissingData,      // "Missing data": no point in the source table
    IllegalValues,    // "Illegal values": see FitPoints::illegalVariable
    BadBoundaries,    // "Bad boundaries": see FitOutput::badBoundaries
    IllegalIntercept, // "Illegal Y-intercept value": the intercept is needed but its field is empty
};

// The variable whose value cannot be transformed: not > 0 where a logarithm or reciprocal is taken,
// or not a finite number after conversion and transform.
enum class IllegalVariable { None, X, Y, XAndY };

// What the window reads from its widgets for a fit of types 0..4.
struct FitInput {
    int fitType = XvsY;
    std::vector<double> cellX, cellY; // the source table's x and y of rows 0..pointCount-1
    bool xIsTemperature = false;      // "x is T"
    int temperatureScale = 0;         // index into "C -> K", "F -> K", "F -> C", "K -> C", "C -> F", "K -> F"
    double yScale = 1.0;              // the y-scaling factor (already reset to 1.0 when below 1e-50)
    int equationCount = 1;            // 1..maxEquations
    std::vector<int> fitOrders;       // per equation, 1..maxFitOrder (a missing entry counts as 1)
    std::vector<double> shownLimits;  // the numbers in the upper-limit fields of equations 0..equationCount-2
    int overlap = 0;                  // "# overlap pts"; negative counts as 0
    bool setIntercept = false;        // Y-intercept "Set" ticked
    std::optional<double> intercept;  // the Y-intercept field's number; empty when its trimmed text is empty
    int plotCanvasWidth = 0;          // width of the main fit canvas; the curve gets width / 3 points
};

// The points of a run in the fitted space, sorted by x; the run stops unless status is Ok.
struct FitPoints {
    FitStatus status = FitStatus::Ok;
    IllegalVariable illegalVariable = IllegalVariable::None;
    int illegalRow = -1;      // table row of the first illegal value
    std::vector<double> x, y; // transformed values, x ascending after sorting
    std::vector<int> rows;    // table row of each point
    double xMin = 1e99, xMax = -1e99, yMin = 1e99, yMax = -1e99;
};

// The numbers of the "Bad boundaries" message (the window formats the limits for the x axis).
struct BadBoundaries {
    int equation = -1; // zone index; the message shows it plus 1
    double lower = 0, upper = 0;
    int order = 0, overlap = 0;
};

// One equation (zone) of a run.
struct ZoneFit {
    int order = 1;
    int ownPoints = 0;    // sorted points whose x falls in the zone
    int firstIndex = 0;   // sorted index of its first point (where it would start when it has none)
    int fittedPoints = 0; // points handed to the engine, overlap included
    bool interceptFixed = false;
    bool fitted = false;              // false shows "error - not fitted"
    std::vector<double> coefficients; // C0..Cm for unscaled x, valid when fitted
    double rSquared = 0;
    double maxDifference = 0; // signed percentage difference of largest magnitude over the zone's rows
    bool hasMismatch = false; // mismatch with the next equation at the shared limit
    double mismatch = 0;      // (a - c) * 100 / a, shown "%.4lf%%"
};

// The fit of one table row, in table order.
struct RowFit {
    double t = 0; // transformed x
    double y = 0; // cell y times yScale
    int zone = 0;
    bool hasFit = false;        // false when the zone's equation failed or gave no finite value
    double fitted = 0;          // the equation at t, through exp for the ln(y) types
    bool hasDifference = false; // false for y = 0 (and with no fit); such a row counts towards no maximum
    double difference = 0;      // (y - fitted) * 100 / y
};

// One plot series in the fitted space with one colour per point (0 where none is set).
struct FitSeries {
    std::vector<double> x, y;
    std::vector<uint32_t> colours;
};

struct FitOutput {
    FitStatus status = FitStatus::Ok;
    IllegalVariable illegalVariable = IllegalVariable::None;
    int illegalRow = -1;
    BadBoundaries badBoundaries;
    double xMin = 1e99, xMax = -1e99, yMin = 1e99, yMax = -1e99; // y widened by the fitted curve
    double xScale = 1;                                           // the engine saw xScale * x
    bool converted = false;      // "x is T" or a y-scaling factor other than 1
    std::vector<double> limits;  // lim[0..equationCount]
    std::vector<int> pointZones; // zone of each sorted point
    std::vector<ZoneFit> zones;
    int referenceZone = 0; // zone that collected the smallest y (for adjusted equations)
    std::vector<RowFit> rows;
    FitSeries points, curve; // series 0 (sorted points, coloured by zone) and 1 (fitted curve)
    bool positiveSlope = false, negativeSlope = false;
};
