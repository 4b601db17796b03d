#pragma once
// A folder of its own for one test under the system's temporary folder,
// removed with everything in it at the end of the test.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace galeria::teste {

class TPastaTemporaria {
 public:
  TPastaTemporaria() {
    std::random_device semente;
    std::mt19937_64 gerador(semente() ^
                            static_cast<unsigned long long>(
                                std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
      caminho_ =
          std::filesystem::temp_directory_path() / ("galeria_teste_" + std::to_string(gerador()));
      std::error_code ec;
      if (std::filesystem::create_directory(caminho_, ec)) return;
    }
  }
  ~TPastaTemporaria() {
    std::error_code ec;
    // A test may have left a folder without write permission.
    for (auto it = std::filesystem::recursive_directory_iterator(caminho_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(caminho_, ec);
  }
  TPastaTemporaria(const TPastaTemporaria&) = delete;
  TPastaTemporaria& operator=(const TPastaTemporaria&) = delete;

  const std::filesystem::path& caminho() const { return caminho_; }
  std::filesystem::path operator/(const std::filesystem::path& p) const { return caminho_ / p; }

 private:
  std::filesystem::path caminho_;
};

inline std::string lerBytes(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void gravarBytes(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace galeria::teste
