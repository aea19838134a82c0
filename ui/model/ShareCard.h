#pragma once
// The text printed under the beast panel in a shared picture ("复制图片",
// "保存图片…"): what the picture alone cannot say, the grade of the roll
// and every skill by name (the panel shows only twelve, as icons).

#include <string>
#include <vector>

#include "ui/model/RollGrade.h"

class TPet;

class ShareCard {
public:
    //   "芙蓉仙子　鉴定 优秀（同种前 4.12%：…）" or "…　鉴定 不评级"
    //   "技能（4）：高级再生、高级飞行、夜战、必杀" or "技能：无"
    //   "认证技能：雷击" (only when one is certified)
    static std::vector<std::string> Lines(const TPet& beast, const RollGrade::Result& grade);
};
