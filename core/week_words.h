// The weekly schedule in words, one short line a person reads at a glance:
// "Mon–Fri: Motion 0–7, Continuous 8–18, Motion 19–23 · Sat–Sun: Motion all day".
#pragma once

#include <string>

#include "schedule_edits.h"

// Days with equal hours are one group, named by their runs of days; within a day each run of
// hours of one mode is named by the mode's word and its first and last hour.
std::string describeWeek(const _week_schduce_& schedule);

// "Mon–Fri, Sun": runs of days, each by its first and last day.
std::string describeDays(ScheduleEdits::DaySet days);
// "0–7, 19–23", one hour alone as "8", every hour as "all day".
std::string describeHours(ScheduleEdits::HourSet hours);

// What joins the groups of a week's line.
inline constexpr const char* kGroupSeparator = " \u00B7 ";
// What joins the first and last of a run.
inline constexpr const char* kRunDash = "\u2013";
