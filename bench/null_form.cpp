#include "bench/null_form.h"

#include <cstddef>

#include "core/app/start_up.h"

namespace waves {

namespace {

// Outer heights of a small graph and of a sum graph, in pixels.
constexpr double kSmallGraphHeight = 65.0;
constexpr double kSumGraphHeight = 121.0;

class NullSurface final : public GraphSurface {
public:
    explicit NullSurface(double height) : height_(height) {}
    void clear() override {}
    void set_scale(float, float, float, float) override {}
    void set_pen_colour(Rgb) override {}
    void set_pen_style(PenStyle) override {}
    void line(float, float, float, float) override {}
    void line_to(float, float) override {}
    void point(float, float) override {}
    void vertical_lines(double, std::int64_t, float, float) override {}
    double surface_height() const override { return height_; }

private:
    double height_;
};

class NullLabel final : public TextLabel {
public:
    void set_text(std::string_view) override {}
};

class NullOption final : public OptionSelection {
public:
    void set_selected(bool) override {}
};

class NullWindow final : public WindowPlacement {
public:
    void set_outer_size(float, float) override {}
    TwipSize outer_size() const override { return {9930.0f, 7365.0f}; }
    TwipSize screen_size() const override { return {15360.0f, 11520.0f}; }
    void move_to(float, float) override {}
};

}  // namespace

struct NullForm::Parts {
    std::array<NullSurface, 9> small_graphs{
        NullSurface(kSmallGraphHeight), NullSurface(kSmallGraphHeight), NullSurface(kSmallGraphHeight),
        NullSurface(kSmallGraphHeight), NullSurface(kSmallGraphHeight), NullSurface(kSmallGraphHeight),
        NullSurface(kSmallGraphHeight), NullSurface(kSmallGraphHeight), NullSurface(kSmallGraphHeight)};
    NullSurface sum{kSumGraphHeight};
    NullSurface sum_of_products{kSumGraphHeight};
    NullLabel label;
    NullOption option;
    NullWindow window;
};

NullForm::NullForm() : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        form_.surfaces.Grph[i] = &p.small_graphs[i];
        form_.surfaces.m_grph[i] = &p.small_graphs[kComponentCount + i];
        form_.labels.Labela[i] = &p.label;
        form_.labels.Labelb[i] = &p.label;
        form_.options.switch_c[i] = &p.option;
        form_.options.switch_s[i] = &p.option;
    }
    form_.surfaces.std_grph = &p.small_graphs[2 * kComponentCount];
    form_.surfaces.Gr = &p.sum;
    form_.surfaces.m_gr = &p.sum_of_products;
    form_.labels.labelt = &p.label;
    form_.labels.value_std_a = &p.label;
    form_.labels.value_std_b = &p.label;
    form_.options.Option9 = &p.option;
    form_.options.Option10 = &p.option;
    form_.options.step_n.fill(&p.option);
    form_.options.step_a.fill(&p.option);
    form_.window = &p.window;
    Form_Load(form_);
}

NullForm::~NullForm() = default;

}  // namespace waves
