#pragma once

#include <QString>

// Writes one line about a stored value that was skipped to standard error: per-user
// state that cannot be used is never worth an error box.
void MenuStateWarning(const QString& text);
