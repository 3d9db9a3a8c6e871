// Identifiers of the settings dialog's resources and controls.
#pragma once

#define IDS_ABOUTBOX 101
#define IDD_KESTRUNE_DIALOG 102
#define IDR_MAINFRAME 128

// The About item in the dialog's system menu.
#define IDM_ABOUTBOX 0x0010

// The clock's timer, and the one that ends a notice on the week line.
#define IDT_CLOCK 10
#define IDT_NOTICE 11

// Addressed by the device link; the dialog has no such control, so its words are shown nowhere.
#define IDC_DEVICE_STATUS 1001
#define IDC_CLOCK 1004
#define IDC_OK 1005
#define IDC_CANCEL 1006
#define IDC_RESOLUTION 1009
#define IDC_LOOP_LENGTH 1010
#define IDC_EXPOSURE 1011
#define IDC_ROTATE 1012
#define IDC_BEEP 1013
#define IDC_RECORD_LED 1014
#define IDC_DISPLAY_STATUS 1015
#define IDC_REC_AUDIO 1016
#define IDC_PIR_INTERVAL 1017
#define IDC_PIR_SENSITIVITY 1018
#define IDC_SCHEDULE_GRID 1019
#define IDC_DATE_FORMAT 1020
// The day labels beside the grid's rows: consecutive, Monday to Sunday, as the rows are.
#define IDC_MONDAY 1021
#define IDC_TUESDAY 1022
#define IDC_WEDNESDAY 1023
#define IDC_THURSDAY 1024
#define IDC_FRIDAY 1025
#define IDC_SATURDAY 1026
#define IDC_SUNDAY 1027
// The legend's labels, consecutive in the order of the modes: Off, Continuous, Motion.
#define IDC_LEGEND_OFF 1028
#define IDC_LEGEND_CONTINUOUS 1029
#define IDC_LEGEND_MOTION 1030
// The week in words under the grid, which also says for a moment why an edit was refused.
#define IDC_WEEK_LINE 1031
// The card row: where OK saves besides the desktop, and the button that shows a card's settings.
#define IDC_CARD 1032
#define IDC_LOAD_FROM_CARD 1033
#define IDC_SAVE_HINT 1034

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
