// Texts are looked up anew every time (the registry value and the language file are read for
// each one), so the cost that matters is one lookup and one full key picker.
#include <benchmark/benchmark.h>

#include "model/KeyCatalogue.h"
#include "tests/unit/support/TempDir.h"
#include "ui/lang/LanguageTable.h"

namespace orvantix {
namespace {

struct Fixture {
    test::TempDir dir;
    registry::RegistryStore registry{dir.path() / "registry.txt"};
    lang::LanguageTable table{
        lang::LanguageEnvironment{std::filesystem::path(ORVANTIX_SOURCE_DIR) / "data", &registry,
                                  [] { return lang::kEnglishUnitedStates; }}};
};

void LookupOneText(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fixture.table.LookupText("MAIN_CAPTION"));
    }
}
BENCHMARK(LookupOneText);

void LookupLastKeyOfTheFile(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fixture.table.LookupModeText("32"));
    }
}
BENCHMARK(LookupLastKeyOfTheFile);

void FillTheKeyPicker(benchmark::State& state) {
    Fixture fixture;
    const model::TextLookup text = [&fixture](std::string_view key) {
        return fixture.table.LookupText(key);
    };
    for (auto _ : state) {
        for (std::uint16_t pos = 0; pos < model::kPickerEntries; ++pos) {
            benchmark::DoNotOptimize(model::KeyNameByPickerPos(pos, text));
        }
    }
}
BENCHMARK(FillTheKeyPicker)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvantix
