// The settings file's load and durable save against the bare POSIX calls they are made of, and
// the card row's listing, which runs at start-up and every two seconds after.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "cards.h"
#include "record_codec.h"

namespace {

// A private folder holding one settings file, made once for the whole run. The raw save has a
// file of its own, so that the loads always read a sealed settings file whatever ran before.
struct BenchFolder {
  std::filesystem::path folder;
  std::string file;
  std::string rawFile;
  std::filesystem::path card;  // laid out as a camera leaves a card: DCIM and our file
  BenchFolder() {
    folder =
        std::filesystem::temp_directory_path() / ("kestrune-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    file = (folder / "Kestrune.txt").string();
    rawFile = (folder / "Raw.txt").string();
    _USR_SETTING_ record{};
    RecordCodec::fillDefault(record, RecordCodec::windowsProfile);
    RecordCodec::saveSettingsFile(record, file, std::nullopt);
    card = folder / "CARD";
    std::filesystem::create_directories(card / "DCIM");
    RecordCodec::saveSettingsFile(record, cardSettingsPath(card.string()), std::nullopt);
  }
  ~BenchFolder() { std::filesystem::remove_all(folder); }
};

BenchFolder& bench() {
  static BenchFolder folder;
  return folder;
}

void LoadSettingsFile(benchmark::State& state) {
  _USR_SETTING_ record{};
  for (auto _ : state) {
    auto outcome = RecordCodec::loadSettingsFile(record, RecordCodec::windowsProfile, bench().file);
    benchmark::DoNotOptimize(outcome);
  }
}

void RawRead(benchmark::State& state) {
  unsigned char image[kRecordSize];
  for (auto _ : state) {
    const int file = ::open(bench().file.c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(::read(file, image, sizeof image));
    ::close(file);
  }
}

void SaveSettingsFile(benchmark::State& state) {
  _USR_SETTING_ record{};
  RecordCodec::fillDefault(record, RecordCodec::windowsProfile);
  for (auto _ : state) {
    auto result = RecordCodec::saveSettingsFile(record, bench().file, std::nullopt);
    if (!result) state.SkipWithError(result.describe().c_str());
  }
}

void RawDurableSave(benchmark::State& state) {
  unsigned char image[kRecordSize];
  std::memset(image, 0x55, sizeof image);
  const std::string temporary = bench().rawFile + ".tmp";
  for (auto _ : state) {
    const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    benchmark::DoNotOptimize(::write(file, image, sizeof image));
    ::fsync(file);
    ::close(file);
    ::rename(temporary.c_str(), bench().rawFile.c_str());
    const int folder = ::open(bench().folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(folder);
    ::close(folder);
  }
}

// This machine's removable volumes, each inspected: the mount table's read and what the
// machine's cards cost, if it has any.
void ListCards(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(listCards());
}

// What one card adds to the listing: its settings file read and its camera folder looked for.
void InspectCard(benchmark::State& state) {
  const Volume volume{bench().card.string(), "CARD"};
  for (auto _ : state) benchmark::DoNotOptimize(inspectCard(volume));
}

}  // namespace

BENCHMARK(LoadSettingsFile);
BENCHMARK(RawRead);
BENCHMARK(SaveSettingsFile);
BENCHMARK(RawDurableSave);
BENCHMARK(ListCards);
BENCHMARK(InspectCard);

BENCHMARK_MAIN();
