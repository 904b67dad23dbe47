// The spoken descriptions of the graphs.
#include "core/graphs/graph_description.h"

#include <gtest/gtest.h>

#include "tests/support/recorded_form.h"

namespace waves {
namespace {

class GraphDescription : public ::testing::Test {
protected:
    testing::LoadedForm f;
    Parameters& p = f.form.params;
};

TEST_F(GraphDescription, StartValuesReadAsTheLabelsShowThem) {
    EXPECT_EQ(describe_reference_graph(p), "W = 1 cos(1 x), t = 1 period");
    EXPECT_EQ(describe_component_graph(p, 2), "C = 0 cos(0 x), t = 1 period");
    EXPECT_EQ(describe_product_graph(p, 0), "A' = A × W = 0 cos(0 x) × 1 cos(1 x) = 0, mean 0, t = 1 period");
    EXPECT_EQ(describe_sum_graph(p), "E = A + B + C + D = 0, t = 1 period");
    EXPECT_EQ(describe_sum_of_products_graph(p), "E' = W × E = 1 cos(1 x) × 0 = 0, mean A' + B' + C' + D' = 0 + 0 + 0 + 0 = 0, t = 1 period");
}

TEST_F(GraphDescription, FollowsEveryParameter) {
    p.wave_a[0] = 50;
    p.wave_f[0] = 10;
    p.wave_a[1] = 25;
    p.wave_f[1] = 30;
    p.wave_cos[1] = false;
    p.std_f = 13.0f;
    p.std_cos = false;
    p.t_span = 3.0f;
    EXPECT_EQ(describe_component_graph(p, 0), "A = 5 cos(1 x), t = 3 periods");
    EXPECT_EQ(describe_component_graph(p, 1), "B = 2.5 sin(3 x), t = 3 periods");
    EXPECT_EQ(describe_reference_graph(p), "W = 1 sin(1.3 x), t = 3 periods");
    EXPECT_EQ(describe_product_graph(p, 1), "B' = B × W = 2.5 sin(3 x) × 1 sin(1.3 x) = 1.25 cos(1.7 x) - 1.25 cos(4.3 x), mean 0.032, "
              "t = 3 periods");
    EXPECT_EQ(describe_sum_graph(p), "E = A + B + C + D = 5 cos(1 x) + 2.5 sin(3 x), t = 3 periods");
    EXPECT_EQ(describe_sum_of_products_graph(p),
              "E' = W × E = 1 sin(1.3 x) × (5 cos(1 x) + 2.5 sin(3 x)) = 2.5 sin(0.3 x) + 1.25 cos(1.7 x) + "
              "2.5 sin(2.3 x) - 1.25 cos(4.3 x), mean A' + B' + C' + D' = 0.095 + 0.032 + 0 + 0 = 0.127, t = 3 periods");
    p.wave_a[0] = 0;
    EXPECT_EQ(describe_sum_of_products_graph(p),
              "E' = W × E = 1 sin(1.3 x) × 2.5 sin(3 x) = 1.25 cos(1.7 x) - 1.25 cos(4.3 x), "
              "mean A' + B' + C' + D' = 0 + 0.032 + 0 + 0 = 0.032, t = 3 periods");
}

}  // namespace
}  // namespace waves
