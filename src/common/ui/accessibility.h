#pragma once

#include <span>
#include <vector>

class QWidget;

namespace trellan {

// What a screen reader says for one control of a window, which is found by its
// objectName. Pictures get a description too: what they show.
struct ControlText {
    const char* objectName;
    const char* name;
    const char* description = nullptr;
};

// Readies a built window for the keyboard and for screen readers: names and
// describes its controls from `texts`, lets Enter press its push buttons as
// Space does, lets Tab leave its memos, and chains Tab in reading order. Run at
// the end of the window's constructor, so it does not matter which code made a
// control, only what it is called and where it sits.
void makeAccessible(QWidget* window, std::span<const ControlText> texts);

// The controls Tab stops at, in reading order: the children of each container
// from top to bottom, those side by side from left to right; a container's
// controls (a group box's, a panel's) follow one another.
std::vector<QWidget*> readingOrder(QWidget* window);

}  // namespace trellan
