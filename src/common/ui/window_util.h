#pragma once

#include <QSize>
#include <QStringList>

class QFont;
class QWidget;

namespace trellan {

// Makes a window visible and brings it to the front, without making it modal.
void showWindow(QWidget* window);

// Takes the maximise box off a window's frame; minimising and closing stay.
void removeMaximizeBox(QWidget* window);

// Sizes a shown window so that with its frame it measures `outer`, its client
// area keeping at least `least`; a window of fixed size stays fixed. False,
// and nothing done, while the platform reports no frame.
bool reachOuterSize(QWidget* window, const QSize& outer, const QSize& least = QSize());

// The first installed family of `families`, else the default one.
QFont fontWithFallback(const QStringList& families, int pixelHeight, bool bold = false,
                       bool italic = false);

// The window font: MS Sans Serif where it exists, else a close sans-serif
// fallback, at the given character height in pixels.
QFont sansSerifFont(int pixelHeight);

}  // namespace trellan
