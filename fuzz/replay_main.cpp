// Replays a saved fuzz corpus through a target's LLVMFuzzerTestOneInput, so that the corpus runs
// as an ordinary test with any compiler. Arguments are files or directories of inputs.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);

namespace {

void Spiele(const std::filesystem::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  const std::vector<char> inhalt((std::istreambuf_iterator<char>(ein)), {});
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(inhalt.data()), inhalt.size());
}

}  // namespace

int main(int argc, char** argv) {
  int gespielt = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path pfad(argv[i]);
    if (std::filesystem::is_directory(pfad)) {
      for (const auto& eintrag : std::filesystem::recursive_directory_iterator(pfad)) {
        if (eintrag.is_regular_file()) {
          Spiele(eintrag.path());
          ++gespielt;
        }
      }
    } else {
      Spiele(pfad);
      ++gespielt;
    }
  }
  std::printf("%d Eingaben abgespielt\n", gespielt);
  return gespielt > 0 ? 0 : 1;
}
