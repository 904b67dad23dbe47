#include "tests/support/recorded_form.h"

#include "core/app/start_up.h"
#include "layout/layout_table.h"

namespace waves::testing {

namespace {

// A recording surface of the height the layout gives the graph called name.
std::unique_ptr<RecordingSurface> surface(const std::string& name, DrawLog& log) {
    const std::vector<ControlSpec>& layout = window_layout();
    const auto index = static_cast<std::size_t>(control_index(layout, name));
    return std::make_unique<RecordingSurface>(name, layout.at(index).height, log);
}

}  // namespace

RecordedForm::RecordedForm(TwipSize screen) : window(screen) {
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        Grph_[i] = surface("Grph" + index, log);
        m_grph_[i] = surface("m_grph" + index, log);
        form.surfaces.Grph[i] = Grph_[i].get();
        form.surfaces.m_grph[i] = m_grph_[i].get();
        form.labels.Labela[i] = &Labela[i];
        form.labels.Labelb[i] = &Labelb[i];
        form.options.switch_c[i] = &switch_c[i];
        form.options.switch_s[i] = &switch_s[i];
    }
    Gr_ = surface("Gr", log);
    m_gr_ = surface("m_gr", log);
    std_grph_ = surface("std_grph", log);
    form.surfaces.Gr = Gr_.get();
    form.surfaces.m_gr = m_gr_.get();
    form.surfaces.std_grph = std_grph_.get();
    form.labels.labelt = &labelt;
    form.labels.value_std_a = &value_std_a;
    form.labels.value_std_b = &value_std_b;
    form.options.Option9 = &Option9;
    form.options.Option10 = &Option10;
    for (std::size_t n = 0; n < kStepSizes.size(); ++n) {
        form.options.step_n[n] = &step_n[n];
        form.options.step_a[n] = &step_a[n];
    }
    form.window = &window;
}

std::vector<RecordingSurface*> RecordedForm::surfaces() {
    std::vector<RecordingSurface*> all{std_grph_.get()};
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        all.push_back(Grph_[i].get());
        all.push_back(m_grph_[i].get());
    }
    all.push_back(Gr_.get());
    all.push_back(m_gr_.get());
    return all;
}

std::vector<std::string> RecordedForm::label_texts() const {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        texts.push_back(Labela[i].text());
        texts.push_back(Labelb[i].text());
    }
    texts.push_back(labelt.text());
    texts.push_back(value_std_a.text());
    texts.push_back(value_std_b.text());
    return texts;
}

std::vector<std::vector<DrawCall>> RecordedForm::pictures() {
    std::vector<std::vector<DrawCall>> all;
    for (RecordingSurface* surface : surfaces()) all.push_back(surface->picture());
    return all;
}

LoadedForm::LoadedForm() {
    Form_Load(form);
    log.calls.clear();
}

}  // namespace waves::testing
