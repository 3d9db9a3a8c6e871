// The camera's menu: choice texts per slot, in the order of their stored values.
#include "usr_setting.h"

#include <array>

namespace {

constexpr const char* kResolution[] = {"2880*2160 24F", "2560*1440 30F", "2304*1296 30F",
                                       "1920*1080 60F", "1920*1080 30F", "1280*720 120F",
                                       "1280*720 60F",  "1280*720 30F"};
constexpr const char* kLoopLength[] = {"1Min", "3Min", "5Min"};
constexpr const char* kExposure[] = {"EV:-3", "EV:-2", "EV:-1", "EV:0", "EV:+1", "EV:+2", "EV:+3"};
constexpr const char* kOnOff[] = {"ON", "OFF"};
constexpr const char* kPirInterval[] = {"15Sec", "30Sec", "1Min", "3Min", "5Min"};
constexpr const char* kPirSensitivity[] = {"H", "M", "L"};
constexpr const char* kDateFormat[] = {"YYYY/MM/DD", "MM/DD/YYYY", "DD/MM/YYYY"};

constexpr std::array<std::span<const char* const>, kSlotCount> kChoices = {
    kResolution, kLoopLength, kExposure,    kOnOff,          kOnOff,     kOnOff,
    kOnOff,      kOnOff,      kPirInterval, kPirSensitivity, kDateFormat};

}  // namespace

std::span<const char* const> choiceTexts(SettingSlot slot) {
  return kChoices.at(static_cast<std::size_t>(slot));
}

int highestChoice(SettingSlot slot) {
  return static_cast<int>(choiceTexts(slot).size()) - 1;
}
