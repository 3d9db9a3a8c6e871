// What a volume's root says about it: the camera's folder, and our settings file or another.
#include <gtest/gtest.h>

#include <functional>

#include "cards.h"
#include "record_bytes.h"
#include "scratch_folder.h"

TEST(CardContents, TheRootsFolderAndSettingsFileTellWhatTheCardHolds) {
  const auto ours = bytesOf(sealedRecord());
  const struct {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    bool cameraCard;
    CardFile file;
  } cases[] = {
      {"an empty volume", [](const auto&) {}, false, CardFile::None},
      {"a camera's folder",
       [](const auto& root) { std::filesystem::create_directory(root / "DCIM"); }, true,
       CardFile::None},
      {"a file named DCIM is no folder", [](const auto& root) { writeBytes(root / "DCIM", {1}); },
       false, CardFile::None},
      {"our settings file", [&](const auto& root) { writeBytes(root / "Kestrune.txt", ours); },
       true, CardFile::Ours},
      {"a short copy of ours",
       [&](const auto& root) {
         writeBytes(root / "Kestrune.txt", std::vector(ours.begin(), ours.end() - 1));
       },
       true, CardFile::Foreign},
      {"another program's file", [](const auto& root) { writeBytes(root / "Kestrune.txt", {7}); },
       true, CardFile::Foreign},
      {"a folder under our file's name",
       [](const auto& root) { std::filesystem::create_directory(root / "Kestrune.txt"); }, true,
       CardFile::Unreadable},
  };
  for (const auto& spec : cases) {
    SCOPED_TRACE(spec.what);
    const ScratchFolder folder;
    spec.make(folder.path());
    const auto before = folder.entries();
    const Card card = inspectCard({folder.path().string(), "CAMERA"});
    EXPECT_EQ(card.root, folder.path().string());
    EXPECT_EQ(card.label, "CAMERA");
    EXPECT_EQ(card.cameraCard, spec.cameraCard);
    EXPECT_EQ(card.file, spec.file);
    EXPECT_EQ(card.reason.empty(), spec.file != CardFile::Unreadable) << card.reason;
    EXPECT_EQ(bytesOf(card.record),
              spec.file == CardFile::Ours ? ours : std::vector<std::uint8_t>(kRecordSize));
    if (spec.file == CardFile::Ours) {
      EXPECT_EQ(card.saved.year, 2026u);
      EXPECT_EQ(card.saved.second, 9u);
    }
    EXPECT_EQ(folder.entries(), before) << "reading a card writes nothing";
  }
}

TEST(CardContents, TheSettingsFileLiesAtTheCardsRoot) {
#ifdef _WIN32
  EXPECT_EQ(cardSettingsPath("E:\\"), "E:\\Kestrune.txt");
#else
  EXPECT_EQ(cardSettingsPath("/media/ann/CAMERA"), "/media/ann/CAMERA/Kestrune.txt");
  EXPECT_EQ(cardSettingsPath("/media/ann/CAMERA/"), "/media/ann/CAMERA/Kestrune.txt");
#endif
}
