// Resource ids of the framework tests' dialog template.
#pragma once

#define IDD_FRAMEWORK_TEST 200
#define IDC_TEST_EDIT 301
#define IDC_TEST_LIST 302
#define IDC_TEST_BUTTON 303
#define IDS_TEST_STRING 400
