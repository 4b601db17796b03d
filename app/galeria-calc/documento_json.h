#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "design/calculo.h"

namespace galeria {

// The batch command's JSON document: arrays 0-based holding items 1..n.
nlohmann::json documentoJson(const TSessao& s, const std::vector<std::string>& log);

}  // namespace galeria
