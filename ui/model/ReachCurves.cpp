#include "ui/model/ReachCurves.h"

ReachCurves ReachCurves::For(std::size_t held, const std::vector<BookWait>& waits)
{
    ReachCurves result;
    if (waits.empty())
        return result;
    std::vector<BookWait> shown = waits;
    if (shown.size() > MaxCurves)
        shown.erase(shown.begin() + MaxCurves - 1, shown.end() - 1);  // the next three and the last
    const BookWait& far = shown.back();
    // A fifth beyond the farthest target's nine-in-ten, up to two leading
    // digits (1166 becomes 1200), so that the axis ends on a round number.
    std::size_t books = static_cast<std::size_t>(far.Percentile90 + far.Percentile90 / 5 + 1);
    std::size_t unit = 1;
    while (books / unit >= 100)
        unit *= 10;
    result.Books = (books + unit - 1) / unit * unit;
    for (const BookWait& wait : shown) {
        result.Curves.push_back({wait, BookOdds::ReachedWithin(held, wait.Target, result.Books)});
        if (!result.Description.empty())
            result.Description += "；";
        result.Description += "到 " + std::to_string(wait.Target) + " 个技能：" + std::to_string(wait.Median)
            + " 本内过半，" + std::to_string(wait.Percentile90) + " 本内九成";
    }
    return result;
}
