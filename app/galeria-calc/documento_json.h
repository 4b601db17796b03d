#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "design/calculo.h"
#include "design/custo.h"

namespace galeria {

// The batch command's JSON document: arrays 0-based holding items 1..n.
nlohmann::json documentoJson(const TSessao& s, const std::vector<std::string>& log);

// The quantities and cost, under the document's "custo".
nlohmann::json custoJson(const TResultadoCusto& c);

}  // namespace galeria
