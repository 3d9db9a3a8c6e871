// Looks at a volume's root for the camera's folder and our settings file, reading only.
#include "cards.h"

#include <array>
#include <cstring>
#include <filesystem>

Card inspectCard(const Volume& volume) {
  Card card;
  card.root = volume.root;
  card.label = volume.label;
  const std::string file = cardSettingsPath(volume.root);

  auto& files = RecordCodec::FileLayer::system();
  std::array<std::uint8_t, kRecordSize> bytes{};
  std::size_t got = 0;
  switch (files.readPrefix(file, bytes.data(), bytes.size(), got)) {
    case RecordCodec::FileLayer::ReadStatus::Missing:
      card.file = CardFile::None;
      break;
    case RecordCodec::FileLayer::ReadStatus::Failed:
      card.file = CardFile::Unreadable;
      card.reason = files.lastError();
      break;
    case RecordCodec::FileLayer::ReadStatus::Read:
      card.file = got == kRecordSize && RecordCodec::hasValidTags(bytes) ? CardFile::Ours
                                                                         : CardFile::Foreign;
      break;
  }
  if (card.file == CardFile::Ours) {
    std::memcpy(&card.record, bytes.data(), bytes.size());
    card.saved = {card.record.g_year, card.record.g_month, card.record.g_day,
                  card.record.g_hour, card.record.g_min,   card.record.g_second};
  }

  const std::string root(volume.root);
  std::error_code error;
  const bool cameraFolder = std::filesystem::is_directory(
      std::filesystem::path(std::u8string(root.begin(), root.end())) / "DCIM", error);
  card.cameraCard = cameraFolder || card.file != CardFile::None;
  return card;
}

std::vector<Card> listCards() {
  std::vector<Card> cards;
  for (const Volume& volume : removableVolumes()) cards.push_back(inspectCard(volume));
  return cards;
}

std::string cardSettingsPath(const std::string& root) {
#ifdef _WIN32
  constexpr char kSeparator = '\\';
#else
  constexpr char kSeparator = '/';
#endif
  const bool separated = !root.empty() && (root.back() == '/' || root.back() == kSeparator);
  return root + (separated ? "" : std::string(1, kSeparator)) + RecordCodec::kFileName;
}
