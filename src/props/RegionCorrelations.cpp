#include "props/RegionCorrelations.h"

#include "props/Horner.h"

#include <cmath>

// Every fit takes its scaled variables as floats and evaluates in double; the
// rows of a table are the polynomials Pᵢ of a series Σ yⁱ·Pᵢ(x).

float SteamTemperaturePH(float p, float h)
{
    static constexpr double A[] = {0.5214, 0.0018, -0.3625, 26.0892, -192.1987};
    static constexpr double B[] = {100.0, 730.0, -1400.0, 14500.0};
    static constexpr double P0[] = {4.45436, 0.6328634, -0.1050978, 0.0267235, -0.0059523, 0.000584};
    static constexpr double P1[] = {4.780516, -1.0776543, 0.1614632, 0.0642334, -0.0332629, 0.004138};
    static constexpr double P2[] = {-0.361183, 1.5939256, -0.6221451, 0.0034262, 0.0487704, -0.007794};
    static constexpr double P3[] = {-0.206631, -2.7602368, 3.4448816, -2.0225651, 0.5555955, -0.056351};
    static constexpr double P4[] = {1.977026, -3.289364, 3.35518, -1.652921, 0.3440185, -0.023995};
    static constexpr double P5[] = {-1.051, 2.439, -1.186, 0.1647};

    const float c = static_cast<float>(h * 0.001 - 3.375);
    const float d = static_cast<float>(p * 0.01);
    const double ratio = Horner(A, c) * (1.0 / Horner(B, d));
    return static_cast<float>(100.0 * (ratio + HornerSeries(c, d, P0, P1, P2, P3, P4, P5)));
}

float NearCriticalTemperaturePH(float p, float h)
{
    static constexpr double Q0[] = {3.9617281, -1.0673765, 0.8140622, -0.2103973, 0.0188953};
    static constexpr double Q1[] = {-4.2831428, 4.9117969, -2.2296119, 0.5157483, -0.0457311};
    static constexpr double Q2[] = {-17.360934, 24.806751, -13.799105, 3.3288459, -0.2933476};
    static constexpr double Q3[] = {27.102834, -37.861085, 21.088377, -5.1865516, 0.4679261};
    static constexpr double Q4[] = {47.25367, -71.613017, 40.227972, -9.756231, 0.8639461};
    static constexpr double Q5[] = {-65.775645, 100.75819, -57.194453, 14.047099, -1.259397};

    const float r = static_cast<float>(p * 0.01);
    const float c = static_cast<float>(h * 0.001 - 2.0);
    return static_cast<float>(100.0 * HornerSeries(c, r, Q0, Q1, Q2, Q3, Q4, Q5));
}

float SteamVolumePH(float p, float h)
{
    static constexpr double Lead[] = {8.4, -7.1, 1.42};
    static constexpr double W0[] = {-0.00039999, 0.003684396, -0.0006199386, 1.95e-05};
    static constexpr double W1[] = {0.026791405, -0.010384305, 0.0020006433, -5.72e-05};
    static constexpr double W2[] = {-0.0017078574, 0.0076498837, -0.0014677281, 2.6e-05};
    static constexpr double W3[] = {-7.4127e-06, -0.0017063, 0.00031296};

    const float c = static_cast<float>(p * 0.01);
    const float d = static_cast<float>(h * 0.001);
    const double D = d - 2.0;
    // (1.4/(d − 1.68))⁴ with a float rounding after each step.
    float e = static_cast<float>(1.4 / (d - 1.68));
    e = e * e;
    e = e * e;
    const double cd = c;
    const double denominator = 4.6 * cd + 1.0 + 120.0 * cd * cd * cd;
    const double correction = (Horner(Lead, cd) - 8.4 / denominator) * 1e-05 * e * (e - 1.0);
    const float S = static_cast<float>(correction + HornerSeries(D, c, W0, W1, W2, W3));
    return S / c;
}

float NearCriticalVolumePH(float p, float h)
{
    static constexpr double V0[] = {0.00366681, 0.00073294, 9.74e-05};
    static constexpr double V1[] = {0.01673873, -0.00400691, 0.00046223};
    static constexpr double V2[] = {0.01584386, -0.00131204, -0.00013672};
    static constexpr double V3[] = {-0.01491102, 0.00755585, -0.00074695};
    static constexpr double V4[] = {-0.01000221, -0.00059612, 0.00062142};
    static constexpr double V5[] = {0.01381305, -0.00273716, -0.0002731};

    const float c = static_cast<float>(p * 0.01);
    const float d = static_cast<float>(h * 0.001 - 2.0);
    const float pv = static_cast<float>(100.0 * HornerSeries(d, c, V0, V1, V2, V3, V4, V5));
    return pv / p;
}

float SteamEntropyPH(float p, float h)
{
    static constexpr double LogFit[] = {0.0, 2.92696, 1.98819, -1.44026, 0.43144};
    static constexpr double F0[] = {0.001824347, 0.058636936, -0.0078975, 0.000985259, -7.5029e-05};
    static constexpr double F1[] = {-0.000602961, 0.047405603, -0.00998943, 0.001666672, -0.0001631495};
    static constexpr double F2[] = {0.000349251, 0.022024349, -0.01033025, 0.025138674599999997};
    static constexpr double F3[] = {0.000315486, 0.009423171, -0.007243208, 0.002092207, -0.0002031894};
    static constexpr double F4[] = {-0.0001449407, 0.0011724252, -0.0003643037, 7.79181e-05, -1.15562e-05};

    const float c0 = static_cast<float>(h * 0.01 - 20.0);
    const float L = static_cast<float>(std::log10(static_cast<double>(c0)));
    const float C = static_cast<float>(c0 * 0.1);
    // (1.7 − C)⁸ with a float rounding after each squaring.
    float e = static_cast<float>(std::fabs(1.7 - C));
    e = e * e;
    e = e * e;
    const float E8 = e * e;
    const float f = static_cast<float>(p * 0.01);
    const double fd = f;
    const double g = std::log10(fd * 10000.0);
    const float C2 = static_cast<float>((2.9 - C) * (2.9 - C) - 2.6);

    const double pressureTerm = (0.13 * fd - 0.12 * fd * fd) / (7.2 * fd * fd + 1.07 + 4.0 * fd * fd * fd);
    const double s = Horner(LogFit, L) + 6.29835 - 1.062689 * g + pressureTerm * E8
                     + HornerSeries(C2, f, F0, F1, F2, F3, F4);
    return static_cast<float>(s);
}

float NearCriticalEntropyPH(float p, float h)
{
    static constexpr double E0[] = {4.265774, -0.0038343, 0.008033, -0.00518, -0.000666, 0.00177};
    static constexpr double E1[] = {1.526792, -0.060136, 0.021437, -0.003261, 0.004418, -0.004183};
    static constexpr double E2[] = {-0.04127, -0.06045, -0.000908, 0.013291, 0.011204, -0.01277};
    static constexpr double E3[] = {0.065699, 0.01615, -0.006528, -0.009408, -0.01496, 0.01357};
    static constexpr double E4[] = {-0.074354, 0.012379, 0.010506, -0.005215, 0.001639, 0.00093};

    const float r = static_cast<float>(p * 0.01 - 2.5);
    const float c = static_cast<float>(h * 0.001 - 2.0);
    return static_cast<float>(HornerSeries(c, r, E0, E1, E2, E3, E4));
}

float WaterVolumePT(float p, float t)
{
    static constexpr double G0[] = {-4.609152e-06, 3.50443e-06, -6.688444e-06, 4.868174e-06, -1.835593e-06, 2.12896e-07};
    static constexpr double G1[] = {0.00099942695, -3.463189e-06, 6.5359352e-05, -2.6236907e-05, 7.856555e-06, -5.00042e-07};

    const float c = static_cast<float>(t * 0.01);
    const float d = static_cast<float>(p * 0.01);
    const double cd = c;
    const double dd = d;
    const double e = cd * (cd * (cd * cd));
    const double pressureFactor = 1.0 / (dd + 2.0) - 0.227 + 0.018 * dd;
    const double temperatureFactor = 4.55e-12 * (e * e * e * e) + 8e-07 * e + 7e-07 * cd + 3e-06;
    return static_cast<float>(Horner(G0, cd) * dd + Horner(G1, cd) + pressureFactor * temperatureFactor);
}

float WaterEnthalpyPT(float p, float t)
{
    static constexpr double K0[] = {0.0096859913, -0.003072526, 0.0016722356, -0.0008069601, 0.0001209302, -2.20091e-05};
    static constexpr double K1[] = {0.00064, 0.41982594, -0.0065218115, 0.006365696, -0.001850814, 0.000451997};

    const float c = static_cast<float>(t * 0.01);
    const float d = static_cast<float>(p * 0.01);
    const double cd = c;
    const double dd = d;
    const double e = cd * (cd * (cd * (cd * (cd * cd))));
    const double c4 = cd * cd * cd * cd;
    const double pressureFactor = 1.0 / (dd + 2.0) - 0.24927 + 0.021 * dd;
    const double temperatureFactor = 1.682e-09 * c4 * (e * e) + 5.44e-05 * e + 0.0032 * cd - 0.00288;
    return static_cast<float>(1000.0 * (Horner(K0, cd) * dd + Horner(K1, cd) + pressureFactor * temperatureFactor));
}
