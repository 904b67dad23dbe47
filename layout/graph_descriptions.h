// What each of the eleven graphs shows right now, in words and numbers, by
// its layout name: the text a screen reader reads as the graph's
// description (graphs/graph_description.h), in the translator's language,
// brought up to date by the front ends after every event.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/model/parameters.h"
#include "layout/translator.h"

namespace waves {

// (control name, description) for every graph: W, A..D, A'..D', E, E'.
std::vector<std::pair<std::string, std::string>> graph_descriptions(const Parameters& params,
                                                                    const Translator& translator);

}  // namespace waves
