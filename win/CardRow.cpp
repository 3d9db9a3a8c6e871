// The dialog's card row: the camera cards in the readers, which of them OK saves to besides the
// desktop, and "Load from card".
#include <algorithm>

#include "PellinDlg.h"
#include "card_words.h"
#include "grid/drop_down_width.h"

namespace {

const char* const kDesktopOnly = "Desktop only";

void AddItem(HWND comboBox, const std::string& text) {
  ::SendMessageW(comboBox, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(RecordCodec::utf16Of(text).c_str()));
}

// What a loaded week shows: a byte that is no mode is Motion, as the save would write it.
ScheduleEdits::Week ShownForm(ScheduleEdits::Week week) {
  for (auto& day : week.week_schduce)
    for (auto& mode : day.rec_motion_status)
      if (mode < Off || mode > Motion) mode = Motion;
  return week;
}

// Why a card's file gives the dialog no settings.
std::string NothingLoaded(const RecordCodec::LoadResult& loaded) {
  switch (loaded.outcome) {
    case RecordCodec::LoadOutcome::Defaulted:
      return "There is no settings file at " + loaded.path + ".";
    case RecordCodec::LoadOutcome::Rejected:
      return loaded.path + " is not a settings file.";
    default:
      return loaded.path + " cannot be read: " + loaded.reason;
  }
}

}  // namespace

std::vector<Card> CPellinDlg::ListCards() const {
  return listCards();
}

// Called at set-up and when a volume arrives or goes away.
void CPellinDlg::RefreshCards() {
  const ListedCard* picked = PickedCard();
  const std::string pickedRoot = picked ? picked->card.root : "";
  m_cards.clear();
  for (Card& card : ListCards()) {
    if (!card.cameraCard) continue;
    FileSnapshot file = FileSnapshot::Take(cardSettingsPath(card.root));
    m_cards.push_back({std::move(card), std::move(file)});
  }
  // The user's pick stands while its card is there; until the user picks, a lone card is picked.
  const auto kept = std::find_if(m_cards.begin(), m_cards.end(), [&](const ListedCard& listed) {
    return listed.card.root == pickedRoot;
  });
  if (!pickedRoot.empty() && kept == m_cards.end()) m_cardPickedByUser = false;
  std::size_t pick = 0;
  if (kept != m_cards.end())
    pick = static_cast<std::size_t>(kept - m_cards.begin()) + 1;
  else if (!m_cardPickedByUser && m_cards.size() == 1)
    pick = 1;
  DescribeCards();
  ::SendDlgItemMessageA(m_hWnd, IDC_CARD, CB_SETCURSEL, pick, 0);
  ShowWhereOkSaves();
}

// Called when the cards are listed and whenever what the controls show changes.
void CPellinDlg::DescribeCards() {
  HWND row = ::GetDlgItem(m_hWnd, IDC_CARD);
  const LRESULT picked = ::SendMessageA(row, CB_GETCURSEL, 0, 0);
  _USR_SETTING_ shown = m_setting;
  ReadControls(shown);
  const auto dateFormat =
      static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_DATE_FORMAT, CB_GETCURSEL, 0, 0));
  ::SendMessageA(row, CB_RESETCONTENT, 0, 0);
  AddItem(row, kDesktopOnly);
  for (const ListedCard& listed : m_cards)
    AddItem(row, DescribeCard(listed.card, shown, dateFormat));
  ::SendMessageA(row, CB_SETCURSEL, static_cast<WPARAM>(std::max<LRESULT>(picked, 0)), 0);
  FitDroppedWidth(row);
}

CPellinDlg::ListedCard* CPellinDlg::PickedCard() {
  const LRESULT item = ::SendDlgItemMessageA(m_hWnd, IDC_CARD, CB_GETCURSEL, 0, 0);
  if (item < 1 || static_cast<std::size_t>(item) > m_cards.size()) return nullptr;
  return &m_cards[static_cast<std::size_t>(item) - 1];
}

// Called whenever the pick or the cards change: the hint says where OK saves.
void CPellinDlg::ShowWhereOkSaves() {
  const ListedCard* card = PickedCard();
  const std::string hint =
      card ? "Kestrune text file will save to desktop and to the card " + CardName(card->card) + "."
           : "Kestrune text file will save to desktop.";
  ::SetDlgItemTextW(m_hWnd, IDC_SAVE_HINT, RecordCodec::utf16Of(hint).c_str());
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_LOAD_FROM_CARD),
                 card && card->card.file == CardFile::Ours);
}

void CPellinDlg::OnCardPicked() {
  m_cardPickedByUser = true;
  ShowWhereOkSaves();
}

void CPellinDlg::OnChoiceChanged(UINT) {
  DescribeCards();
}

void CPellinDlg::OnLoadFromCard() {
  ListedCard* card = PickedCard();
  if (!card) return;
  const std::string path = cardSettingsPath(card->card.root);
  _USR_SETTING_ loaded{};
  const RecordCodec::LoadResult result =
      RecordCodec::loadSettingsFile(loaded, RecordCodec::windowsProfile, path);
  // A card whose file went or changed into something else since it was listed gives nothing,
  // rather than the defaults in place of every choice shown.
  if (result.outcome != RecordCodec::LoadOutcome::Adopted) {
    ShowMessage(NothingLoaded(result), MB_OK | MB_ICONINFORMATION);
    return RefreshCards();
  }
  card->file = FileSnapshot::Take(path);
  RecordCodec::clampSettings(loaded);
  std::copy(std::begin(loaded.setting), std::end(loaded.setting), std::begin(m_setting.setting));
  FillDropDowns();
  // The whole week at once: one undo brings back what was shown before.
  m_grid.ReplaceWeek(ShownForm(loaded.schduce_procce_ir));
  DescribeCards();
}
