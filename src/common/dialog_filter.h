#pragma once

#include <QString>

namespace trellan {

// Turns a filter written as "Label|pattern|Label|pattern" (or a bare pattern
// such as "*.png") into the form Qt's file dialogs take: "Label (pattern);;...".
QString qtFileFilter(const QString& pairs);

// The name a file dialog proposes in its name box. With a start folder set,
// the remembered name goes without its own folder, which would otherwise take
// the dialog there instead of to the start folder.
QString proposedFileName(const QString& fileName, const QString& startFolder);

}  // namespace trellan
