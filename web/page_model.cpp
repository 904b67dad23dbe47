#include "web/page_model.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace waves {

namespace {

// The layout as a tree of ids: each control's container, and each
// container's children in table order. The bands' container, the client
// area, is -1.
struct Tree {
    std::vector<int> container;
    std::vector<std::vector<int>> children;  // by container id
    std::vector<int> bands;                  // the client area's children
};

Tree tree_of(const std::vector<ControlSpec>& layout) {
    const int count = static_cast<int>(layout.size());
    Tree tree{std::vector<int>(layout.size(), -1), std::vector<std::vector<int>>(layout.size()), {}};
    for (int id = 0; id < count; ++id) {
        const std::string& container = layout[static_cast<std::size_t>(id)].container;
        for (int other = 0; other < count; ++other) {
            if (layout[static_cast<std::size_t>(other)].name == container) tree.container[static_cast<std::size_t>(id)] = other;
        }
        const int parent = tree.container[static_cast<std::size_t>(id)];
        (parent < 0 ? tree.bands : tree.children[static_cast<std::size_t>(parent)]).push_back(id);
    }
    return tree;
}

bool is_nested(const ControlSpec& control) { return control.kind == ControlKind::option_button; }

// From the bottom up: a container, then its children from the last listed
// (lowest) to the first.
void paint_order(const Tree& tree, int id, std::vector<int>& order) {
    order.push_back(id);
    const std::vector<int>& children = tree.children[static_cast<std::size_t>(id)];
    for (auto child = children.rbegin(); child != children.rend(); ++child) paint_order(tree, *child, order);
}

// The ids in the order of their controls' Tab indices (ids break ties).
std::vector<int> in_tab_order(const std::vector<ControlSpec>& layout, const std::vector<int>& ids) {
    int last = 0;
    for (const int id : ids) last = std::max(last, layout[static_cast<std::size_t>(id)].tab_index);
    std::vector<int> ordered;
    for (int tab_index = 0; tab_index <= last; ++tab_index) {
        for (const int id : ids) {
            if (layout[static_cast<std::size_t>(id)].tab_index == tab_index) ordered.push_back(id);
        }
    }
    return ordered;
}

}  // namespace

std::vector<PageControl> page_controls(const std::vector<ControlSpec>& layout) {
    const Tree tree = tree_of(layout);
    const auto row = [&](int id) -> const ControlSpec& { return layout[static_cast<std::size_t>(id)]; };

    std::vector<int> order;
    for (auto band = tree.bands.rbegin(); band != tree.bands.rend(); ++band) paint_order(tree, *band, order);
    std::vector<int> stacking(layout.size());
    for (std::size_t level = 0; level < order.size(); ++level) {
        stacking[static_cast<std::size_t>(order[level])] = static_cast<int>(level) + 1;
    }

    const auto make = [&](int id) {
        const ControlSpec& control = row(id);
        PageControl page{.id = id, .stacking = stacking[static_cast<std::size_t>(id)]};
        int left = control.left;
        int top = control.top;
        const int container = tree.container[static_cast<std::size_t>(id)];
        if (is_nested(control)) {
            page.dom_parent = container;
        } else {
            for (int up = container; up >= 0; up = tree.container[static_cast<std::size_t>(up)]) {
                left += row(up).left;
                top += row(up).top;
            }
        }
        page.left = css_pixels(left);
        page.top = css_pixels(top);
        page.width = css_pixels(control.width);
        page.height = css_pixels(control.height);
        if (control.kind == ControlKind::frame) {
            std::vector<int> inside;
            for (const int child : tree.children[static_cast<std::size_t>(id)]) {
                if (!is_nested(row(child))) inside.push_back(child);
            }
            page.owned = in_tab_order(layout, inside);
        }
        return page;
    };

    std::vector<int> top_level;
    for (int id = 0; id < static_cast<int>(layout.size()); ++id) {
        if (!is_nested(row(id))) top_level.push_back(id);
    }
    std::vector<PageControl> page;
    for (const int id : in_tab_order(layout, top_level)) {
        page.push_back(make(id));
        std::vector<int> nested;
        for (const int child : tree.children[static_cast<std::size_t>(id)]) {
            if (is_nested(row(child))) nested.push_back(child);
        }
        for (const int child : in_tab_order(layout, nested)) page.push_back(make(child));
    }
    return page;
}

double fit_scale(double width, double height, double screen_width, double screen_height) {
    if (!(width > 0.0 && height > 0.0 && screen_width > 0.0 && screen_height > 0.0)) return 1.0;
    const double scale = std::min(screen_width / width, screen_height / height);
    return std::isfinite(scale) ? scale : 1.0;
}

}  // namespace waves
