#include "grid/schedule_layout.h"

#include <string>

#include "usr_setting.h"

namespace {

constexpr int kHourColumnWidth = 60;
constexpr int kRowImageWidth = 1;

}  // namespace

void SetUpScheduleGrid(CComboListCtrl& grid) {
  for (int hour = 0; hour < kHourCount; ++hour) {
    const std::string title = std::to_string(hour);
    grid.InsertColumn(hour, title.c_str(), LVCFMT_LEFT);
    grid.SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(hour), kHourColumnWidth);
    grid.SetChoiceColumn(hour, true);
  }
  // Column 0 is edited with the drop-down like the others; the lock refuses the list's own
  // label editing, which only ever concerns column 0.
  grid.SetLockedColumn(0, true);
  grid.SetDropDownVScroll(true);
  grid.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);

  for (int day = 0; day < kDayCount; ++day) {
    const std::string rowNumber = std::to_string(day + 1);
    grid.InsertItem(LVIF_TEXT | LVIF_STATE, day, rowNumber.c_str(), LVIS_SELECTED | LVIS_FOCUSED,
                    LVIS_SELECTED | LVIS_FOCUSED, 0, 0);
  }
}

void SetRowImageHeight(CComboListCtrl& grid, int height) {
  CImageList images;
  images.Create(kRowImageWidth, height, ILC_COLOR, 1, 1);
  // The list destroys its image lists with itself; the one it gives back is ours to destroy.
  if (HIMAGELIST previous = grid.SetImageList(&images, LVSIL_SMALL)) ::ImageList_Destroy(previous);
  images.Detach();
}
