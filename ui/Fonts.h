#pragma once
// The program's two typefaces. SimSun and Microsoft YaHei are Windows fonts;
// elsewhere the Noto CJK faces of the same style stand in for them.

#include <QFont>

QFont SongTiFont(int pixels);  // 宋体
QFont YaHeiFont(int pixels);   // 微软雅黑
