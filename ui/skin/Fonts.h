#pragma once
// The program's typefaces. 宋体 (SimSun) and 微软雅黑 (Microsoft YaHei) are
// Windows fonts; the program carries its own stand-ins, cut from Noto Serif
// and Noto Sans CJK SC down to the characters its texts use, so that it draws
// its Chinese even where no Chinese font is installed. Characters a user
// types beyond those fall back to Noto CJK, which the package recommends
// and the run script installs.

#include <QFont>
#include <QString>

// Registers the built-in faces with Qt's font database. Call once, after the
// application object exists and before the first window. Returns false when
// a face could not be registered (the fonts below then fall back to the
// installed ones).
bool RegisterFonts();

QFont SongTiFont(int pixels);  // 宋体
QFont YaHeiFont(int pixels);   // 微软雅黑

// `base` (the platform's interface font) with the 微软雅黑 stand-in named
// after it: Latin text keeps the platform's face, while the Chinese of
// message boxes and of Qt's own menus comes from the built-in face instead
// of a system-wide search. Size and style of `base` stay.
QFont InterfaceFont(const QFont& base);

// The families of the built-in faces.
QString BuiltInSongFamily();
QString BuiltInHeiFamily();
