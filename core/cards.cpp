// Looks at a volume's root for the camera's folder and our settings file, reading only.
#include "cards.h"

#include <array>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

// The path of a name at a card's root.
std::string atRoot(const std::string& root, const char* name) {
#ifdef _WIN32
  constexpr char kSeparator = '\\';
#else
  constexpr char kSeparator = '/';
#endif
  const bool separated = !root.empty() && (root.back() == '/' || root.back() == kSeparator);
  return root + (separated ? "" : std::string(1, kSeparator)) + name;
}

// Through the system's own calls: std::filesystem's path conversions would bring the whole C++
// locale library into the Windows program, several times the size of the rest of it.
bool isFolder(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(RecordCodec::utf16Of(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

}  // namespace

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

  card.cameraCard = isFolder(atRoot(volume.root, "DCIM")) || card.file != CardFile::None;
  return card;
}

std::vector<Card> listCards() {
  std::vector<Card> cards;
  for (const Volume& volume : removableVolumes()) cards.push_back(inspectCard(volume));
  return cards;
}

std::string cardSettingsPath(const std::string& root) {
  return atRoot(root, RecordCodec::kFileName);
}
