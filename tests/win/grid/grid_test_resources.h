// Resource ids of the grid tests' dialog template.
#pragma once

#define IDD_GRID_TEST 210
#define IDC_GRID 1019
#define IDC_GRID_OK 1005
