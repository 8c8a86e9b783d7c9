// The shared number formatting rule at its magnitude boundaries, in every mode.
#include "axis/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(NumberFormat, DecimalsForMagnitudeAtTheBoundaries) {
    NumberFormatSettings normal, developer, lmp;
    developer.developerMode = true;
    lmp.larsonMillerMode = true;
    struct Case {
        double value;
        int decimals, developerDecimals;
    } cases[] = {
        {0, 2, 2},      {0.1, 2, 2},   {0.1000001, 5, 5}, {1, 5, 5},         {1.0001, 4, 4},
        {10, 4, 4},     {10.5, 3, 3},  {100, 3, 3},       {100.1, 2, 2},     {1000, 2, 2},
        {1000.5, 1, 1}, {10000, 1, 1}, {10000.5, 0, 1},   {-0.5, 5, 5},      {-12345, 0, 1},
        {-0.05, 2, 2},  {NAN, 2, 2},   {INFINITY, 0, 1},  {-INFINITY, 0, 1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(decimalsForMagnitude(c.value, normal), c.decimals) << c.value;
        EXPECT_EQ(decimalsForMagnitude(c.value, developer), c.developerDecimals) << c.value;
        EXPECT_EQ(decimalsForMagnitude(c.value, lmp), 3) << c.value;
    }
}

TEST(NumberFormat, AxisValues) {
    NumberFormatSettings normal, developer, lmp, scientificY;
    developer.developerMode = true;
    lmp.larsonMillerMode = true;
    scientificY.numberFormatType[1] = 1;
    struct Case {
        double value;
        const char *normal;
        const char *developer;
    } cases[] = {
        {0.05, "5.000000e-02", "5.000000e-02"},
        {0.1, "1.000000e-01", "1.000000e-01"},
        {-0.1, "-1.000000e-01", "-1.000000e-01"},
        {0.5, "0.50000", "0.50000"},
        {1, "1.00000", "1.00000"},
        {10, "10.0000", "10.0000"},
        {100, "100.000", "100.000"},
        {1000, "1000.00", "1000.00"},
        {10000, "10000.0", "10000.0"},
        {12345.678, "12346", "12345.7"},
        {-12.5, "-12.500", "-12.500"},
        {-13, "-13.000", "-13.000"},
        {0, "0.000000e+00", "0.000000e+00"},
        {NAN, "nan", "nan"},
        {-NAN, "nan", "nan"},
        {INFINITY, "inf", "inf"},
        {-INFINITY, "-inf", "-inf"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(formatAxisValue(0, c.value, normal), c.normal) << c.value;
        EXPECT_EQ(formatAxisValue(1, c.value, developer), c.developer) << c.value;
    }
    EXPECT_EQ(formatAxisValue(1, 12.5, scientificY), "1.250000e+01");
    EXPECT_EQ(formatAxisValue(0, 12.5, scientificY), "12.500");
    EXPECT_EQ(formatAxisValue(7, 12.5, scientificY), "12.500");
    EXPECT_EQ(formatAxisValue(1, 12.5, lmp), "12.500");
    EXPECT_EQ(formatAxisValue(0, 0.05, lmp), "0.050");
    EXPECT_EQ(formatAxisValue(0, 21345.25, lmp), "21345.250");
}

TEST(NumberFormat, FitValues) {
    NumberFormatSettings normal, developer, lmp, temperature, fine, coarse, onePixel;
    developer.developerMode = true;
    lmp.larsonMillerMode = true;
    temperature.xIsTemperature = true;
    fine.plotResolution = 0.01;
    coarse.plotResolution = 0.05;
    onePixel.plotResolution = 1;
    struct Case {
        double value;
        const NumberFormatSettings *settings;
        const char *text;
    } cases[] = {
        {0.1, &normal, "0.10"},
        {0.099, &normal, "9.900000e-02"},
        {0.5, &normal, "0.50000"},
        {1, &normal, "1.00000"},
        {10, &normal, "10.0000"},
        {100, &normal, "100.000"},
        {500, &normal, "500.00"},
        {1000, &normal, "1000.00"},
        {1000.5, &normal, "1.000500e+03"},
        {-5, &normal, "-5.000000e+00"},
        {-0.01, &normal, "-1.000000e-02"},
        {500, &developer, "500.00"},
        {20000, &developer, "2.000000e+04"},
        {500, &lmp, "500.000"},
        {-5, &lmp, "-5.000"},
        {500, &temperature, "500.0"},
        {0.05, &temperature, "0.1"},
        {500, &fine, "500.000"},
        {5, &fine, "5.000"},
        {500, &coarse, "500.00"},
        {500, &onePixel, "500.00"},
        {NAN, &normal, "nan"},
        {INFINITY, &normal, "inf"},
        {-INFINITY, &normal, "-inf"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatFitValue(c.value, *c.settings), c.text) << c.value;
}

TEST(NumberFormat, PrintfFormatsInTheCLocale) {
    EXPECT_EQ(formatScientific(std::exp(2.1), 6), "8.166170e+00");
    EXPECT_EQ(formatScientific(1.5e-300, 2), "1.50e-300");
    EXPECT_EQ(formatFixed(-0.0, 2), "-0.00");
    EXPECT_EQ(formatFixed(2.5, 0), "2");
    EXPECT_EQ(formatFixed(3.5, 0), "4");
    EXPECT_EQ(formatFixed(1.25, -3), "1");
    EXPECT_EQ(formatFixed(1e308, 5).size(), 309u + 6u);
    EXPECT_EQ(formatFixed(-1e308, 5).substr(0, 3), "-10");
    EXPECT_EQ(formatFixed(0.5, 400).size(), 402u);
}
