#pragma once

#include <QStringList>

class QFont;
class QWidget;

namespace trellan {

// Makes a window visible and brings it to the front, without making it modal.
void showWindow(QWidget* window);

// Takes the maximise box off a window's frame; minimising and closing stay.
void removeMaximizeBox(QWidget* window);

// The first installed family of `families`, else the default one.
QFont fontWithFallback(const QStringList& families, int pixelHeight, bool bold = false,
                       bool italic = false);

// The window font: MS Sans Serif where it exists, else a close sans-serif
// fallback, at the given character height in pixels.
QFont sansSerifFont(int pixelHeight);

}  // namespace trellan
