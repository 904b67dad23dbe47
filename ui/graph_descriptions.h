// Keeps each graph's accessible description equal to what it shows: the
// formula drawn from the current parameters and the span (see
// graphs/graph_description.h). Run after every event, so a screen reader
// reads the new description together with the new picture.
#pragma once

#include "core/model/parameters.h"
#include "ui/control_tree.h"

namespace waves {

void describe_graphs(const ControlTree& controls, const Parameters& params);

}  // namespace waves
