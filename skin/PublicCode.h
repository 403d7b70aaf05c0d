#pragma once

#include <QString>

// Shows the confirmation box ("确定" and "取消") modally with a message and a title;
// true when the user confirmed.
bool ShowMess(const QString& text, const QString& title);
// Shows the information box ("确定" only) modally; true when the user confirmed.
bool ShowMessnoresult(const QString& text, const QString& title);
