#include "grid/schedule_layout.h"

#include <string>
#include <vector>

#include "grid/cell_geometry.h"
#include "usr_setting.h"

namespace {

constexpr int kRowImageWidth = 1;

int ClientWidth(const CComboListCtrl& grid) {
  RECT client{};
  ::GetClientRect(grid.m_hWnd, &client);
  return client.right - client.left;
}

void ShareClientWidth(CComboListCtrl& grid) {
  const std::vector<int> widths = CellGeometry::SharedWidths(ClientWidth(grid), kHourCount);
  for (int hour = 0; hour < kHourCount; ++hour)
    grid.SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(hour),
                     widths[static_cast<std::size_t>(hour)]);
}

}  // namespace

void SetUpScheduleGrid(CComboListCtrl& grid) {
  for (int hour = 0; hour < kHourCount; ++hour) {
    const std::string title = std::to_string(hour);
    grid.InsertColumn(hour, title.c_str(), LVCFMT_LEFT);
    grid.SetChoiceColumn(hour, true);
  }
  FitHourColumns(grid);
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

void FitHourColumns(CComboListCtrl& grid) {
  // Columns that fit take away the horizontal scroll bar, and perhaps a vertical one it forced,
  // which widens the client area: the second pass fills what the first freed.
  ShareClientWidth(grid);
  ShareClientWidth(grid);
}
