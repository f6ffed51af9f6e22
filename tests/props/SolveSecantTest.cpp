#include "props/SolveSecant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The solver takes a plain function pointer, so the probes record into a
// file-local log that each test clears first.
std::vector<float> evaluatedAt;

float Square(float, float x)
{
    evaluatedAt.push_back(x);
    return x * x;
}

float Steep(float, float x)
{
    evaluatedAt.push_back(x);
    return 1e7f * x;
}

float Identity(float, float x)
{
    evaluatedAt.push_back(x);
    return x;
}

// Returns the parameter whatever x is: the residual never changes.
float Flat(float param, float x)
{
    evaluatedAt.push_back(x);
    return param;
}

class SolveSecantTest : public ::testing::Test {
protected:
    void SetUp() override { evaluatedAt.clear(); }
};

TEST_F(SolveSecantTest, FindsRootWithinTolerance)
{
    const float x = SolveSecant(2.0f, 0.0f, 1.0f, 2.0f, Square, 1e-5f);
    EXPECT_NEAR(x, std::sqrt(2.0f), 1e-5f);
    EXPECT_LT(std::fabs(2.0f - x * x), 1e-5f);
    EXPECT_LT(evaluatedAt.size(), 20u);
}

TEST_F(SolveSecantTest, CapReturnsExactlyPointOneAfter1000Iterations)
{
    const float x = SolveSecant(0.0f, 1.0f, 0.0f, 1.0f, Flat, 0.5f);
    EXPECT_EQ(x, 0.1f);
    EXPECT_EQ(evaluatedAt.size(), 1002u); // two start points + 1000 steps
}

TEST_F(SolveSecantTest, StartPointsCloserThanTinyStepUseTenThousandth)
{
    struct TCase {
        const char* name;
        float x0, x1;
        float expectedDx;
    };
    const TCase cases[] = {
        {"x1 just above x0", 1.0f, std::nextafter(1.0f, 2.0f), 0.0001f},
        {"x1 just below x0", 1.0f, std::nextafter(1.0f, 0.0f), -0.0001f},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        evaluatedAt.clear();
        const float target = 5e6f;
        SolveSecant(target, 0.0f, c.x0, c.x1, Steep, 1e-3f);
        ASSERT_GE(evaluatedAt.size(), 3u);
        // The residual difference is large here, so only Δx is widened.
        const float F0 = target - 1e7f * c.x0;
        const float F1 = target - 1e7f * c.x1;
        const float expected = static_cast<float>(c.x1 - static_cast<double>(F1) * c.expectedDx / (F1 - F0));
        EXPECT_EQ(evaluatedAt[2], expected);
    }
}

TEST_F(SolveSecantTest, EqualStartPointsOnFlatFunctionStayFinite)
{
    const float x = SolveSecant(0.0f, 3.0f, 1.0f, 1.0f, Flat, 0.5f);
    EXPECT_EQ(x, 0.1f);
    ASSERT_GE(evaluatedAt.size(), 3u);
    // Δx = ΔF = 0 both become +0.0001: the step is x1 − F1 = 1 − (0 − 3).
    EXPECT_EQ(evaluatedAt[2], 4.0f);
}

TEST_F(SolveSecantTest, EqualStartPointsStillConverge)
{
    const float x = SolveSecant(3.0f, 0.0f, 1.0f, 1.0f, Identity, 1e-4f);
    EXPECT_FALSE(std::isnan(x));
    EXPECT_NEAR(x, 3.0f, 1e-4f);
}

} // namespace
