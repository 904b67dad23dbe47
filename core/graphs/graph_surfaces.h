// The eleven graph surfaces of the window, by their names. Non-owning: the
// window owns the surfaces and outlives every use of this record.
#pragma once

#include <array>

#include "core/model/parameters.h"
#include "core/graphs/graph_surface.h"

namespace waves {

struct GraphSurfaces {
    std::array<GraphSurface*, kComponentCount> Grph{};    // component waves A..D
    std::array<GraphSurface*, kComponentCount> m_grph{};  // products A'..D'
    GraphSurface* Gr = nullptr;                           // the sum E
    GraphSurface* m_gr = nullptr;                         // the sum of products E'
    GraphSurface* std_grph = nullptr;                     // the reference wave W
};

}  // namespace waves
