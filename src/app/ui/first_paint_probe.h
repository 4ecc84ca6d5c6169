#pragma once

class QWidget;

namespace trellan {

// Start-up benchmark hook. Once the first paint of `window` has finished, prints
// "first-paint-us WALL cpu-us CPU" (wall clock in microseconds since the epoch,
// processor time used so far) on a line of its own and quits.
void reportFirstPaint(QWidget* window);

// Whether the environment variable TRELLAN_REPORT_FIRST_PAINT is set.
bool firstPaintReportAsked();

// The same as reportFirstPaint, only when firstPaintReportAsked().
void reportFirstPaintIfAsked(QWidget* window);

}  // namespace trellan
