#pragma once
// How the calculation reports its progress: the batch command prints the
// lines, the desktop program shows them in the progress window.
#include <string>
#include <vector>

namespace galeria {

class TProgresso {
 public:
  virtual ~TProgresso() = default;
  virtual void registrar(const std::string& linha) = 0;
  virtual void repintar() = 0;
};

// Discards every line: for reruns whose lines were already told, and timings.
class TProgressoSilencioso : public TProgresso {
 public:
  void registrar(const std::string&) override {}
  void repintar() override {}
};

// Keeps the log lines in memory; the common sink of tests and of the batch command.
class TRegistroMemoria : public TProgresso {
 public:
  void registrar(const std::string& linha) override { linhas.push_back(linha); }
  void repintar() override { ++repinturas; }
  std::vector<std::string> linhas;
  int repinturas = 0;
};

}  // namespace galeria
