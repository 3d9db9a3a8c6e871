// A test of the settings dialog as the program runs it, with the desktop's settings file in the
// test's hands meanwhile and a script to act inside the dialog's modal loop.
#pragma once

#include <gtest/gtest.h>

#include "PellinDlg.h"
#include "desktop_settings.h"
#include "dialog_script.h"

class SettingsDialogTest : public ::testing::Test {
 protected:
  DesktopSettingsFile settings;
  CPellinDlg settingsDialog;
  DialogScript script;
};
