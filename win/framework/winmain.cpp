// The program's entry point, linked only into programs (kestrune_framework_main).
#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return AfxWinMain(instance);
}
