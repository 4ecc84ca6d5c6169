#pragma once

#include <QString>

namespace trellan {

// Turns a filter written as "Label|pattern|Label|pattern" (or a bare pattern
// such as "*.png") into the form Qt's file dialogs take: "Label (pattern);;...".
QString qtFileFilter(const QString& pairs);

}  // namespace trellan
