#include "cad/render/Dashes.h"

#include <cmath>

namespace cad::render {
namespace {

constexpr double kMaxRepeats = 5000;

double distance(const Vec2& a, const Vec2& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

Vec2 lerp(const Vec2& a, const Vec2& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

} // namespace

DashPattern::DashPattern(std::span<const double> elements, double scale) {
    const double s = std::abs(scale);
    for (const double e : elements) {
        if (!std::isfinite(e))
            return;
        elements_.push_back(e * s);
        period_ += std::abs(e * s);
        hasGap_ = hasGap_ || e < 0;
    }
    if (!(period_ > 0) || !std::isfinite(period_))
        elements_.clear();
}

bool DashPattern::continuousFor(double length) const {
    return elements_.empty() || !hasGap_ || !(period_ > 0) || length / period_ > kMaxRepeats;
}

double pathLength(std::span<const Vec2> path, bool closed) {
    double total = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        total += distance(path[i - 1], path[i]);
    if (closed && path.size() > 2)
        total += distance(path.back(), path.front());
    return total;
}

namespace {

// Walks the pattern along one piece of path, keeping its place in the pattern
// (element index and distance into it) from piece to piece.
class DashWalker {
public:
    DashWalker(const DashPattern& pattern, double phase, std::vector<Vec2>& out)
        : pattern_(pattern), out_(out) {
        const auto e = pattern.elements();
        double p = std::fmod(phase, pattern.period());
        if (p < 0)
            p += pattern.period();
        while (p > 0 && p >= std::abs(e[index_])) {
            p -= std::abs(e[index_]);
            index_ = (index_ + 1) % e.size();
        }
        into_ = p;
    }

    void walk(const Vec2& a, const Vec2& b) {
        const double len = distance(a, b);
        const auto e = pattern_.elements();
        double pos = 0;
        while (pos < len) {
            const double element = e[index_];
            const double remaining = std::abs(element) - into_;
            const double end = std::min(len, pos + remaining);
            if (element > 0)
                extendDash(lerp(a, b, pos / len), lerp(a, b, end / len), pos == 0 && penDown_);
            else if (element == 0 && into_ == 0)
                dot(lerp(a, b, pos / len));
            if (element <= 0)
                penDown_ = false;
            if (pos + remaining <= len) {
                index_ = (index_ + 1) % e.size();
                into_ = 0;
                penDown_ = false;
            } else {
                into_ += len - pos;
            }
            pos = end;
        }
    }

private:
    void extendDash(const Vec2& from, const Vec2& to, bool continues) {
        // A dash running over a vertex goes on from where the last one ended.
        if (!continues || out_.empty()) {
            out_.push_back(from);
            out_.push_back(to);
        } else {
            out_.push_back(out_.back());
            out_.push_back(to);
        }
        penDown_ = true;
    }
    void dot(const Vec2& at) {
        out_.push_back(at);
        out_.push_back(at);
    }

    const DashPattern& pattern_;
    std::vector<Vec2>& out_;
    std::size_t index_ = 0;
    double into_ = 0;
    bool penDown_ = false;
};

} // namespace

void appendDashes(std::vector<Vec2>& segments, std::span<const Vec2> path, bool closed,
                  const DashPattern& pattern, double phase) {
    if (path.size() < 2 || pattern.elements().empty())
        return;
    DashWalker walker(pattern, phase, segments);
    for (std::size_t i = 1; i < path.size(); ++i)
        walker.walk(path[i - 1], path[i]);
    if (closed && path.size() > 2)
        walker.walk(path.back(), path.front());
}

void appendDashedSpan(std::vector<Vec2>& segments, const Vec2& base, const Vec2& unit, double t0,
                      double t1, const DashPattern& pattern) {
    if (!(t1 > t0))
        return;
    auto at = [&](double t) { return Vec2{base.x + unit.x * t, base.y + unit.y * t}; };
    if (pattern.elements().empty()) {
        segments.push_back(at(t0));
        segments.push_back(at(t1));
        return;
    }
    DashWalker walker(pattern, t0, segments);
    walker.walk(at(t0), at(t1));
}

} // namespace cad::render
