#include "day_rows.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

// How well rows of a height sit beside the labels: whether every label's centre is inside its
// row, and the largest distance, in half pixels, between a label's centre and its row's.
struct Fit {
  bool centresInside = true;
  int worstOffsetTwice = 0;
};

Fit FitOf(const DayRowSpace& space, int height) {
  Fit fit;
  for (int day = 0; day < kDayCount; ++day) {
    const int topTwice = 2 * (space.firstRowTop + day * height);
    const int bottomTwice = topTwice + 2 * height;
    const int centreTwice = space.labelCentresTwice[day];
    fit.centresInside = fit.centresInside && topTwice <= centreTwice && centreTwice < bottomTwice;
    fit.worstOffsetTwice =
        std::max(fit.worstOffsetTwice, std::abs(centreTwice - (topTwice + bottomTwice) / 2));
  }
  return fit;
}

}  // namespace

int FitDayRowHeight(const DayRowSpace& space) {
  const int tallest = std::max(1, (space.rowsBottom - space.firstRowTop) / kDayCount);
  int best = tallest;
  Fit bestFit = FitOf(space, tallest);
  for (int height = tallest - 1; height >= 1; --height) {
    const Fit fit = FitOf(space, height);
    // Labels inside their rows first, then nearer their centres; a tie keeps the taller rows.
    if (std::tie(bestFit.centresInside, fit.worstOffsetTwice) <
        std::tie(fit.centresInside, bestFit.worstOffsetTwice)) {
      best = height;
      bestFit = fit;
    }
  }
  return best;
}
